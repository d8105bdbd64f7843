// Sets each sound's level so the mix works at the volumes the game plays it at.
// A sound played at volume v is heard v/100 as loud in amplitude, so a sound the game plays
// quietly (the jump at 8, the laser at 10) is stored hotter than one it plays at 40 or 50.
#pragma once
#include <string>

#include "synth.h"

struct Mastered {
    float gain;          // applied to the signal
    float peak;          // after the gain, 0..1
    float loudness;      // short-term RMS after the gain, 0..1
    bool peakLimited;    // the target needed more level than the headroom allows
};

// Scales `s` so that at game volume `volume` its loudest 50 ms reach `heardDb` (dB below full scale),
// never letting the peak pass -0.3 dB.
Mastered MasterForVolume(Signal& s, int volume, double heardDb);

double ToDb(double amplitude);
