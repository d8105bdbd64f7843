// Tests of the forge's own machinery: the blend formulas its previews rely on, the checks that
// stop a faulty picture, and how drawn pixels are finished for each load mode.
#include <gtest/gtest.h>

#include <set>

#include "canvas.h"
#include "catalogue.h"
#include "checks.h"
#include "compose.h"
#include "paint.h"

namespace {
Pixels Solid(int w, int h, Rgba c) {
  Pixels p;
  p.width = w;
  p.height = h;
  p.px.assign(static_cast<size_t>(w) * h, c);
  return p;
}

struct BlendCase {
  const char* what;
  Blend blend;
  int loadMode;
  Rgba src;
  int alpha;
  float dst;
  float expected;
};

TEST(PreviewBlend, FollowsTheGameFormulas) {
  const BlendCase cases[] = {
      {"normal, own alpha half", kBlendNormal, 12, {255, 255, 255, 128}, 255, 0.2f, 0.2f + (1 - 0.2f) * (128 / 255.0f)},
      {"normal, vertex alpha 100", kBlendNormal, 4, {255, 255, 255, 0}, 100, 0.0f, 100 / 255.0f},
      {"mode 4 pure black is a hole", kBlendNormal, 4, {0, 0, 0, 255}, 255, 0.6f, 0.6f},
      {"multiply ignores alpha", kBlendMultiply, 12, {128, 128, 128, 0}, 255, 0.5f, 0.5f * 128 / 255.0f},
      {"multiply by black darkens fully", kBlendMultiply, 4, {0, 0, 0, 255}, 255, 0.7f, 0.0f},
      {"source plus destination squared", kBlendSquare, 4, {51, 51, 51, 255}, 128, 0.5f, 0.2f + 0.25f},
      {"square clamps at white", kBlendSquare, 4, {204, 204, 204, 255}, 255, 0.9f, 1.0f},
      {"glow adds light times alpha", kBlendGlow, 12, {255, 255, 255, 255}, 51, 0.3f, 0.3f + 0.2f},
      {"glow of black adds nothing", kBlendGlow, 4, {0, 0, 0, 255}, 255, 0.3f, 0.3f},
  };
  for (const BlendCase& c : cases) {
    Frame f = NewFrame(1, 1, c.dst, c.dst, c.dst);
    Put(f, Solid(1, 1, c.src), c.loadMode, 0, 0, 1, 1, c.blend, c.alpha);
    EXPECT_NEAR(f.rgb[0], c.expected, 0.003f) << c.what;
  }
}

TEST(PreviewBlend, DrawsOnlyInsideTheFrame) {
  Frame f = NewFrame(4, 4, 0, 0, 0);
  Put(f, Solid(4, 4, {255, 255, 255, 255}), 12, 2, -2, 4, 4, kBlendNormal, 255);
  EXPECT_FLOAT_EQ(f.rgb[(0 * 4 + 2) * 3], 1.0f);  // covered: row 0, column 2
  EXPECT_FLOAT_EQ(f.rgb[(2 * 4 + 2) * 3], 0.0f);  // row 2 lies below the shifted picture
  EXPECT_FLOAT_EQ(f.rgb[(0 * 4 + 1) * 3], 0.0f);  // column 1 lies left of it
}

ArtEntry Entry(int w, int h, int mode, Shown shown) { return {"test.png", w, h, mode, shown, nullptr}; }

TEST(PictureChecks, CatchTheFaultsTheGameWouldShow) {
  const Rgba white = {255, 255, 255, 255}, black = {0, 0, 0, 0}, grey = {128, 128, 128, 255};
  Pixels shadowWithHole = Solid(4, 4, white);
  shadowWithHole.at(1, 2) = black;
  Pixels glowLitCorner = Solid(4, 4, black);
  glowLitCorner.at(3, 3) = grey;
  Pixels backgroundWithHole = Solid(1024, 2, grey);
  backgroundWithHole.at(500, 1) = black;
  Pixels softSprite = Solid(4, 4, grey);
  softSprite.at(0, 0).a = 0;
  struct Case {
    const char* what;
    ArtEntry entry;
    Pixels pic;
    bool fit;
  } cases[] = {
      {"wrong size", Entry(4, 5, 12, Shown::Normal), softSprite, false},
      {"multiplied with a black hole", Entry(4, 4, 4, Shown::Multiply), shadowWithHole, false},
      {"multiplied, all white and grey", Entry(4, 4, 4, Shown::Multiply), Solid(4, 4, grey), true},
      {"glow whose corner gives light", Entry(4, 4, 4, Shown::Glow), glowLitCorner, false},
      {"glow on black", Entry(4, 4, 4, Shown::Glow), Solid(4, 4, black), true},
      {"background with a see-through pixel", Entry(1024, 2, 4, Shown::Normal), backgroundWithHole, false},
      {"own-alpha sprite that is opaque everywhere", Entry(4, 4, 12, Shown::Normal), Solid(4, 4, grey), false},
      {"own-alpha sprite with a clear corner", Entry(4, 4, 12, Shown::Normal), softSprite, true},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckPicture(c.entry, c.pic).empty(), c.fit) << c.what;
}

TEST(Finishing, HolesKeepNearBlackOpaqueAndDropThinEdges) {
  Canvas c = NewCanvas(3, 1);
  cairo_set_source_rgba(c.cr, 0, 0, 0, 1.0);  // drawn pure black: must stay visible
  cairo_rectangle(c.cr, 0, 0, 1, 1);
  cairo_fill(c.cr);
  cairo_set_source_rgba(c.cr, 1, 0, 0, 0.25);  // a faint edge: becomes a hole
  cairo_rectangle(c.cr, 1, 0, 1, 1);
  cairo_fill(c.cr);
  cairo_set_source_rgba(c.cr, 0, 0, 1, 0.75);  // mostly covered: full colour, opaque
  cairo_rectangle(c.cr, 2, 0, 1, 1);
  cairo_fill(c.cr);
  const Pixels p = FinishCanvas(c, Finish::Holes);
  FreeCanvas(c);
  EXPECT_FALSE(p.at(0, 0).r == 0 && p.at(0, 0).g == 0 && p.at(0, 0).b == 0);
  EXPECT_EQ(p.at(0, 0).a, 255);
  EXPECT_TRUE(p.at(1, 0).r == 0 && p.at(1, 0).g == 0 && p.at(1, 0).b == 0);
  EXPECT_EQ(p.at(2, 0).b, 255);
  EXPECT_EQ(p.at(2, 0).a, 255);
}

TEST(Shadows, AreWhiteAwayFromTheSpriteAndNeverBlack) {
  Pixels sprite = Solid(40, 40, {0, 0, 0, 0});
  for (int y = 15; y < 25; ++y)
    for (int x = 15; x < 25; ++x) sprite.at(x, y) = {10, 10, 10, 255};
  const Pixels s = ShadowOf(sprite, 2, 0.5);
  EXPECT_EQ(s.at(0, 0).r, 255);
  EXPECT_LT(s.at(20, 20).r, 160);
  EXPECT_GE(s.at(20, 20).r, 127);  // darkness 0.5 never goes below half
}

TEST(Catalogue, NamesAreUniqueAndModesAreTheGames) {
  std::set<std::string> names;
  for (const ArtEntry& e : ArtCatalogue()) {
    EXPECT_TRUE(names.insert(e.file).second) << e.file << " listed twice";
    EXPECT_TRUE(e.loadMode == 4 || e.loadMode == 12) << e.file;
    EXPECT_EQ(e.file.substr(e.file.size() - 4), ".png") << e.file;
  }
  EXPECT_EQ(names.size(), 122u);
}
}  // namespace
