#pragma once
#include "core/platform/dialogs.h"
#include "core/platform/screen.h"

#include <deque>
#include <string>
#include <vector>

namespace racedesk::test {

// Records every message box (in UTF-8) and answers questions from a script.
class ScriptedDialogs : public Dialogs {
public:
    void message(const char* text, const char* caption, Icon icon) override;
    Answer ask(const char* text, const char* caption, Buttons buttons, Icon icon) override;
    std::string chooseSaveFile(const char* description, const char* pattern,
                               const std::string& folder) override;
    std::string chooseOpenFile(const char* description, const char* pattern,
                               const std::string& folder) override;
    // Takes the next of `files`, as the file dialogs do.
    std::string chooseFolder(const char* caption, const std::string& folder) override;

    struct Shown {
        std::string text;
        std::string caption;
        Icon icon;
    };
    std::vector<Shown> messages;
    std::vector<Shown> questions;
    std::deque<Answer> answers;           // Yes when empty
    std::deque<std::string> files;        // chosen file names; cancelled when empty
    std::vector<std::string> fileFilters; // "description|pattern|folder" of each file dialog
};

class RecordingScreen : public Screen {
public:
    void invalidate(BoardArea area) override { invalidated.push_back(area); }
    void setRunLocked(bool isLocked) override { locked = isLocked; }
    void setRaceTitle(const char* text, bool isTitled) override {
        title = text;
        titled = isTitled;
    }

    void scanChanged() override { ++scanChanges; }

    std::vector<BoardArea> invalidated;
    bool locked = false;
    int scanChanges = 0;
    std::string title; // Windows-1252
    bool titled = false;
};

} // namespace racedesk::test
