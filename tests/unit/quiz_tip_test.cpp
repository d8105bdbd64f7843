// The tip bubble: when it is shown, how it opens and closes, and what it draws.
#include "quiz_test_support.h"

#include "render/pointer.h"
#include "render/text.h"

namespace {

class Tip : public QuizTest {
protected:
    void SetUp() override {
        QuizTest::SetUp();
        StudentName = "Ann";
        TipText[2] = "Shoot;the gem";
        StartUp();
    }
    static void BubbleFrame() {
        FakeDraws().clear();
        DrawTipBubble();
    }
};

TEST_F(Tip, ShownOnTheFirstEntryAfterTheHubOnly) {
    EnterScreen(2);
    EXPECT_EQ(TipShown, 1);
    EXPECT_EQ(BubbleText, "Shoot;the gem");
    EXPECT_EQ(BubblePicture, TipPicture[2]);
    EXPECT_EQ(CurrentPointer.PointerQuad, GloveQuad);
    CloseTip();
    EnterScreen(2);   // set up again after a wrong answer
    EXPECT_EQ(TipShown, 0);
    EnterScreen(3);
    EXPECT_EQ(TipShown, 1) << "another game has its own tip";
    CloseTip();
    EnterScreen(0);
    EnterScreen(2);
    EXPECT_EQ(TipShown, 1) << "shown again after the hub";
}

TEST_F(Tip, OpensFullyAfter39TicksThenFadesItsTextIn) {
    EnterScreen(2);
    for (int frame = 1; frame <= 38; ++frame) {
        BubbleFrame();
        ASSERT_TRUE(DrawnTexts().empty()) << frame;
    }
    BubbleFrame();
    EXPECT_EQ(BubbleSize, 460);
    EXPECT_EQ(BubbleAlpha, 255);
    const std::vector<DrawnText> texts = DrawnTexts();
    // A ";" early in the line is a space in the bubble: the pen steps over it undrawn.
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Shoot");
    EXPECT_EQ(texts[1].text, "the gem");
    EXPECT_FLOAT_EQ(texts[1].x, 279.5f + 6 * 15);
    EXPECT_EQ(BubbleText, "Shoot the gem");
    EXPECT_EQ(texts[0].alpha, 4);
    EXPECT_FLOAT_EQ(texts[0].x, 279.5f);
    EXPECT_FLOAT_EQ(texts[0].y, 159.5f);
    EXPECT_FLOAT_EQ(texts[0].scale, 1.5f);
    EXPECT_EQ(texts[0].tint, 0x333333u);
    EXPECT_EQ(SemicolonAsSpace, 0);
    for (int frame = 0; frame < 70; ++frame) BubbleFrame();
    EXPECT_EQ(BubbleTextAlpha, 255);
}

TEST_F(Tip, FullBubbleLayout) {
    EnterScreen(2);
    for (int frame = 0; frame < 40; ++frame) BubbleFrame();
    const std::vector<RecordedDraw> clouds = DrawsOf(BubbleQuad);
    ASSERT_EQ(clouds.size(), 7u);
    struct Copy {
        int width, height, x, y, alpha;
        float angle;
    };
    // Main cloud left edge: 512 - 287.5 = 224.5, rounded to even.
    const Copy want[] = {{55, 55, 160, 602, 102, 45}, {55, 55, 160, 602, 102, 90},  {83, 83, 200, 538, 153, 30},
                         {83, 83, 200, 538, 153, 75}, {115, 115, 248, 446, 204, 15}, {115, 115, 248, 446, 204, 60},
                         {575, 460, 224, 70, 255, 0}};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(clouds[i].width, want[i].width);
        EXPECT_EQ(clouds[i].height, want[i].height);
        EXPECT_EQ(clouds[i].x, want[i].x);
        EXPECT_EQ(clouds[i].y, want[i].y);
        EXPECT_EQ(clouds[i].alpha, want[i].alpha);
        EXPECT_EQ(clouds[i].angle, want[i].angle);
    }
    const std::vector<RecordedDraw> picture = DrawsOf(TipPicture[2]);
    ASSERT_EQ(picture.size(), 1u);
    EXPECT_EQ(picture[0].width, 180);
    EXPECT_EQ(picture[0].x, 280);
    EXPECT_EQ(picture[0].y, 320);
}

TEST_F(Tip, HintCyclesThroughItsFourFrames) {
    EnterScreen(2);
    for (int frame = 0; frame < 38; ++frame) BubbleFrame();
    std::vector<int> frames;
    for (int frame = 0; frame < 90; ++frame) {
        BubbleFrame();
        for (int f = 0; f < 4; ++f)
            if (!DrawsOf(HintQuad[f]).empty() && (frames.empty() || frames.back() != f)) frames.push_back(f);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 0, 1}));
}

TEST_F(Tip, ClosedWhileGrowingItShrinksAwayWithoutText) {
    EnterScreen(2);
    for (int frame = 0; frame < 10; ++frame) BubbleFrame();
    CloseTip();
    int frames = 0;
    while (BubbleAlpha > 0 && frames < 100) {
        BubbleFrame();
        EXPECT_TRUE(DrawnTexts().empty());
        EXPECT_TRUE(DrawsOf(TipPicture[2]).empty());
        ++frames;
    }
    EXPECT_EQ(frames, 14);   // alpha 80 fading by 6 a tick
    EXPECT_EQ(BubbleSize, 38);
    BubbleFrame();
    EXPECT_TRUE(FakeQuadDraws().empty());
}

// Closing gives the pointer back (the wand in game 5), and the pictures the bubble may have
// resized get their game sizes again.
TEST_F(Tip, ClickClosesItAndRestoresTheGame) {
    EnterScreen(5);
    ASSERT_EQ(TipShown, 1);
    Frames(50);
    PointAt(100, 100);
    ClickFrame();
    EXPECT_EQ(TipShown, 0);
    EXPECT_EQ(CurrentPointer.PointerQuad, WandQuad);
    EXPECT_EQ(QuadWidth(WandQuad), 128);
    EXPECT_EQ(QuadWidth(RocketQuad), 100);
    EXPECT_EQ(QuadWidth(BoatQuad), 120);
}

TEST_F(Tip, ClosingClickIsConsumed) {
    EnterScreen(2);
    PointerClicked = 1;
    OverlayInput();
    EXPECT_EQ(TipShown, 0);
    EXPECT_EQ(PointerClicked, 0);
}

TEST_F(Tip, EmptyTipStillShowsPictureAndHint) {
    TipText[4] = "";
    EnterScreen(4);
    for (int frame = 0; frame < 40; ++frame) BubbleFrame();
    EXPECT_TRUE(DrawnTexts().empty());
    EXPECT_EQ(DrawsOf(TipPicture[4]).size(), 1u);
}

}  // namespace
