#pragma once
#include "core/common/field_reader.h"
#include "core/common/race_time.h"

#include <string_view>

namespace racedesk {

// Helpers shared by the readers of the race file's sections. A reader reads exactly its
// layout's fields and stops; it never looks past its data and never loops on a cut body.

// The next line that holds something, without its line end; empty at the end of the data.
// No writer puts an empty line inside a body (every line ends with a field's tab), so the
// empty lines that layouts allow between groups are simply passed over.
std::string_view nextFilledLine(FieldReader& in);

// An integer field brought within low..high; `value` keeps what it held when no number stands
// there.
void readClamped(FieldReader& in, int& value, int low, int high);

// An integer field; `value` keeps what it held when no number stands there.
void readInteger(FieldReader& in, int& value);

// A stored time: from the start (0) to the no-time value, the range a run produces, so that
// the gaps and lap times made of two of them never overflow. False, and `time` as it was,
// when no number stands there.
bool readTime(FieldReader& in, RaceTime& time);

// A keyword field; `value` keeps what it held when the text is not one of its keys.
template <typename Choice> void readKey(FieldReader& in, Choice& value) {
    Choice parsed = value;
    if (parseKey(in.text(), parsed))
        value = parsed;
}

} // namespace racedesk
