// The three sound effects, synthesised: key taken, door passed, player caught.
#pragma once

#include <cstdint>
#include <vector>

struct Sound {
    int channels = 1;
    int sampleRate = 44100;
    std::vector<std::int16_t> samples; // channels interleaved
};

// A bright two-note pick-up "bling": mono, 44100 Hz, 0.1 s.
Sound MakeKeySound();
// A rising brass-like fanfare ending on a held chord: stereo, 48000 Hz, 0.83 s.
Sound MakeDoorSound();
// A falling "wah-wah-waaah" ending in a sliding wobble: stereo, 48000 Hz, 0.76 s.
Sound MakeCaughtSound();
