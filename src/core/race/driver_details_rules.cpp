#include "core/race/driver_details_rules.h"

#include "core/app/program.h"
#include "core/databases/drivers.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/participants_texts.h"
#include "core/race/section_titles.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"
#include "core/timing/decoder_link.h"
#include "core/timing/interface_settings.h"

namespace racedesk {
namespace {

constexpr const char* kScanLightFiles[] = {
    "images/voyantScanPuce1.bmp", "images/voyantScanPuce2.bmp", "images/voyantScanPuce3.bmp",
    "images/voyantScanPuce4.bmp"};

// Each picture lasts 20 hundredths, one hundredth apart from the next.
constexpr int kFrameLength = 20;
constexpr int kFrameStep = 21;

// The kind of decoder the interface settings name; the link's own when the file is missing.
InterfaceKind decoderKind(Program& p) {
    InterfaceSettings settings;
    if (!readInterfaceSettings(p.path(kInterfaceSettingsFile), settings)) {
        p.showError(tx(ParticipantsText::DetailsErrInterfaceFile));
        return p.link.kind();
    }
    return settings.type == kTypeKt2 ? InterfaceKind::KT2 : InterfaceKind::KT1;
}

} // namespace

int scanLightFrame(int hundredths) {
    if (hundredths < 0 || hundredths >= kScanLightCycle)
        return 0;
    const int frame = hundredths / kFrameStep;
    return hundredths % kFrameStep < kFrameLength ? frame + 1 : 0;
}

bool advanceScanLight(ScanLight& light, std::int64_t counter, std::int64_t frequency) {
    std::int64_t hundredths = (counter - light.start) * 100 / frequency;
    if (hundredths >= kScanLightCycle) {
        light.start = counter;
        hundredths = 0;
    }
    const int frame = scanLightFrame(int(hundredths));
    if (frame == 0 || frame == light.frame)
        return false;
    light.frame = frame;
    return true;
}

const char* scanLightFile(int frame) {
    return frame >= 1 && frame <= 4 ? kScanLightFiles[frame - 1] : nullptr;
}

void paintScanLight(Canvas& canvas, int frame) {
    if (const char* file = scanLightFile(frame))
        canvas.bitmap({kScanLightAt.x, kScanLightAt.y, kScanLightAt.x + kScanLightSide,
                       kScanLightAt.y + kScanLightSide},
                      file, false);
}

int detailsPlace(int itemCode) {
    const int place = itemCode % kCategoryCodeStep - (kFirstParticipantItem - kCategoryItem);
    return place >= 0 && place < kMaxParticipants ? place : -1;
}

bool openDriverDetails(Program& p, DriverDetails& d) {
    p.link.claimed = true;
    d.participants = ParticipantTable{};
    d.kind = decoderKind(p);
    if (!readFrequencies(p.path(kFrequenciesFile), d.frequencies))
        p.showError(tx(ParticipantsText::DetailsErrFrequenciesDatabase));
    d.frequencyCount =
        listedCount<FrequencyEntry, kFrequencyLength + 1>(d.frequencies, kFrequencyNames);
    SectionFile file(p.path(kWorkingRaceFile));
    RaceHeader header;
    if (!readRaceHeader(file, header))
        p.showError(tx(Text::ErrRaceFile));
    d.category = categoryOfCode(header.selectedItem);
    d.place = detailsPlace(header.selectedItem);
    if (d.category < 1 || d.category > header.categoryCount)
        d.place = -1;
    if (d.place >= 0 && file.isOpen() && !readParticipants(file, d.category, d.participants))
        p.showError(tx(ParticipantsText::DetailsErrParticipantsNotFound));
    return d.valid();
}

bool typeTransponder(DriverDetails& d, std::string_view typed) {
    if (!d.valid() || !isTransponderNumber(typed))
        return false;
    d.driver().transponder = typed;
    return true;
}

void chooseFrequency(DriverDetails& d, int which, std::string_view frequency) {
    if (d.valid() && which >= 0 && which < kFrequenciesPerDriver)
        d.driver().frequencies[std::size_t(which)] = frequency;
}

void startScan(Program& p, DriverDetails& d) {
    discardDecoderBytes(p);
    d.scanning = true;
    d.light = ScanLight{p.io.clock.counter(), 1};
}

void stopScan(DriverDetails& d) {
    d.scanning = false;
    d.light.frame = 0;
}

TransponderText detailsTick(Program& p, DriverDetails& d) {
    TransponderText shown;
    if (!d.scanning) {
        discardDecoderBytes(p);
        return shown;
    }
    readDecoder(p);
    DecodeOutput out;
    decodePassings(p.link.rx, d.kind, false, p.link.timeBase, out);
    for (int i = 0; i < out.count; ++i) {
        const TransponderText& number = out.passings[std::size_t(i)].transponder;
        if (typeTransponder(d, number.view()))
            shown = number;
    }
    return shown;
}

void confirmDriverDetails(Program& p, const DriverDetails& d) {
    if (!d.valid())
        return;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    if (!file.body(participantsTitle(d.category))) {
        p.showError(tx(ParticipantsText::DetailsErrParticipantsNotWritten));
        return;
    }
    reportWrite(p, writeParticipants(file, d.category, d.participants), kParticipantsTitleNotFound);
}

void closeDriverDetails(Program& p, DriverDetails& d) {
    stopScan(d);
    p.link.claimed = false;
}

void afterDriverDetails(Program& p, int category) {
    const int k = p.loaded.loaded() ? p.loaded.category : category;
    if (k < 1 || k > kMaxCategories)
        return;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    readParticipants(file, k, p.participants);
    retakeParticipantDetails(p);
}

} // namespace racedesk
