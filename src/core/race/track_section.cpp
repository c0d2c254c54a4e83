#include "core/race/track_section.h"

#include "core/common/field_writer.h"
#include "core/race/section_lines.h"
#include "core/race/section_reading.h"

namespace racedesk {

std::string composeTrack(const TrackSettings& track) {
    FieldWriter out;
    out.text(track.raceName.view());
    out.text(track.club.view());
    out.text(track.circuit.view());
    out.integer(track.protectionSeconds);
    out.endLine();
    return out.contents();
}

TrackSettings parseTrack(std::string_view body) {
    TrackSettings track;
    FieldReader lines(body);
    FieldReader in(nextFilledLine(lines));
    in.text(track.raceName);
    in.text(track.club);
    in.text(track.circuit);
    readClamped(in, track.protectionSeconds, kMinProtectionSeconds, kMaxProtectionSeconds);
    return track;
}

bool readTrack(SectionFile& file, TrackSettings& track) {
    const std::optional<std::string_view> body = file.body(kTrackTitle);
    track = body ? parseTrack(*body) : TrackSettings{};
    return body.has_value();
}

WriteStatus writeTrack(SectionFile& file, const TrackSettings& track) {
    return file.write(kTrackTitle, kTrackUnits, composeTrack(track));
}

} // namespace racedesk
