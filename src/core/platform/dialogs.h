#pragma once
#include <string>

namespace racedesk {

enum class Icon { None, Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

// Message boxes. Texts are Windows-1252, as core strings are.
// A message raised during the tick is shown after the tick returns.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const char* text, const char* caption, Icon icon) = 0;
    virtual Answer ask(const char* text, const char* caption, Buttons buttons, Icon icon) = 0;
    // A file chosen in the platform's save or open dialog, filtered on 'pattern' ("*.race")
    // described by 'description', starting in 'folder' (UTF-8). The save dialog asks before
    // an existing file is overwritten; the open dialog wants an existing file. Gives the
    // full path in UTF-8, or an empty text when the user cancelled.
    virtual std::string chooseSaveFile(const char* description, const char* pattern,
                                       const std::string& folder) = 0;
    virtual std::string chooseOpenFile(const char* description, const char* pattern,
                                       const std::string& folder) = 0;
    // A folder chosen in the platform's folder dialog titled 'caption', starting in 'folder'
    // (UTF-8), where the user may make a new one. Gives its full path in UTF-8, or an empty
    // text when the user cancelled; a platform without such a dialog cancels.
    virtual std::string chooseFolder(const char* /*caption*/, const std::string& /*folder*/) {
        return {};
    }
    // Around each tick: messages raised in between wait until the tick has returned.
    virtual void beginTick() {}
    virtual void endTick() {}
};

} // namespace racedesk
