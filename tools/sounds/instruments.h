// The band that plays the background tune. Each call renders one note, tail included.
#pragma once
#include <cstdint>
#include <vector>

#include "synth.h"

Signal PlayLead(int midi, double seconds);       // a bright, soft-edged square lead with vibrato
Signal PlayGlock(int midi);                      // a glockenspiel strike
Signal PlayBass(int midi, double seconds);       // a round, plucked bass
Signal PlayStab(int midi, double seconds);       // a short, bright chord tone
Signal PlayPad(int midi, double seconds);        // a slow, warm held chord tone
Signal PlayMusicBox(int midi);                   // a small plucked comb
Signal PlayKick();
Signal PlaySnare(std::uint32_t seed);
Signal PlayHat(std::uint32_t seed, bool open);
