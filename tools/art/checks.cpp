#include "checks.h"

#include <cstdio>

namespace {
bool PureBlack(const Rgba& p) { return p.r == 0 && p.g == 0 && p.b == 0; }
}  // namespace

std::string CheckPicture(const ArtEntry& e, const Pixels& p) {
  char why[160];
  if (p.width != e.width || p.height != e.height || p.px.size() != static_cast<size_t>(p.width) * p.height) {
    std::snprintf(why, sizeof why, "is %dx%d, the game shows it %dx%d", p.width, p.height, e.width, e.height);
    return why;
  }
  size_t black = 0, opaque = 0;
  for (const Rgba& c : p.px) {
    black += PureBlack(c);
    opaque += c.a == 255;
  }
  if (e.loadMode == 4 && e.shown == Shown::Multiply && black > 0)
    return "is multiplied but has pure black pixels, which would show as black holes";
  // A mode-4 picture that fills the screen must not let the previous frame show through.
  if (e.loadMode == 4 && e.shown == Shown::Normal && e.width >= 1024 && black > 0)
    return "is a full-screen picture with pure black (see-through) pixels";
  // Added light starts from black: a glow picture must be black where it gives no light.
  if (e.shown == Shown::Glow && e.loadMode == 4 && !(PureBlack(p.at(0, 0)) && PureBlack(p.at(p.width - 1, p.height - 1))))
    return "is added onto the screen but its corners are not black";
  if (e.loadMode == 12 && opaque == p.px.size() && e.width < 1024)
    return "is loaded with its own alpha but is opaque everywhere";
  return {};
}
