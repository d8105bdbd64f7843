// A software copy of the game's drawing: pictures put onto a 1024 x 768 frame with the game's
// four blend formulas, so the review pages show layered scenes as the player will see them.
#pragma once
#include <string>
#include <vector>

#include "png_out.h"

enum Blend { kBlendNormal = 0, kBlendMultiply = 1, kBlendSquare = 2, kBlendGlow = 3 };

struct Frame {
  int width = 0;
  int height = 0;
  std::vector<float> rgb;  // 0..1 per channel
};

Frame NewFrame(int width, int height, float r = 0, float g = 0, float b = 0);

// Draws `pic` with its top-left corner at (x, y), stretched to w x h (bilinear), loaded the way
// the game loads it (mode 4: pure black is a hole; mode 12: own alpha), at alpha 0..255.
//   normal:   src * a + dst * (1 - a)
//   multiply: dst * src               (alpha ignored)
//   square:   src + dst * dst         (alpha ignored)
//   glow:     src * a + dst           (the back buffer's alpha is always 1)
void Put(Frame& f, const Pixels& pic, int loadMode, int x, int y, int w, int h, Blend blend, int alpha = 255);
inline void Put(Frame& f, const Pixels& pic, int loadMode, int x, int y, Blend blend = kBlendNormal) {
  Put(f, pic, loadMode, x, y, pic.width, pic.height, blend, 255);
}

// Writes text in Liberation Sans over the frame (the game uses its own bitmap font of the same
// face; this is close enough to judge the layout).
void PutText(Frame& f, const std::string& text, double x, double top, double size, uint32_t rgb);

Pixels FrameToPixels(const Frame& f);
