// Writes 16-bit PCM WAV files, the format the game loads its effects from.
#pragma once
#include <string>

#include "synth.h"

// Mono, 44.1 kHz. Samples are clamped to -1..1 and rounded to 16 bits.
bool WriteWaveFile(const std::string& path, const Signal& samples);
