// A small cartoon voice: a pitched buzz and breath noise shaped by vowel formants
// (cascade formant synthesis), plus a hiss for "f" sounds.
#pragma once
#include <cstdint>
#include <vector>

#include "synth.h"

// One point of the voice's course; values between points are interpolated linearly.
struct VoicePoint {
    double time;        // seconds
    double pitch;       // Hz
    double f1, f2, f3;  // formant centres, Hz
    double voiced;      // loudness of the buzz 0..1
    double breath;      // loudness of breath noise through the formants
    double hiss;        // loudness of the lip/teeth hiss ("f")
};

Signal SpeakVoice(const std::vector<VoicePoint>& course, std::uint32_t seed);
