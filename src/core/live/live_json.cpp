#include "core/live/live_json.h"

#include "core/common/cp1252.h"
#include "core/timing/key_labels.h"

#include <cstdio>

namespace racedesk {
namespace {

void appendField(std::string& out, const char* key, std::string_view cp1252) {
    out += '"';
    out += key;
    out += "\":";
    appendJsonString(out, cp1252ToUtf8(cp1252));
    out += ',';
}

void appendFlag(std::string& out, const char* key, bool on) {
    out += '"';
    out += key;
    out += on ? "\":true," : "\":false,";
}

void appendRow(std::string& out, const BoardRow& r) {
    out += '{';
    appendField(out, "pos", r.position.view());
    appendField(out, "car", r.carNumber.view());
    appendField(out, "name", r.name.view());
    appendField(out, "laps", r.laps.view());
    appendField(out, "total", r.totalTime.view());
    appendField(out, "gapLeader", r.gapToLeader.view());
    appendField(out, "gapPrevious", r.gapToPrevious.view());
    appendField(out, "last", r.lastLap.view());
    appendField(out, "best", r.bestLap.view());
    appendFlag(out, "finished", r.finished);
    appendFlag(out, "justPassed", r.justPassed);
    appendFlag(out, "newBest", r.newBestLap);
    appendFlag(out, "runBest", r.runBestHolder);
    out.back() = '}';
}

} // namespace

void appendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += ch;
        }
    }
    out += '"';
}

std::string snapshotJson(const LiveSnapshot& s, std::uint64_t number) {
    std::string out;
    out.reserve(512 + std::size_t(s.rowCount) * 320);
    out += "{\"number\":" + std::to_string(number) + ',';
    appendField(out, "title", s.runTitle.view());
    appendField(out, "header", readableSummary(s.header.view()));
    appendField(out, "duration", s.durationText.view());
    appendField(out, "elapsed", s.elapsedText.view());
    appendField(out, "remaining", s.remainingText.view());
    appendField(out, "countdown", s.countdownText.view());
    appendFlag(out, "inCountdown", s.countdown);
    appendFlag(out, "running", s.running);
    out += "\"rows\":[";
    for (int i = 0; i < s.rowCount; ++i) {
        if (i > 0)
            out += ',';
        appendRow(out, s.rows[std::size_t(i)]);
    }
    out += "]}";
    return out;
}

} // namespace racedesk
