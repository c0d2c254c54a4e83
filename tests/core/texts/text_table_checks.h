#pragma once
#include "core/common/cp1252.h"
#include "core/common/texts.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk::test {

// Built twice: once with the French tables, once with the English ones.
#ifdef RACEDESK_ENGLISH
inline constexpr bool kEnglish = true;
#else
inline constexpr bool kEnglish = false;
#endif

// Every text of a table is defined and has a Windows-1252 form, as core strings hold them.
template <typename TextId> void expectCompleteTable() {
    for (int i = 0; i < int(TextId::Count); ++i) {
        const std::string utf8 = textUtf8(TextId(i));
        EXPECT_FALSE(utf8.empty()) << "text " << i;
        EXPECT_EQ(cp1252ToUtf8(tx(TextId(i))), utf8) << "text " << i << " has no Windows-1252 form";
    }
}

// The text in UTF-8, to compare with what a test expects.
template <typename TextId> std::string shown(TextId id) {
    return cp1252ToUtf8(tx(id));
}

} // namespace racedesk::test
