// Encodes a stereo loop as an Ogg Vorbis file, the format the game streams its music from.
#pragma once
#include <string>

#include "music.h"

// Deterministic: a fixed stream serial number and no time stamps, so every build writes the same bytes.
bool WriteOggVorbis(const std::string& path, const StereoLoop& music, float quality);
