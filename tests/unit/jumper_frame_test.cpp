// Game 1's per-frame logic: landing, collecting, hazards, jumping, walking and the edges.
// Each test sets the scene by hand and runs frames at FrameFactor 1.
#include <gtest/gtest.h>

#include <cmath>

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/reset.h"
#include "app/sound_control.h"
#include "games/jumper.h"
#include "games/particles.h"
#include "platform/fake/fake_platform.h"
#include "platform/sound.h"
#include "quiz/judgement.h"
#include "quiz/screens.h"

namespace {

class JumperFrame : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        ResetJumper();
        ResetParticles();
        InitSound();
        HupSound = 31;
        Hurt1Sound = 32;
        Hurt2Sound = 33;
        for (int i = 1; i <= 4; ++i) BatQuad[i] = FakeCreateQuad(80, 80);
        for (int i = 1; i <= 9; ++i) ZombieQuad[i] = FakeCreateQuad(110, 110);
        for (int i = 0; i <= 2; ++i) IdleQuad[i] = FakeCreateQuad(160, 160);
        for (int i = 0; i <= 7; ++i) WalkQuad[i] = FakeCreateQuad(160, 160);
        JumpQuad = FakeCreateQuad(160, 160);
        FallQuad = FakeCreateQuad(160, 160);

        CurrentScreen = 1;
        QuestionOpen = 1;
        QuestionForfeited = 0;
        ChosenAnswer = 0;
        CorrectAnswer = 1;
        WrongCount = 0;
        Lives = 3;
        FrameFactor = 1;
        FrameTicks = 1;

        // Every cell a gap, every gem collected, the creatures parked far beyond the right edge.
        for (int row = 1; row <= 2; ++row)
            for (int m = 1; m <= 6; ++m) PlatformLayout[row][m] = 1;
        for (int k = 1; k <= 4; ++k) GemX[k] = GemY[k] = -80;
        PlayerX = 512;
        PlayerY = GroundFeetY;
        PlayerVY = 0;
        ZombieX = BatX = 5000;
    }

    static void Frame(float dx = 0, int click = 0) {
        PointerDeltaX = dx;
        PointerClicked = click;
        JumperUpdate();
    }

    static int PlaysOf(int sound) {
        int n = 0;
        for (const RecordedSound& s : FakeSounds())
            if (s.kind == RecordedSound::Play && s.sound == sound) ++n;
        return n;
    }
};

// One frame from a hand-made state: does the kid come to rest on a platform?
TEST_F(JumperFrame, PlatformsCatchAFallingKidOnlyInsideTheLandingBand) {
    struct Case {
        const char* what;
        int middle, top;   // column 3 (x 300..500): 0 = platform
        float x, y, vy;
        float expectY, expectVY;
    };
    const Case cases[] = {
        {"feet at the middle row, falling", 0, 1, 400, 378, 0.5f, 378, 0},
        {"deepest point of the middle band", 0, 1, 400, 469.9f, 5, 378, 0},
        {"just below the middle band", 0, 1, 400, 470, 5, 475.2f, 5.2f},
        {"just above the middle row", 0, 1, 400, 377, 0.5f, 377.7f, 0.7f},
        {"rising through the middle band", 0, 1, 400, 400, -0.5f, 399.7f, -0.3f},
        {"standing still in the band counts as falling", 0, 1, 400, 420, 0, 378, 0},
        {"on the column's left edge", 0, 1, 300, 400, 1, 401.2f, 1.2f},
        {"just inside the column's right edge", 0, 1, 499.9f, 400, 1, 378, 0},
        {"top row band over a top platform", 1, 0, 400, 250, 2, 208, 0},
        {"top row band where only the middle row stands", 0, 1, 400, 250, 2, 252.2f, 2.2f},
        {"middle band where only the top row stands", 1, 0, 400, 400, 2, 402.2f, 2.2f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlatformLayout[1][3] = c.middle;
        PlatformLayout[2][3] = c.top;
        PlayerX = c.x;
        PlayerY = c.y;
        PlayerVY = c.vy;
        Frame();
        EXPECT_NEAR(PlayerY, c.expectY, 1e-3);
        EXPECT_NEAR(PlayerVY, c.expectVY, 1e-3);
    }
}

TEST_F(JumperFrame, KidJumpsUpThroughAPlatformAndLandsOnItOnTheWayDown) {
    PlatformLayout[1][3] = 0;
    PlayerX = 400;
    Frame(0, 1);
    EXPECT_EQ(PlaysOf(HupSound), 1);
    float highest = PlayerY;
    int frames = 0;
    while (PlayerVY != 0 && frames < 200) {
        const float before = PlayerVY;
        Frame();
        highest = std::min(highest, PlayerY);
        ++frames;
        if (PlayerVY == 0) {
            EXPECT_GE(before, 0) << "caught while still rising";
        }
    }
    EXPECT_LT(highest, MiddleFeetY) << "the kid must have risen through the platform";
    EXPECT_NEAR(highest, 350, 1) << "a jump from the ground rises 198 pixels";
    EXPECT_EQ(PlayerY, MiddleFeetY);
    for (int i = 0; i < 20; ++i) Frame();
    EXPECT_EQ(PlayerY, MiddleFeetY) << "the kid stays on the platform";

    // From the platform the kid can jump again; stepping off it, the kid falls to the ground.
    Frame(0, 1);
    EXPECT_LT(PlayerVY, 0);
    PlayerY = MiddleFeetY;
    PlayerVY = 0;
    for (int i = 0; i < 40 && PlayerY < GroundFeetY; ++i) Frame(1);
    for (int i = 0; i < 60 && PlayerY < GroundFeetY; ++i) Frame();
    Frame();   // the frame after passing the ground line puts the feet on it
    EXPECT_EQ(PlayerY, GroundFeetY);
    EXPECT_GE(PlayerX, 500) << "only off the platform's span does the kid fall";
}

TEST_F(JumperFrame, ClickStartsAJumpOnlyWhenStanding) {
    Frame(0, 1);
    ASSERT_FLOAT_EQ(PlayerVY, -8.8f);   // -9, then this frame's gravity
    Frame();
    Frame(0, 1);   // in the air: no second jump
    EXPECT_FLOAT_EQ(PlayerVY, -8.4f);
    EXPECT_EQ(PlaysOf(HupSound), 1);
    const RecordedSound* hup = nullptr;
    for (const RecordedSound& s : FakeSounds())
        if (s.sound == HupSound) hup = &s;
    ASSERT_NE(hup, nullptr);
    EXPECT_EQ(hup->volume, 8);
}

TEST_F(JumperFrame, GemIsNotTakenWhileRisingThroughItButWhenFallingOntoIt) {
    // The yellow gem sits on a middle platform right above the kid.
    PlatformLayout[1][3] = 0;
    GemX[2] = 368;
    GemY[2] = 285;
    PlayerX = 400;
    Frame(0, 1);
    bool passedThroughRising = false;
    while (PlayerVY < 0) {
        if (PlayerY - 80 > 285 && PlayerY - 80 < 349) passedThroughRising = true;
        Frame();
        EXPECT_EQ(GemX[2], 368) << "taken while rising at y " << PlayerY;
    }
    EXPECT_TRUE(passedThroughRising);
    EXPECT_EQ(ChosenAnswer, 0);
    const int particlesBefore = ParticleCount;
    while (QuestionOpen == 1 && PlayerY < GroundFeetY) Frame();
    EXPECT_EQ(ChosenAnswer, 2);
    EXPECT_GT(PlayerVY, 0) << "taken on the way down, just above the platform";
    EXPECT_EQ(GemX[2], -80);
    EXPECT_EQ(GemY[2], -80);
    ASSERT_EQ(ParticleCount, particlesBefore + 20);
    for (int i = 1; i <= ParticleCount; ++i) {
        EXPECT_EQ(Particles[i].Blend, 3);
        EXPECT_EQ(Particles[i].Gravity, 1);
        EXPECT_FLOAT_EQ(Particles[i].Fade, 4.0f);
        // Spread 8 around the gem's centre (400, 317), before this frame's motion.
        EXPECT_LE(std::abs(Particles[i].X - 400), 8);
        EXPECT_LE(std::abs(Particles[i].Y - 317), 8);
    }
    for (int i = 0; i < 10; ++i) Frame();
    EXPECT_EQ(PlayerY, MiddleFeetY);
}

TEST_F(JumperFrame, GemIsTakenByFallingThroughItOrWalkingIntoIt) {
    // Over a gap the falling kid takes a middle-row gem without landing.
    GemX[3] = 568;
    GemY[3] = 285;
    PlayerX = 600;
    PlayerY = 340;
    PlayerVY = 1;
    for (int i = 0; i < 30 && QuestionOpen == 1; ++i) Frame();
    EXPECT_EQ(ChosenAnswer, 3);
    EXPECT_GT(PlayerVY, 0);

    SetUp();
    GemX[4] = 200;
    GemY[4] = 455;
    PlayerX = 280;
    for (int i = 0; i < 10 && QuestionOpen == 1; ++i) Frame(-1);
    EXPECT_EQ(ChosenAnswer, 4);
    EXPECT_LT(PlayerX, 264);
    EXPECT_GT(PlayerX, 256);
}

TEST_F(JumperFrame, AfterAnAnswerOtherGemsAndTheCreaturesAreHarmless) {
    GemX[1] = 500;
    GemY[1] = 455;
    GemX[2] = 620;
    GemY[2] = 455;
    PlayerX = 520;
    Frame();
    ASSERT_EQ(ChosenAnswer, 1);
    ASSERT_EQ(QuestionOpen, 0);
    const int wrongBefore = WrongCount;

    // The kid is put onto the second gem, the zombie onto the kid, then the bat.
    PlayerX = 640;
    ZombieX = 640;
    Frame();
    EXPECT_EQ(ChosenAnswer, 1);
    EXPECT_EQ(GemX[2], 620);
    ZombieX = 5000;
    BatX = 640;
    PlayerY = MiddleFeetY;
    Frame();
    EXPECT_EQ(QuestionForfeited, 0);
    EXPECT_EQ(WrongCount, wrongBefore);
    EXPECT_EQ(PlaysOf(Hurt1Sound) + PlaysOf(Hurt2Sound), 0);
}

TEST_F(JumperFrame, ZombieAndBatHurtOnlyInsideTheirBands) {
    struct Case {
        const char* what;
        float zombieX, batX;   // positions before this frame's patrol step (both walk left)
        float kidY;
        bool hurt;
    };
    // The kid stands at x 512. The zombie walks 0.5 and the bat flies 1.2 to the left first.
    const Case cases[] = {
        {"zombie just inside on the right", 512 + 64 + 0.4f, 5000, GroundFeetY, true},
        {"zombie just outside on the right", 512 + 64 + 0.5f, 5000, GroundFeetY, false},
        {"zombie just inside on the left", 512 - 64 + 0.6f, 5000, GroundFeetY, true},
        {"zombie just outside on the left", 512 - 64 + 0.5f, 5000, GroundFeetY, false},
        {"kid hopping just above the zombie's reach", 512, 5000, 512, false},
        {"kid a little lower", 512, 5000, 512.5f, true},
        {"bat on the kid standing on the middle row", 5000, 512, MiddleFeetY, true},
        {"bat just beside the kid", 5000, 546, MiddleFeetY, false},
        {"bat just reaching the kid", 5000, 545, MiddleFeetY, true},
        {"kid on the top row under the bat", 5000, 512, TopFeetY, false},
        {"kid's feet at the bat band's lower end", 5000, 512, 399, false},
        {"kid's feet just inside it", 5000, 512, 398.5f, true},
        {"kid's feet at the bat band's upper end", 5000, 512, 271, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        ZombieX = c.zombieX;
        BatX = c.batX;
        PlayerY = c.kidY;
        PlayerVY = 0;
        Frame();
        EXPECT_EQ(QuestionForfeited, c.hurt ? 1 : 0);
        EXPECT_EQ(QuestionOpen, c.hurt ? 0 : 1);
        EXPECT_EQ(WrongCount, c.hurt ? 1 : 0);
        int hurtSounds = 0;
        for (const RecordedSound& s : FakeSounds())
            if (s.kind == RecordedSound::Play && (s.sound == Hurt1Sound || s.sound == Hurt2Sound)) {
                ++hurtSounds;
                EXPECT_EQ(s.volume, 20);
            }
        EXPECT_EQ(hurtSounds, c.hurt ? 1 : 0);
    }
}

TEST_F(JumperFrame, FallenKidFloatsUpThroughEverything) {
    PlatformLayout[1][3] = 0;
    PlatformLayout[2][3] = 0;
    PlayerX = 400;
    ZombieX = 400.5f;
    Frame();
    ASSERT_EQ(QuestionForfeited, 1);
    EXPECT_FLOAT_EQ(PlayerY, GroundFeetY - 1.25f);
    for (int i = 0; i < 400; ++i) Frame();
    EXPECT_FLOAT_EQ(PlayerVY, -1.25f);
    EXPECT_NEAR(PlayerY, GroundFeetY - 1.25f * 401, 0.05) << "neither platform caught the floating kid";
}

TEST_F(JumperFrame, NoHorizontalMomentumInTheAir) {
    Frame(5, 1);
    const float afterTakeOff = PlayerX;
    EXPECT_FLOAT_EQ(afterTakeOff, 512 + 3.5f) << "the take-off frame already counts as in the air";
    for (int i = 0; i < 10; ++i) Frame(1);
    EXPECT_FLOAT_EQ(PlayerX, afterTakeOff + 35);
    const float steered = PlayerX;
    for (int i = 0; i < 20; ++i) Frame();
    EXPECT_FLOAT_EQ(PlayerX, steered);
    EXPECT_LT(PlayerY, GroundFeetY);
}

TEST_F(JumperFrame, WalkingSpeedAndFacing) {
    struct Case {
        float y;
        float dx;
        float expectX;
        int facing;
    };
    const Case cases[] = {
        {GroundFeetY, 0.01f, 515.6f, 0},   // the amount of movement does not matter
        {GroundFeetY, -40, 508.4f, 1},
        {300, 3, 515.5f, 0},               // in the air
        {300, -3, 508.5f, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx);
        SetUp();
        PlayerY = c.y;
        Frame(c.dx);
        EXPECT_FLOAT_EQ(PlayerX, c.expectX);
        EXPECT_EQ(PlayerFacing, c.facing);
    }
    // Standing still keeps the facing of the last step.
    Frame();
    EXPECT_EQ(PlayerFacing, 1);
}

TEST_F(JumperFrame, KidStopsFortyPixelsFromEitherEdge) {
    const float limits[2] = {40, 1024 - 40};
    PlayerX = 45;
    for (int i = 0; i < 5; ++i) Frame(-1);
    EXPECT_FLOAT_EQ(PlayerX, limits[0]);
    PlayerX = 980;
    PlayerY = 300;   // in the air as well
    for (int i = 0; i < 5; ++i) Frame(1);
    EXPECT_FLOAT_EQ(PlayerX, limits[1]);
}

TEST_F(JumperFrame, CreaturesTurnOnlyBeyondTheEdges) {
    struct Case {
        const char* what;
        bool bat;
        float x;
        int goingRight;
        int expectGoingRight;
    };
    const Case cases[] = {
        {"bat still on the surface", true, 1.3f, 0, 0},
        {"bat past the left edge", true, 1.1f, 0, 1},
        {"bat still on the surface", true, 1022.7f, 1, 1},
        {"bat past the right edge", true, 1022.9f, 1, 0},
        {"zombie still on the surface", false, 0.5f, 0, 0},
        {"zombie past the left edge", false, 0.4f, 0, 1},
        {"zombie still on the surface", false, 1023.5f, 1, 1},
        {"zombie past the right edge", false, 1023.6f, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        QuestionOpen = 0;   // the kid is not the subject here
        (c.bat ? BatX : ZombieX) = c.x;
        (c.bat ? BatGoingRight : ZombieGoingRight) = c.goingRight;
        const int quads = c.bat ? 4 : 9;
        const int* pictures = c.bat ? BatQuad : ZombieQuad;
        Frame();
        EXPECT_EQ(c.bat ? BatGoingRight : ZombieGoingRight, c.expectGoingRight);
        const bool turned = c.goingRight != c.expectGoingRight;
        for (int i = 1; i <= quads; ++i) {
            EXPECT_EQ(FakeQuadShaped(pictures[i]), turned) << "picture " << i;
            if (!turned) continue;
            QuadCorner corners[4];
            FakeQuadCorners(pictures[i], corners);
            const float size = c.bat ? 80 : 110;
            // Facing right means mirrored: the texture's top-left corner lies on the right.
            EXPECT_FLOAT_EQ(corners[0].x, c.expectGoingRight ? size : 0);
            EXPECT_FLOAT_EQ(corners[1].x, c.expectGoingRight ? 0 : size);
        }
    }
}

TEST_F(JumperFrame, WingsAndStepsCycleThroughTheirPictures) {
    QuestionOpen = 0;
    BatFrameTimer = 0.5f;
    ZombieFrameTimer = 0.5f;
    BatFrame = 4;
    ZombieFrame = 9;
    Frame();
    EXPECT_EQ(BatFrame, 1);
    EXPECT_EQ(ZombieFrame, 1);
    EXPECT_FLOAT_EQ(BatFrameTimer, 5);
    EXPECT_FLOAT_EQ(ZombieFrameTimer, 8);
    // The next change comes when the timer drops below zero: 6 frames for the bat, 9 for the zombie.
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(BatFrame, 1);
    Frame();
    EXPECT_EQ(BatFrame, 2);
    Frame();
    Frame();
    EXPECT_EQ(ZombieFrame, 1);
    Frame();
    EXPECT_EQ(ZombieFrame, 2);
}

TEST_F(JumperFrame, KidsPictureFollowsWhatTheKidDoes) {
    // Walking runs through the eight walk pictures, seven ticks each.
    PlayerFrame = 0;
    PlayerFrameTimer = 0.5f;
    Frame(1);
    EXPECT_EQ(PlayerFrame, 1);
    EXPECT_EQ(PlayerSprite, WalkQuad[1]);
    PlayerFrame = 7;
    PlayerFrameTimer = 0.5f;
    Frame(1);
    EXPECT_EQ(PlayerSprite, WalkQuad[0]);
    // Stopping on walk picture 5 falls back to the first idle picture at once.
    PlayerFrame = 5;
    PlayerFrameTimer = 10;
    Frame();
    EXPECT_EQ(PlayerFrame, 0);
    EXPECT_EQ(PlayerSprite, IdleQuad[0]);
    PlayerFrameTimer = 0.5f;
    Frame();
    EXPECT_EQ(PlayerSprite, IdleQuad[1]);
    EXPECT_FLOAT_EQ(PlayerFrameTimer, 18);
    // In the air: the jump picture on the way up, the fall picture on the way down, walking or not.
    Frame(0, 1);
    EXPECT_EQ(PlayerSprite, JumpQuad);
    Frame(1);
    EXPECT_EQ(PlayerSprite, JumpQuad);
    while (PlayerVY <= 0) Frame();
    EXPECT_EQ(PlayerSprite, FallQuad);
    Frame(-1);
    EXPECT_EQ(PlayerSprite, FallQuad);
}

TEST_F(JumperFrame, LongFrameScalesMotionAndTimers) {
    FrameFactor = 2.5f;
    PlayerFrameTimer = 3;
    Frame(1);
    EXPECT_FLOAT_EQ(PlayerX, 512 + 3.6f * 2.5f);
    EXPECT_FLOAT_EQ(PlayerFrameTimer, 0.5f);
    Frame(0, 1);
    EXPECT_FLOAT_EQ(PlayerVY, -9 + 0.2f * 2.5f);
    EXPECT_FLOAT_EQ(PlayerY, GroundFeetY + (-9 + 0.5f) * 2.5f);
}

}  // namespace
