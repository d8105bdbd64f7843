// Game 1's set-up (layouts and gem places over many seeds) and its drawing order.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/catalogue.h"
#include "app/random.h"
#include "app/reset.h"
#include "games/jumper.h"
#include "platform/fake/fake_platform.h"
#include "quiz/judgement.h"
#include "render/blend.h"
#include "render/mirror.h"

namespace {

class JumperSetUp : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        ResetJumper();
        Bg1Quad = FakeCreateQuad(1024, 768);
        PlatQuad = FakeCreateQuad(200, 128);
        VinesQuad = FakeCreateQuad(140, 140);
        for (int k = 1; k <= 4; ++k) GemQuad[k] = FakeCreateQuad(64, 64);
        for (int i = 1; i <= 4; ++i) BatQuad[i] = FakeCreateQuad(80, 80);
        for (int i = 1; i <= 9; ++i) ZombieQuad[i] = FakeCreateQuad(110, 110);
        for (int i = 0; i <= 7; ++i) WalkQuad[i] = FakeCreateQuad(160, 160);
        DeadQuad = FakeCreateQuad(160, 160);
    }
};

// The column that holds a platform gem, or 0 when x is no platform gem's place.
int GemColumn(int gemX) {
    for (int m = 1; m <= 6; ++m) {
        int x = JumperColumnLeft(m) + 68;
        if (m == 1) x += 50;
        if (m == 6) x -= 50;
        if (x == gemX) return m;
    }
    return 0;
}

TEST_F(JumperSetUp, LayoutsAndGemPlacesHoldTheirRulesOverManySeeds) {
    int rowsWithThreeGaps = 0, groundGemsLeft = 0, groundGemsRight = 0, scenesWithTwoGemsOnOneSide = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE(seed);
        SeedRandom(seed);
        JumperEnter();
        for (int row = 1; row <= 2; ++row) {
            int gaps = 0;
            for (int m = 1; m <= 6; ++m) {
                ASSERT_TRUE(PlatformLayout[row][m] == 0 || PlatformLayout[row][m] == 1);
                gaps += PlatformLayout[row][m];
                if (m > 1) {
                    ASSERT_FALSE(PlatformLayout[row][m] == 1 && PlatformLayout[row][m - 1] == 1) << "row " << row;
                }
            }
            if (gaps == 3) ++rowsWithThreeGaps;
        }
        std::vector<int> ground;
        bool cellTaken[3][7] = {};
        for (int k = 1; k <= 4; ++k) {
            if (GemY[k] == 455) {
                ASSERT_GE(GemX[k], 50);
                ASSERT_LE(GemX[k], 1024 - 50);
                ASSERT_TRUE(GemX[k] <= 512 - 180 || GemX[k] >= 512 + 180) << "gem " << k << " at " << GemX[k];
                for (int other : ground) ASSERT_GE(std::abs(GemX[k] - other), 100) << "gem " << k;
                ground.push_back(GemX[k]);
                (GemX[k] < 512 ? groundGemsLeft : groundGemsRight)++;
                continue;
            }
            ASSERT_TRUE(GemY[k] == 115 || GemY[k] == 285) << "gem " << k << " at height " << GemY[k];
            const int row = GemY[k] == 115 ? 2 : 1;
            const int m = GemColumn(GemX[k]);
            ASSERT_NE(m, 0) << "gem " << k << " at " << GemX[k];
            ASSERT_EQ(PlatformLayout[row][m], 0) << "gem " << k << " over a gap";
            ASSERT_FALSE(cellTaken[row][m]) << "two gems on one platform";
            cellTaken[row][m] = true;
        }
        int left = 0;
        for (int x : ground) left += x < 512;
        if (left >= 2 || static_cast<int>(ground.size()) - left >= 2) ++scenesWithTwoGemsOnOneSide;
    }
    EXPECT_GT(rowsWithThreeGaps, 0) << "gaps at 1, 3, 5 or 2, 4, 6 must be possible";
    EXPECT_GT(groundGemsLeft, 0);
    EXPECT_GT(groundGemsRight, 0);
    EXPECT_GT(scenesWithTwoGemsOnOneSide, 0) << "the 100-pixel rule must have been put to work";
}

TEST_F(JumperSetUp, StartsTheKidAndCreaturesAfreshButKeepsAnimationClocks) {
    PlayerX = 100;
    PlayerY = 208;
    PlayerVY = 3;
    PlayerFacing = 1;
    PlayerSprite = WalkQuad[4];
    PlayerFrame = 4;
    PlayerFrameTimer = 2.5f;
    ZombieX = 10;
    ZombieGoingRight = 1;
    ZombieFrame = 7;
    ZombieFrameTimer = 3.5f;
    BatGoingRight = 1;
    BatFrame = 3;
    BatFrameTimer = 1.5f;
    for (int i = 1; i <= 4; ++i) MirrorQuad(BatQuad[i], 80, 1);
    for (int i = 1; i <= 9; ++i) MirrorQuad(ZombieQuad[i], 110, 1);

    SeedRandom(7);
    JumperEnter();

    EXPECT_FLOAT_EQ(PlayerX, 512);
    EXPECT_FLOAT_EQ(PlayerY, 548);
    EXPECT_FLOAT_EQ(PlayerVY, 0);
    EXPECT_EQ(PlayerFacing, 0);
    EXPECT_FLOAT_EQ(ZombieX, 1024 + 80);
    EXPECT_EQ(ZombieGoingRight, 0);
    EXPECT_EQ(ZombieFrame, 1);
    EXPECT_EQ(BatGoingRight, 0);
    EXPECT_EQ(BatFrame, 1);
    EXPECT_GE(BatX, 0);
    EXPECT_LE(BatX, 1024);
    // Kept from the last scene.
    EXPECT_EQ(PlayerSprite, WalkQuad[4]);
    EXPECT_EQ(PlayerFrame, 4);
    EXPECT_FLOAT_EQ(PlayerFrameTimer, 2.5f);
    EXPECT_FLOAT_EQ(ZombieFrameTimer, 3.5f);
    EXPECT_FLOAT_EQ(BatFrameTimer, 1.5f);
    // Both creatures face left again, unmirrored, at their sizes.
    auto expectFacingLeft = [](int quad, float size) {
        QuadCorner c[4];
        FakeQuadCorners(quad, c);
        EXPECT_FLOAT_EQ(c[0].x, 0);
        EXPECT_FLOAT_EQ(c[1].x, size);
        EXPECT_FLOAT_EQ(c[2].y, size);
    };
    for (int i = 1; i <= 4; ++i) expectFacingLeft(BatQuad[i], 80);
    for (int i = 1; i <= 9; ++i) expectFacingLeft(ZombieQuad[i], 110);
}

TEST_F(JumperSetUp, SceneIsDrawnBackToFront) {
    const int middle[7] = {0, 1, 0, 1, 0, 0, 0};
    const int top[7] = {0, 0, 1, 0, 1, 0, 1};
    for (int m = 1; m <= 6; ++m) {
        PlatformLayout[1][m] = middle[m];
        PlatformLayout[2][m] = top[m];
    }
    const int gemX[5] = {0, 168, 368, -80, 800};
    const int gemY[5] = {0, 285, 115, -80, 455};
    for (int k = 1; k <= 4; ++k) {
        GemX[k] = gemX[k];
        GemY[k] = gemY[k];
    }
    ZombieX = 100.5f;
    ZombieFrame = 3;
    BatX = 42.5f;
    BatFrame = 2;
    PlayerX = 300.5f;
    PlayerY = 400.5f;
    PlayerFacing = 1;
    PlayerSprite = WalkQuad[3];
    QuestionForfeited = 0;
    SetBlend(3);   // whatever the screen before left behind
    FakeDraws().clear();

    JumperDraw();

    struct Expected {
        int quad, x, y;
    };
    const std::vector<Expected> expected = {
        {Bg1Quad, 0, 0},
        {PlatQuad, -100, 540}, {PlatQuad, -100, 200},
        {PlatQuad, 100, 540}, {VinesQuad, 100, 369}, {PlatQuad, 100, 370},
        {PlatQuad, 300, 540}, {VinesQuad, 300, 199}, {PlatQuad, 300, 200},
        {PlatQuad, 500, 540}, {VinesQuad, 500, 369}, {PlatQuad, 500, 370},
        {PlatQuad, 700, 540}, {PlatQuad, 700, 370}, {VinesQuad, 700, 199}, {PlatQuad, 700, 200},
        {PlatQuad, 900, 540}, {PlatQuad, 900, 370},
        {GemQuad[1], 168, 285}, {GemQuad[2], 368, 115}, {GemQuad[3], -80, -80}, {GemQuad[4], 800, 455},
        {ZombieQuad[3], 46, 433},    // 45.5 rounds to even
        {BatQuad[2], 2, 255},        // 2.5 rounds to even
        {WalkQuad[3], 226, 242},     // 225.5 and 242.5 round to even
    };
    const std::vector<RecordedDraw> draws = FakeQuadDraws();
    ASSERT_EQ(draws.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(draws[i].quad, expected[i].quad);
        EXPECT_EQ(draws[i].x, expected[i].x);
        EXPECT_EQ(draws[i].y, expected[i].y);
        EXPECT_EQ(draws[i].alpha, 255);
        EXPECT_EQ(draws[i].source, BlendFactor::SourceAlpha);
        EXPECT_EQ(draws[i].dest, BlendFactor::OneMinusSourceAlpha);
    }
    // Facing left: the kid's picture is mirrored at 160 pixels.
    QuadCorner c[4];
    FakeQuadCorners(WalkQuad[3], c);
    EXPECT_FLOAT_EQ(c[0].x, 160);
    EXPECT_FLOAT_EQ(c[1].x, 0);
    EXPECT_FLOAT_EQ(c[2].y, 160);
}

TEST_F(JumperSetUp, FallenKidIsDrawnWithTheDeadPicture) {
    PlayerSprite = WalkQuad[1];
    PlayerFacing = 0;
    PlayerX = 512;
    PlayerY = 300;
    QuestionForfeited = 1;
    JumperDraw();
    const RecordedDraw kid = FakeQuadDraws().back();
    EXPECT_EQ(kid.quad, DeadQuad);
    EXPECT_EQ(kid.x, 437);
    EXPECT_EQ(kid.y, 142);
    EXPECT_EQ(PlayerSprite, DeadQuad);
    QuadCorner c[4];
    FakeQuadCorners(DeadQuad, c);
    EXPECT_FLOAT_EQ(c[0].x, 0);
    EXPECT_FLOAT_EQ(c[1].x, 160);
}

}  // namespace
