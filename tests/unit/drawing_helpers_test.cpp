// Blend modes, mirrored quads and the pointer sprite, on the recording platform.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "app/reset.h"
#include "platform/fake/fake_platform.h"
#include "platform/input.h"
#include "render/blend.h"
#include "render/mirror.h"
#include "render/pointer.h"

namespace {

class DrawingHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        CapturePointer();
    }
    static int BlendCalls() {
        int n = 0;
        for (const RecordedDraw& d : FakeDraws()) n += d.kind == RecordedDraw::Blend;
        return n;
    }
};

TEST_F(DrawingHelpers, SetBlendReachesThePlatformOnlyWhenTheModeChanges) {
    SetBlend(2);
    SetBlend(2);
    EXPECT_EQ(BlendCalls(), 1);
    SetBlend(0);
    SetBlend(7);   // compared by number: same factors as 0, still applied
    EXPECT_EQ(BlendCalls(), 3);
    EXPECT_EQ(CurrentBlend, 7);
    EXPECT_EQ(FakeDraws().back().source, BlendFactor::SourceAlpha);
    EXPECT_EQ(FakeDraws().back().dest, BlendFactor::OneMinusSourceAlpha);
}

TEST_F(DrawingHelpers, EachModeHasItsFactors) {
    struct Case {
        int mode;
        BlendFactor source, dest;
    };
    const Case cases[] = {{1, BlendFactor::Zero, BlendFactor::SourceColour},
                          {2, BlendFactor::One, BlendFactor::DestColour},
                          {3, BlendFactor::SourceAlpha, BlendFactor::DestAlpha},
                          {0, BlendFactor::SourceAlpha, BlendFactor::OneMinusSourceAlpha}};
    for (const Case& c : cases) {
        SetBlend(c.mode);
        EXPECT_EQ(FakeDraws().back().source, c.source) << c.mode;
        EXPECT_EQ(FakeDraws().back().dest, c.dest) << c.mode;
    }
}

TEST_F(DrawingHelpers, MirrorModesPlaceTheTextureCorners) {
    const int quad = FakeCreateQuad(64, 64);
    // where the texture's top-left, top-right, bottom-right and bottom-left corners land
    const float expected[4][4][2] = {
        {{0, 0}, {80, 0}, {80, 80}, {0, 80}},
        {{80, 0}, {0, 0}, {0, 80}, {80, 80}},
        {{0, 80}, {80, 80}, {80, 0}, {0, 0}},
        {{80, 80}, {0, 80}, {0, 0}, {80, 0}},
    };
    for (int mode = 0; mode < 4; ++mode) {
        MirrorQuad(quad, 80, mode);
        QuadCorner c[4];
        FakeQuadCorners(quad, c);
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(c[i].x, expected[mode][i][0]) << mode << " corner " << i;
            EXPECT_FLOAT_EQ(c[i].y, expected[mode][i][1]) << mode << " corner " << i;
        }
    }
}

TEST_F(DrawingHelpers, UnknownMirrorModeLeavesTheQuadAlone) {
    const int quad = FakeCreateQuad(64, 64);
    MirrorQuad(quad, 80, 4);
    EXPECT_FALSE(FakeQuadShaped(quad));
    MirrorQuad(quad, 80, 1);
    SizeQuad(quad, 30, 30);   // a later size drops the shape
    EXPECT_FALSE(FakeQuadShaped(quad));
}

TEST_F(DrawingHelpers, PointerSpriteRemembersExactlyOneEarlierPointer) {
    const int glove = FakeCreateQuad(80, 80), wand = FakeCreateQuad(128, 128);
    SetPointerSprite(glove, 0, -28, -16);
    SetPointerSprite(wand, 0, -38, -16);
    RestorePointerSprite();
    EXPECT_EQ(CurrentPointer.PointerQuad, glove);
    RestorePointerSprite();
    EXPECT_EQ(CurrentPointer.PointerQuad, 0) << "the saved record was cleared";
}

TEST_F(DrawingHelpers, NewPointerPictureCentresThePointerButNoPictureDoesNot) {
    PlacePointer(5, 6);
    SetPointerSprite(0, 0, 0, 0);
    EXPECT_EQ(FakePointerX(), 5);
    SetPointerSprite(FakeCreateQuad(80, 80), 0, -28, -16);
    EXPECT_EQ(FakePointerX(), 512);
    EXPECT_EQ(FakePointerY(), 384);
}

TEST_F(DrawingHelpers, PointerIsDrawnWithItsShadowMultipliedBelowRight) {
    const int glove = FakeCreateQuad(80, 80), shadow = FakeCreateQuad(80, 80);
    SetPointerSprite(glove, shadow, -28, -16);
    PointerX = 300;
    PointerY = 200;
    FakeDraws().clear();
    DrawPointer();
    const auto draws = FakeQuadDraws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].quad, shadow);
    EXPECT_EQ(draws[0].x, 278);
    EXPECT_EQ(draws[0].y, 190);
    EXPECT_EQ(draws[0].source, BlendFactor::Zero);
    EXPECT_EQ(draws[1].quad, glove);
    EXPECT_EQ(draws[1].x, 272);
    EXPECT_EQ(draws[1].y, 184);
    EXPECT_EQ(CurrentBlend, 0);
}

TEST_F(DrawingHelpers, PointerWithoutShadowLeavesTheBlendAlone) {
    SetBlend(3);
    SetPointerSprite(FakeCreateQuad(80, 80), 0, 0, 0);
    FakeDraws().clear();
    DrawPointer();
    EXPECT_EQ(FakeQuadDraws().size(), 1u);
    EXPECT_EQ(CurrentBlend, 3);
}

}  // namespace
