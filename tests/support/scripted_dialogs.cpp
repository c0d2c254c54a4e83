#include "support/scripted_dialogs.h"

#include "core/common/cp1252.h"

namespace racedesk::test {

void ScriptedDialogs::message(const char* text, const char* caption, Icon icon) {
    messages.push_back({cp1252ToUtf8(text), cp1252ToUtf8(caption), icon});
}

Answer ScriptedDialogs::ask(const char* text, const char* caption, Buttons, Icon icon) {
    questions.push_back({cp1252ToUtf8(text), cp1252ToUtf8(caption), icon});
    if (answers.empty())
        return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::string ScriptedDialogs::chooseSaveFile(const char* description, const char* pattern,
                                            const std::string& folder) {
    return chooseOpenFile(description, pattern, folder);
}

std::string ScriptedDialogs::chooseOpenFile(const char* description, const char* pattern,
                                            const std::string& folder) {
    fileFilters.push_back(cp1252ToUtf8(description) + "|" + pattern + "|" + folder);
    if (files.empty())
        return {};
    std::string chosen = files.front();
    files.pop_front();
    return chosen;
}

std::string ScriptedDialogs::chooseFolder(const char* caption, const std::string& folder) {
    return chooseOpenFile(caption, "", folder);
}

} // namespace racedesk::test
