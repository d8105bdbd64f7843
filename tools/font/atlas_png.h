// Encodes the atlas as an 8-bit RGBA PNG in memory, with no time stamp so the bytes never vary.
#pragma once
#include <vector>

bool EncodeRgbaPng(int width, int height, const std::vector<unsigned char>& rgba, std::vector<unsigned char>& png);
