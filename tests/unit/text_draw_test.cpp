#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "app/reset.h"
#include "platform/fake/fake_platform.h"
#include "render/font.h"
#include "render/text.h"
#include "unit/text_test_support.h"

namespace {

class TextDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        font = LoadTextFixtureFont();
        ASSERT_NE(font, nullptr);
    }
    void TearDown() override { ResetGameState(); }
    BitmapFont* font = nullptr;
};

// The four recorded corners, clockwise from the top-left.
void ExpectCorners(const RecordedDraw& d, float left, float top, float right, float bottom) {
    EXPECT_FLOAT_EQ(d.points[0].x, left);
    EXPECT_FLOAT_EQ(d.points[0].y, top);
    EXPECT_FLOAT_EQ(d.points[1].x, right);
    EXPECT_FLOAT_EQ(d.points[1].y, top);
    EXPECT_FLOAT_EQ(d.points[2].x, right);
    EXPECT_FLOAT_EQ(d.points[2].y, bottom);
    EXPECT_FLOAT_EQ(d.points[3].x, left);
    EXPECT_FLOAT_EQ(d.points[3].y, bottom);
}

TEST_F(TextDrawing, EachGlyphIsOneAtlasRegionPlacedFromThePen) {
    DrawText(MainFont, 100, 50, "ab", -1, -1, -1, -1);
    std::vector<RecordedDraw> draws = FakeQuadDraws();
    ASSERT_EQ(draws.size(), 2u);
    // The pen starts half a pixel up and left; glyphs sit 1 right of and 2 below it.
    ExpectCorners(draws[0], 100.5f, 51.5f, 108.5f, 67.5f);
    ExpectCorners(draws[1], 110.5f, 51.5f, 118.5f, 67.5f);
    const GlyphEntry& b = Glyph(font, 'b');
    EXPECT_EQ(draws[1].quad, font->AtlasQuad);
    EXPECT_EQ(draws[1].u0, b.U0);
    EXPECT_EQ(draws[1].v0, b.V0);
    EXPECT_EQ(draws[1].u1, b.U1);
    EXPECT_EQ(draws[1].v1, b.V1);
}

TEST_F(TextDrawing, ScaleMultipliesSizesAndAdvances) {
    struct Case {
        float scale, effective;
    };
    for (Case c : {Case{2.0f, 2.0f}, Case{0.0f, 0.0f}, Case{0.5f, 0.5f}, Case{-1.0f, 1.0f}, Case{FontDefault, 1.0f}}) {
        SCOPED_TRACE(c.scale);
        FakeDraws().clear();
        DrawText(MainFont, 100, 50, "ab", -1, -1, c.scale, FontDefault);
        std::vector<RecordedDraw> draws = FakeQuadDraws();
        ASSERT_EQ(draws.size(), 2u);
        float s = c.effective;
        float left = 99.5f + s * LetterAdvance + s * 1;
        ExpectCorners(draws[1], left, 49.5f + s * 2, left + s * LetterWidth, 49.5f + s * (2 + LetterHeight));
    }
}

TEST_F(TextDrawing, ColourBecomesTheTintWithRedOnTop) {
    struct Case {
        int colour;
        unsigned tint;
    };
    for (Case c : {Case{-1, 0xFFFFFF}, Case{0x0000FF, 0xFF0000}, Case{0x00FF00, 0x00FF00}, Case{0xFF0000, 0x0000FF},
                   Case{0x123456, 0x563412}, Case{0, 0}}) {
        SCOPED_TRACE(c.colour);
        FakeDraws().clear();
        DrawText(MainFont, 0, 0, "a", 200, c.colour, 1, 0);
        ASSERT_EQ(FakeQuadDraws().size(), 1u);
        EXPECT_EQ(FakeQuadDraws()[0].tint, c.tint);
        EXPECT_EQ(FakeQuadDraws()[0].alpha, 200);
    }
}

TEST_F(TextDrawing, NegativeAlphaIsOpaqueAndZeroStaysZero) {
    for (auto [alpha, expected] : {std::pair{-1, 255}, std::pair{0, 0}, std::pair{128, 128}}) {
        FakeDraws().clear();
        DrawText(MainFont, 0, 0, "a", alpha, -1, -1, -1);
        ASSERT_EQ(FakeQuadDraws().size(), 1u);
        EXPECT_EQ(FakeQuadDraws()[0].alpha, expected) << alpha;
    }
}

TEST_F(TextDrawing, SlantShearsAboutTheBaseline) {
    DrawText(MainFont, 100, 50, "a", -1, -1, 2.0f, 30.0f);
    std::vector<RecordedDraw> draws = FakeQuadDraws();
    ASSERT_EQ(draws.size(), 1u);
    const RecordedDraw& d = draws[0];
    const float k = std::tan(30.0f * 3.14159265f / 180.0f), s = 2.0f, px = 99.5f, py = 49.5f;
    EXPECT_NEAR(d.points[0].x, px + s * (1 + k * LetterRise), 1e-3);
    EXPECT_NEAR(d.points[3].x, px + s * (1 + k * (LetterRise - LetterHeight)), 1e-3);
    EXPECT_NEAR(d.points[1].x - d.points[0].x, s * LetterWidth, 1e-3);
    EXPECT_NEAR(d.points[2].x - d.points[3].x, s * LetterWidth, 1e-3);
    EXPECT_FLOAT_EQ(d.points[0].y, py + s * 2);
    EXPECT_FLOAT_EQ(d.points[3].y, py + s * (2 + LetterHeight));
    // The left edge crosses the baseline (Rise below the top) exactly where an upright glyph's would.
    float t = static_cast<float>(LetterRise) / LetterHeight;
    EXPECT_NEAR(d.points[0].x + t * (d.points[3].x - d.points[0].x), px + s * 1, 1e-3);
}

TEST_F(TextDrawing, NegativeOffsetsStartLeftOfAndAboveThePen) {
    DrawText(MainFont, 100, 50, "~", -1, -1, -1, -1);
    ASSERT_EQ(FakeQuadDraws().size(), 1u);
    ExpectCorners(FakeQuadDraws()[0], 96.5f, 44.5f, 100.5f, 47.5f);
}

TEST_F(TextDrawing, UndefinedCodesAreSkippedAndSemicolonIsAGlyph) {
    DrawText(MainFont, 100, 50, std::string("a\t;\x81") + "b", -1, -1, -1, -1);
    std::vector<DrawnGlyph> drawn = DrawnGlyphs();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].code, ';');
    EXPECT_FLOAT_EQ(drawn[1].penX, 109.5f);
    EXPECT_EQ(drawn[2].code, 'b');
    EXPECT_FLOAT_EQ(drawn[2].penX, 113.5f);
}

TEST_F(TextDrawing, EmptyGlyphMovesThePenAndDrawsAnEmptyQuad) {
    DrawText(MainFont, 100, 50, "a b", -1, -1, -1, -1);
    std::vector<RecordedDraw> draws = FakeQuadDraws();
    ASSERT_EQ(draws.size(), 3u);
    ExpectCorners(draws[1], 110.5f, 51.5f, 110.5f, 51.5f);
    EXPECT_FLOAT_EQ(draws[2].points[0].x, 115.5f);
}

TEST_F(TextDrawing, TextEndsAtCodeZero) {
    const std::string text("ab\0cd", 5);
    DrawText(MainFont, 0, 0, text, -1, -1, -1, -1);
    EXPECT_EQ(FakeQuadDraws().size(), 2u);
    EXPECT_EQ(TextWidth(MainFont, text, 1), 20);
}

TEST_F(TextDrawing, WithoutAFontNothingIsDrawnOrMeasured) {
    const int none = 5;
    DrawText(none, 0, 0, "abc", -1, -1, -1, -1);
    EXPECT_EQ(DrawTextWrapped(none, 0, 0, "aaaa bbbb", 10, -1, -1, -1, -1), "aaaa bbbb");
    EXPECT_TRUE(FakeQuadDraws().empty());
    EXPECT_EQ(TextWidth(none, "abc", 1), 0);
    EXPECT_EQ(TextHeight(none, "abc", 1), 0);
}

TEST_F(TextDrawing, TextWidthSumsAdvancesAndRoundsHalvesToEven) {
    struct Case {
        const char* text;
        float scale;
        int width;
    };
    for (Case c : {Case{"", 1, 0}, Case{"ab", 1, 20}, Case{"a b", 1, 25}, Case{"a\tb", 1, 20}, Case{"ab", FontDefault, 20},
                   Case{"ab", 2, 40}, Case{"ab", -2, -40}, Case{"ab", -1, -20}, Case{"a", 0.25f, 2},
                   Case{"a;", 0.25f, 4}, Case{"ab", 0, 0}}) {
        SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.scale));
        EXPECT_EQ(TextWidth(MainFont, c.text, c.scale), c.width);
    }
}

TEST_F(TextDrawing, TextHeightIsTheLargestRiseAndNeverBelowZero) {
    struct Case {
        const char* text;
        float scale;
        int height;
    };
    for (Case c : {Case{"", 1, 0}, Case{"ab", 1, 14}, Case{" ", 1, 0}, Case{";", 1, 10}, Case{"a;", 1, 14},
                   Case{"ab", 2, 28}, Case{"ab", FontDefault, 14}, Case{"ab", -2, 0}, Case{"~", 1, 0},
                   Case{"\t", 1, 0}, Case{";", 0.25f, 2}}) {
        SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.scale));
        EXPECT_EQ(TextHeight(MainFont, c.text, c.scale), c.height);
    }
}

TEST_F(TextDrawing, AbsurdScalesMeasureWithoutOverflow) {
    EXPECT_EQ(TextWidth(MainFont, "ab", 1e30f), INT_MAX);
    EXPECT_EQ(TextWidth(MainFont, "ab", -1e30f), INT_MIN);
    EXPECT_EQ(TextWidth(MainFont, "ab", NAN), 0);
}

}  // namespace
