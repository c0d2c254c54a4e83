#include "core/timing/key_labels.h"

#include "core/common/texts.h"
#include "core/race/heat_record_line.h"
#include "core/timing/run_texts.h"

#include <array>
#include <utility>

namespace racedesk {
namespace {

struct KeyLabel {
    Text ownText; // the key as this program writes it into the summary
    const char* key;
    RunText label;
};

std::array<KeyLabel, 8> keyLabels() {
    return {
        {{Text::KeyStartSignal, keyOf(StartMode::Signal), RunText::LabelStartSignal},
         {Text::KeyStartStaggered, keyOf(StartMode::Staggered), RunText::LabelStartStaggered},
         {Text::KeyStartFirstCar, keyOf(StartMode::FirstCar), RunText::LabelStartFirstCar},
         {Text::KeyEndTimeSignal, keyOf(EndOfTime::Signal), RunText::LabelEndTimeSignal},
         {Text::KeyEndTimeFinishLap, keyOf(EndOfTime::FinishLap), RunText::LabelEndTimeFinishLap},
         {Text::KeyEndLapsSignal, keyOf(EndOfLaps::Signal), RunText::LabelEndLapsSignal},
         {Text::KeyEndLapsFinishLap, keyOf(EndOfLaps::FinishLap), RunText::LabelEndLapsFinishLap},
         {Text::KeyEndLapsAllLaps, keyOf(EndOfLaps::AllLaps), RunText::LabelEndLapsAllLaps}}};
}

// Replaces whole words only: a key is never part of a longer word of the summary.
void replaceWord(std::string& text, std::string_view word, std::string_view by) {
    const auto isLetter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at > 0 && isLetter(text[at - 1])) || (end < text.size() && isLetter(text[end])))
            continue;
        text.replace(at, word.size(), by);
        at += by.size() - 1;
    }
}

} // namespace

const char* labelOf(RankingMode m) {
    return tx(m == RankingMode::BestLap ? RunText::LabelRankingBestLap
                                        : RunText::LabelRankingLapsTime);
}

std::string readableSummary(std::string_view stored) {
    std::string text(stored);
    for (const KeyLabel& k : keyLabels()) {
        replaceWord(text, k.key, tx(k.label));
        replaceWord(text, tx(k.ownText), tx(k.label));
    }
    return text;
}

std::string readableCondition(std::string_view stored) {
    constexpr std::array<std::pair<std::string_view, Text>, 3> conditions = {
        {{kConditionDry, Text::CommentDry},
         {kConditionWet, Text::CommentWet},
         {kConditionIce, Text::CommentIce}}};
    for (const auto& [key, label] : conditions) {
        if (stored == key)
            return tx(label);
    }
    return std::string(stored);
}

} // namespace racedesk
