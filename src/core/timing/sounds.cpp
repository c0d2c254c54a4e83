#include "core/timing/sounds.h"

#include "core/app/program.h"

#include <array>
#include <cstdio>

namespace racedesk {
namespace {

bool isOn(const Program& p, SoundKey key) {
    return p.sounds.isOn(key);
}

void play(Program& p, const char* clip, bool wait = false) {
    p.io.sound.play(clip, wait);
}

// "sons/<name>.wav" in French, "sons/<name>GB.wav" in English, nothing without a language.
void speak(Program& p, const char* french, const char* english) {
    const SpokenLanguage language = p.sounds.language();
    if (language == SpokenLanguage::None)
        return;
    char clip[64];
    std::snprintf(clip, sizeof clip, "sons/%s.wav",
                  language == SpokenLanguage::English ? english : french);
    play(p, clip);
}

bool once(Program& p, Announcement a) {
    bool& done = p.run.announced[static_cast<int>(a)];
    if (done)
        return false;
    done = true;
    return true;
}

struct CountdownClip {
    int seconds;
    Announcement flag;
    const char* french;
    const char* english;
};

constexpr std::array<CountdownClip, 13> kCountdownClips = {{
    {3600, Announcement::Countdown3600, "60minutes", "60minutesGB"},
    {1800, Announcement::Countdown1800, "30minutes", "30minutesGB"},
    {900, Announcement::Countdown900, "15minutes", "15minutesGB"},
    {300, Announcement::Countdown300, "5minutes", "5minutesGB"},
    {120, Announcement::Countdown120, "2minutes", "2minutesGB"},
    {60, Announcement::Countdown60, "1minute", "1minuteGB"},
    {30, Announcement::Countdown30, "30secondes", "30secondesGB"},
    {10, Announcement::Countdown10, "10secondes", "10secondesGB"},
    {5, Announcement::Countdown5, "cinq", "cinqGB"},
    {4, Announcement::Countdown4, "quatre", "quatreGB"},
    {3, Announcement::Countdown3, "trois", "troisGB"},
    {2, Announcement::Countdown2, "deux", "deuxGB"},
    {1, Announcement::Countdown1, "un", "unGB"},
}};

} // namespace

void playStartButtonTone(Program& p) {
    if (isOn(p, SoundKey::Countdown) && p.run.countdownSeconds > 1)
        play(p, "sons/nokia-sms.wav", true);
}

void announceCountdown(Program& p, int remainingSeconds) {
    if (!isOn(p, SoundKey::Countdown))
        return;
    for (const CountdownClip& c : kCountdownClips) {
        if (c.seconds == remainingSeconds && once(p, c.flag))
            speak(p, c.french, c.english);
    }
}

void playStartSignal(Program& p) {
    if (isOn(p, SoundKey::StartSignal))
        play(p, "sons/foghorn.wav");
}

void announceRaceClock(Program& p, int elapsedH, int elapsedM, int elapsedS, int remainingH,
                       int remainingM, int remainingS) {
    // A laps run counts its clock against its time limit of hours: nothing to announce.
    if (!isOn(p, SoundKey::RaceClock) || p.run.durationMode != DurationMode::Time)
        return;
    if (elapsedH == remainingH && elapsedM == remainingM && elapsedS == remainingS &&
        once(p, Announcement::HalfTime))
        speak(p, "miCourse", "miCourseGB");
    if (remainingH == 0 && remainingM == 4 && p.run.durationMinutes > 12 &&
        once(p, Announcement::FiveMinutesLeft))
        speak(p, "5minutes", "5minutesRaceGB");
    if (remainingH == 0 && remainingM == 0 && p.run.durationMinutes > 2 &&
        once(p, Announcement::OneMinuteLeft))
        speak(p, "1minute", "1minuteGB");
}

void playEndOfTimeSignal(Program& p) {
    if (once(p, Announcement::EndSignal))
        play(p, "sons/foghorn.wav");
}

void playLapSignal(Program& p, const CarSlot& car) {
    if (car.newBestLap && isOn(p, SoundKey::BestLap))
        play(p, "sons/youpi.wav");
    else if (isOn(p, SoundKey::Passing))
        play(p, "sons/beep1.wav");
}

void announceCarFinished(Program& p, int carNumber) {
    if (!isOn(p, SoundKey::EndPerCar))
        return;
    char french[32];
    char english[32];
    std::snprintf(french, sizeof french, "FinCourseVoiture%d", carNumber);
    std::snprintf(english, sizeof english, "FinCourseVoiture%dGB", carNumber);
    speak(p, french, english);
}

void playDoubleDetection(Program& p) {
    play(p, "sons/buzz.wav");
}

void playStopSignal(Program& p) {
    if (isOn(p, SoundKey::EndSignal))
        play(p, "sons/truckhorn.wav");
}

void playRestOver(Program& p) {
    play(p, "sons/nokia-sms.wav");
}

} // namespace racedesk
