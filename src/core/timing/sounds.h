#pragma once

namespace racedesk {

struct Program;
struct CarSlot;

// Every clip of the program, played at its moment when the sound settings allow it.
// Spoken clips follow the language of the settings; signals are the same in both.

// Before the countdown, when the countdown is announced and longer than 1 s; waits.
void playStartButtonTone(Program& p);
// 3600, 1800, 900, 300, 120, 60, 30, 10, 5, 4, 3, 2 and 1 s, each once per run.
void announceCountdown(Program& p, int remainingSeconds);
void playStartSignal(Program& p);
// Half-time, five minutes and one minute left, each once per run; timed runs only.
void announceRaceClock(Program& p, int elapsedH, int elapsedM, int elapsedS, int remainingH,
                       int remainingM, int remainingS);
// The horn when the remaining time reaches 0, once per run.
void playEndOfTimeSignal(Program& p);
// After a counted lap that neither finished the car nor stopped the run.
void playLapSignal(Program& p, const CarSlot& car);
// After a counted lap that finished the car, when that lap did not stop the run.
void announceCarFinished(Program& p, int carNumber);
void playDoubleDetection(Program& p);
void playStopSignal(Program& p);
void playRestOver(Program& p);

} // namespace racedesk
