#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the program's 33 sounds: 13 game-event sounds (tones, clicks and noises from sox) and
# 20 chatter sounds (spoken with espeak-ng, or noises from sox). Each is written as a mono
# 16-bit PCM WAV at 16000 Hz of the stated length into resources/sounds/.
#   tools/sounds/make-sounds.sh [output folder]
# Needs sox and espeak-ng (apt-get install sox espeak-ng). Running it again gives the same files.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../resources/sounds}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=16000
fmt="-r $rate -c 1 -b 16 -e signed-integer"

# fit NAME LENGTH: takes $work/raw.wav to exactly LENGTH seconds (silence added or cut off,
# a short fade at the end) and writes $out/NAME.wav.
fit() {
    sox -G -D "$work/raw.wav" $fmt "$out/$1.wav" pad 0 "$2" trim 0 "$2" fade t 0 "$2" 0.02
}

# speak NAME LENGTH VOICE SPEED PITCH TEXT: speech, stretched or squeezed towards LENGTH.
speak() {
    espeak-ng -v "$3" -s "$4" -p "$5" -w "$work/voice.wav" "$6"
    sox "$work/voice.wav" "$work/trimmed.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    have=$(soxi -D "$work/trimmed.wav")
    factor=$(awk -v h="$have" -v w="$2" 'BEGIN { f = h / (w * 0.95); if (f < 0.6) f = 0.6; if (f > 1.8) f = 1.8; printf "%.3f", f }')
    sox "$work/trimmed.wav" -r $rate "$work/raw.wav" tempo -s "$factor" norm -1
    fit "$1" "$2"
}

# synth NAME LENGTH SOX-EFFECTS...: a sound made by sox alone.
synth() {
    name=$1 len=$2
    shift 2
    sox -G -D -n -r $rate -c 1 -b 16 "$work/raw.wav" "$@"
    fit "$name" "$len"
}

# Tones joined end to end: tones NAME LENGTH "len1 freq1" "len2 freq2" ...
tones() {
    name=$1 len=$2
    shift 2
    i=0
    parts=""
    for t in "$@"; do
        set -- $t
        sox -D -n -r $rate -c 1 -b 16 "$work/t$i.wav" synth "$1" sine "$2" sine "$(awk -v f="$2" 'BEGIN{print f*2}')" remix - fade q 0.005 "$1" "$(awk -v l="$1" 'BEGIN{print l*0.8}')" vol 0.5
        parts="$parts $work/t$i.wav"
        i=$((i + 1))
    done
    sox $parts "$work/raw.wav"
    fit "$name" "$len"
}

# Game events.
tones entered 0.8 "0.4 988" "0.4 784"
synth timeup 0.8 synth 0.8 square 220 square 110 remix - lowpass 1800 tremolo 8 60 vol 0.35 fade 0 0.8 0.1
synth pass 0.1 synth 0.1 pinknoise highpass 600 fade q 0.005 0.1 0.08 vol 0.5
tones roundover 2.3 "0.35 784" "0.35 659" "0.35 523" "1.25 392"
tones finish 0.7 "0.25 659" "0.45 1047"
synth invalid 0.8 synth 0.8 sawtooth 140 square 147 remix - lowpass 1200 tremolo 5 90 vol 0.4 fade 0 0.8 0.1
tones gameover 1.1 "0.2 523" "0.2 659" "0.7 784"
synth turn 0.6 synth 0.6 sine 1319 sine 2637 remix - fade q 0.002 0.6 0.58 vol 0.6
tones turnnew 0.4 "0.12 1175" "0.28 1568"
synth place 0.1 synth 0.03 pinknoise lowpass 900 pad 0 0.07 vol 0.9
synth pickup 0.2 synth 0.2 sine 400-1200 fade q 0.01 0.2 0.1 vol 0.5
synth clear 0.3 synth 0.3 sine 1200-300 fade q 0.01 0.3 0.15 vol 0.5
synth tick 0.1 synth 0.015 sine 2200 pad 0 0.085 vol 0.6

# Chatter sounds, wave1 .. wave20.
speak wave1 0.3 en-us 260 40 "Doh!"
sox -D -n -r $rate -c 1 -b 16 "$work/c1.wav" synth 0.22 brownnoise lowpass 1500 fade q 0.01 0.22 0.15
sox "$work/c1.wav" "$work/c1.wav" "$work/raw.wav" pad 0 0.08
fit wave2 0.6
speak wave3 0.7 en-us 170 50 "Hello!"
speak wave4 0.5 en-us 250 50 "Thank you"
speak wave5 1.0 en-us 200 50 "Where have you been?"
synth wave6 4.3 synth 4.3 brownnoise lowpass 350 tremolo 0.47 95 vol 0.9
speak wave7 1.2 en-us 170 70 "Ah ah ah CHOO!"
speak wave8 0.6 en-us 180 45 "Sorry"
speak wave9 0.8 en-us 170 50 "Welcome!"
speak wave10 1.8 en-us 110 90 "Yee haaaa!"
speak wave11 2.1 en-us+f3 110 90 "Yippeeee!"
speak wave12 1.7 en-us 90 35 "Oh noooo!"
synth wave13 2.3 synth 2.3 whitenoise vol 0.6 highpass 900 tremolo 11 85 tremolo 7.3 60 fade 0.05 2.3 0.5
speak wave15 2.2 en-us 70 60 "Oooooooooh"
synth wave14 0.2 synth 0.2 square 349 square 440 remix - lowpass 2500 vol 0.4
synth wave16 2.7 synth 2.7 sawtooth 85 sawtooth 91 remix - tremolo 27 70 lowpass 1600 overdrive 6 vol 0.5
speak cheer 4.1 en-us 130 85 "Hooray! Hooray! Yaaay!"
mv "$out/cheer.wav" "$work/cheer.wav"
sox -D -n -r $rate -c 1 -b 16 "$work/crowd.wav" synth 4.1 whitenoise vol 0.25 highpass 900 tremolo 11 80 fade 0.3 4.1 0.8
sox -m "$work/cheer.wav" "$work/crowd.wav" "$work/raw.wav"
fit wave17 4.1
speak wave18 1.0 en-us+f4 230 95 "ha ha ha ha"
speak wave19 2.0 en-us+m3 150 25 "ho ho ho, ha ha ha"
speak wave20 5.0 en-us+f2 80 90 "waaah, boo hoo hoo, waaaaah, hoo hoo"

ls -l "$out"
