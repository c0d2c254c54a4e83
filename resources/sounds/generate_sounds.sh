#!/usr/bin/env bash
# Makes every sound clip the program plays: spoken announcements in French and English with
# espeak-ng, signals synthesised with sox. Every clip is a 22050 Hz, 16-bit, mono PCM WAV file,
# normalised, with short fades so that nothing clicks when a clip starts or is cut.
#
#   generate_sounds.sh --list    prints the file names, one a line
#   generate_sounds.sh FOLDER    writes every clip into FOLDER
#
# ESPEAK_NG and SOX may name the programs to use. Nothing is downloaded; a missing program or a
# clip that was not made stops the script with an error.
set -euo pipefail

espeak=${ESPEAK_NG:-espeak-ng}
sox=${SOX:-sox}
format=(-r 22050 -b 16 -c 1 -e signed-integer)

# Announcements: French file name (the English one adds "GB"), French text, English text.
announcements=(
    "60minutes|soixante minutes|sixty minutes"
    "30minutes|trente minutes|thirty minutes"
    "15minutes|quinze minutes|fifteen minutes"
    "5minutes|cinq minutes|five minutes"
    "2minutes|deux minutes|two minutes"
    "1minute|une minute|one minute"
    "30secondes|trente secondes|thirty seconds"
    "10secondes|dix secondes|ten seconds"
    "cinq|cinq|five"
    "quatre|quatre|four"
    "trois|trois|three"
    "deux|deux|two"
    "un|un|one"
    "miCourse|mi-course|half time"
)
cars=20
signals=(foghorn truckhorn beep1 youpi buzz nokia-sms)

# One line per spoken clip: file name without ".wav", espeak-ng voice, text.
spoken_clips() {
    local entry name french english car
    for entry in "${announcements[@]}"; do
        IFS='|' read -r name french english <<<"$entry"
        printf '%s|fr|%s\n%sGB|en|%s\n' "$name" "$french" "$name" "$english"
    done
    # The French clock says "cinq minutes" in both senses; English tells the race apart.
    printf '5minutesRaceGB|en|five minutes remaining\n'
    for ((car = 1; car <= cars; car++)); do
        printf 'FinCourseVoiture%d|fr|fin de course voiture %d\n' "$car" "$car"
        printf 'FinCourseVoiture%dGB|en|end of race, car %d\n' "$car" "$car"
    done
}

clip_names() {
    spoken_clips | cut -d'|' -f1
    printf '%s\n' "${signals[@]}"
}

fail() {
    echo "generate_sounds.sh: $*" >&2
    exit 1
}

# espeak-ng leaves silence around the words: trim it (the reversed pass trims the end), fade
# both ends, then leave a short lead-in so that a slow audio device does not eat the first word.
speak() {
    local voice=$1 text=$2 out=$3 raw=$4
    "$espeak" -v "$voice" -s 165 -w "$raw" "$text"
    "$sox" -D "$raw" "${format[@]}" "$out" \
        silence 1 0.005 0.1% fade q 0.01 reverse silence 1 0.005 0.1% fade q 0.02 reverse \
        norm -1 pad 0.05 0.05
}

# Each tone of a chord or arpeggio is one channel of the synth, mixed down to mono.
synthesise() {
    local name=$1 out=$2
    case $name in
    foghorn) # low, beating horn with a sub-octave: start and end of time
        "$sox" -D -r 22050 -c 3 -n "${format[@]}" "$out" \
            synth 1.5 sawtooth 98 sawtooth 98.6 square 49 remix - vol 0.3 \
            lowpass 900 overdrive 8 norm -1 fade q 0.06 -0 0.25 ;;
    truckhorn) # two brighter tones together, unlike the foghorn: the run was stopped
        "$sox" -D -r 22050 -c 2 -n "${format[@]}" "$out" \
            synth 1.5 square 311 square 392 remix - vol 0.4 \
            lowpass 2500 overdrive 5 norm -1 fade q 0.03 -0 0.15 ;;
    beep1) # short and clean: it sounds at every lap
        "$sox" -D -r 22050 -c 1 -n "${format[@]}" "$out" \
            synth 0.12 sine 1760 norm -3 fade q 0.005 -0 0.02 ;;
    youpi) # rising C major arpeggio of decaying chimes: a new best lap
        "$sox" -D -r 22050 -c 4 -n "${format[@]}" "$out" \
            synth 0.35 sine 1046.5 sine 1318.5 sine 1568 sine 2093 fade q 0.005 0.35 0.3 \
            delay 0 0.09 0.18 0.27 remix - norm -2 ;;
    buzz) # two close square waves, overdriven: a rejected double detection
        "$sox" -D -r 22050 -c 2 -n "${format[@]}" "$out" \
            synth 0.3 square 110 square 117 remix - overdrive 20 norm -3 fade q 0.01 -0 0.03 ;;
    nokia-sms) # two falling bell notes with their octave: ready for the countdown
        "$sox" -D -r 22050 -c 4 -n "${format[@]}" "$out" \
            synth 0.45 sine 1318.5 sine 2637 sine 987.8 sine 1975.5 fade q 0.005 0.45 0.4 \
            delay 0 0 0.2 0.2 remix 1v0.7,2v0.3,3v0.7,4v0.3 norm -3 ;;
    *) fail "no recipe for signal $name" ;;
    esac
}

generate() {
    local folder=$1 name voice text
    command -v "$espeak" >/dev/null || fail "espeak-ng not found (scripts/setup installs it)"
    command -v "$sox" >/dev/null || fail "sox not found (scripts/setup installs it)"
    mkdir -p "$folder"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT

    while IFS='|' read -r name voice text; do
        speak "$voice" "$text" "$folder/$name.wav" "$work/raw.wav" </dev/null
    done < <(spoken_clips)
    for name in "${signals[@]}"; do
        synthesise "$name" "$folder/$name.wav"
    done

    while read -r name; do
        [ -s "$folder/$name.wav" ] || fail "$folder/$name.wav was not produced"
    done < <(clip_names)
}

case ${1:-} in
--list) clip_names ;;
"") fail "usage: generate_sounds.sh --list | OUTPUT_FOLDER" ;;
*) generate "$1" ;;
esac
