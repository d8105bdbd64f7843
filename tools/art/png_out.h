// Writing finished pictures as PNG files, byte for byte the same on every run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Straight (not premultiplied) RGBA pixels, rows top to bottom.
struct Rgba {
  uint8_t r, g, b, a;
};

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<Rgba> px;
  Rgba& at(int x, int y) { return px[static_cast<size_t>(y) * width + x]; }
  const Rgba& at(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
};

// withAlpha false writes 24-bit colour (the options window's banner); true writes RGBA.
// Returns false (and says why on stderr) when the file cannot be written.
bool WritePng(const std::string& path, const Pixels& pic, bool withAlpha);
