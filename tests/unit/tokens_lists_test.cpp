// The per-screen object lists: tokens of games 2 and 4, laser bolts and ripples.
#include "quiz_test_support.h"

#include "games/ripples.h"
#include "games/shots.h"
#include "games/tokens.h"

namespace {

using Lists = QuizTest;

TEST_F(Lists, TokensHeadForTheCentre) {
    struct Case {
        int kind;
        float size, x, y;
        int sprite;
        float wantSize;
        bool vxPositive, vyPositive;
    };
    const Case cases[] = {
        {2, 120, 300, 500, GemQuad[2], 64, true, false},
        {0, 100, 512, 384, RockQuad, 100, true, true},   // only beyond the centre flips a speed
        {4, 64, 513, 100, GemQuad[4], 64, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        ResetTokens();
        AddToken(c.kind, c.size, c.x, c.y);
        ASSERT_EQ(TokenCount, 1);
        const Token& t = Tokens[1];
        EXPECT_EQ(t.Kind, c.kind);
        EXPECT_EQ(t.Sprite, c.sprite);
        EXPECT_EQ(t.Size, c.wantSize);
        EXPECT_EQ(t.X, c.x);
        EXPECT_EQ(t.Y, c.y);
        EXPECT_EQ(t.VX > 0, c.vxPositive);
        EXPECT_EQ(t.VY > 0, c.vyPositive);
        EXPECT_GE(std::fabs(t.VX), 0.025f - 1e-6f);
        EXPECT_LE(std::fabs(t.VX), 2.525f + 1e-6f);
        EXPECT_GE(t.Spin, -5);
        EXPECT_LE(t.Spin, 5);
    }
}

TEST_F(Lists, TokenListGrowsKeepingItsOrder) {
    EXPECT_EQ(TokenCount, 0);
    EXPECT_EQ(Tokens.size(), 3u);
    for (int i = 1; i <= 11; ++i) AddToken(0, static_cast<float>(i), 10.0f * i, 10);
    ASSERT_EQ(TokenCount, 11);
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(Tokens[i].Size, i);
    EXPECT_EQ(Tokens[0].Sprite, 0) << "element 0 is never used";
    ResetTokens();
    EXPECT_EQ(TokenCount, 0);
    EXPECT_EQ(Tokens.size(), 3u);
}

TEST_F(Lists, SpacedTokenKeepsAwayFromTheOthers) {
    AddSpacedToken(3, 200, 150);
    EXPECT_EQ(Tokens[1].X, 200) << "an empty list leaves the place as asked";
    EXPECT_EQ(Tokens[1].Y, 150);
    EXPECT_EQ(Tokens[1].Sprite, GemQuad[3]);

    // Right on the first token: neither of its coordinates lies beyond, so it moves right and
    // down, 25 a pass, until it is 100 away on x (four passes).
    AddSpacedToken(0, 200, 150);
    EXPECT_EQ(Tokens[2].X, 300);
    EXPECT_EQ(Tokens[2].Y, 250);
    EXPECT_EQ(Tokens[2].Sprite, GemQuad[0]) << "kind 0 is the bomb";
    EXPECT_EQ(Tokens[2].Size, 0);
    EXPECT_GE(std::fabs(Tokens[2].VX), 0.075f - 1e-6f);
    EXPECT_LE(std::fabs(Tokens[2].VX), 2.575f + 1e-6f);

    AddSpacedToken(1, 180, 140);   // left of and above the first: pushed away up and left
    EXPECT_EQ(Tokens[3].X, 80);
    EXPECT_EQ(Tokens[3].Y, 40);
}

TEST_F(Lists, ShotsAreKeptInOrderAndEachOneSoundsTheLaser) {
    AddShot(512, 320, 0);
    AddShot(512, 320, 45);
    AddShot(512, 320, -90);
    ASSERT_EQ(ShotCount, 3);
    EXPECT_EQ(Shots[1].Angle, 0);
    EXPECT_EQ(Shots[3].Angle, -90);
    EXPECT_EQ(Shots[2].X, 512);
    const std::vector<RecordedSound> plays = PlaysOf(LaserSound);
    ASSERT_EQ(plays.size(), 3u);
    EXPECT_EQ(plays[0].volume, 10);
    EnterScreen(0);
    EXPECT_EQ(ShotCount, 0);
}

TEST_F(Lists, RipplesStartNearTheirPointByKind) {
    AddRipple(300, 200, 70, 70, 1.0f, RandomRippleAngle, -3, 0);
    AddRipple(400, 250, 65, 92, 1.2f, 33, 0, 1);
    ASSERT_EQ(RippleCount, 2);
    const Ripple& ring = Ripples[1];
    EXPECT_GE(ring.X, 296);
    EXPECT_LE(ring.X, 304);
    EXPECT_GE(ring.Angle, 0);
    EXPECT_LE(ring.Angle, 360);
    EXPECT_EQ(ring.Alpha, 255);
    EXPECT_EQ(ring.Spin, -3);
    const Ripple& wake = Ripples[2];
    EXPECT_EQ(wake.Alpha, 220);
    EXPECT_EQ(wake.Angle, 33);
    EXPECT_EQ(wake.Width, 65);
    EXPECT_EQ(wake.Height, 92);
    EXPECT_FLOAT_EQ(wake.Growth, 1.2f);
    EXPECT_EQ(wake.FadeMode, 1);
    EnterScreen(0);
    EXPECT_EQ(RippleCount, 0);
}

}  // namespace
