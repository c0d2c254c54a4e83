#pragma once

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
};

} // namespace racedesk
