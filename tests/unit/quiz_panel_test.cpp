// The question panel: its rise, the score strip, the choice texts, and the professor's taps.
#include "quiz_test_support.h"

namespace {

class Panel : public QuizTest {
protected:
    void SetUp() override {
        QuizTest::SetUp();
        StartUp();
        EnterGameWithoutTip(2);
    }
    // One frame of the panel alone, its drawing recorded afresh.
    static void PanelFrame() {
        FakeDraws().clear();
        DrawQuestionPanel();
    }
};

// With the taps held back (here by the tip bubble) nothing stops the easing, and every
// piece comes to rest at its place.
TEST_F(Panel, SettlesAtItsPlaces) {
    TipShown = 1;
    for (int i = 0; i < 400; ++i) PanelFrame();
    struct Place {
        const char* name;
        int quad, index, x, y;
    };
    const Place places[] = {
        {"bottom bar", BotbarLeftQuad, 0, 0, 568},  {"blackboard", BlackboardQuad, 0, 18, 468},
        {"upper choices", ChoiceQuad[1], 0, 706, 488}, {"lower choices", ChoiceQuad[2], 0, 408, 574},
        {"professor", ProfessorQuad, 0, 8, 578},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        const std::vector<RecordedDraw> draws = DrawsOf(p.quad);
        ASSERT_GT(draws.size(), static_cast<std::size_t>(p.index));
        EXPECT_EQ(draws[p.index].x, p.x);
        EXPECT_EQ(draws[p.index].y, p.y);
    }
    const std::vector<RecordedDraw> mids = DrawsOf(BotbarMidQuad);
    ASSERT_EQ(mids.size(), 2u);
    EXPECT_EQ(mids[0].x, 256);
    EXPECT_EQ(mids[1].x, 512);
    EXPECT_EQ(DrawsOf(BotbarRightQuad).at(0).x, 768);
}

TEST_F(Panel, BarRisesFasterEachFrameWhateverTheFrameLength) {
    // The rise's own speed grows by 0.1 a frame; the distance scales with the frame length.
    FrameFactor = 2;
    FrameTicks = 2;
    DrawQuestionPanel();
    EXPECT_NEAR(PanelEase, 0.2, 1e-6);
    EXPECT_NEAR(BottomBarY, 770 - 6.5 * 2 * 0.2, 1e-3);
    EXPECT_NEAR(BlackboardY, 770 - 6 * 2 * 0.2, 1e-3);
}

TEST_F(Panel, OneHeartPerLifeFromTheRight) {
    struct Case {
        int lives;
        std::vector<int> xs;
    };
    for (const Case& c : {Case{0, {}}, Case{1, {980}}, Case{5, {980, 942, 904, 866, 828}}}) {
        SCOPED_TRACE(c.lives);
        Lives = c.lives;
        PanelFrame();
        const std::vector<RecordedDraw> hearts = DrawsOf(LifeQuad);
        ASSERT_EQ(hearts.size(), c.xs.size());
        for (std::size_t i = 0; i < hearts.size(); ++i) {
            EXPECT_EQ(hearts[i].x, c.xs[i]);
            EXPECT_EQ(hearts[i].y, 4);
        }
    }
}

TEST_F(Panel, ScoreAndQuestionCount) {
    struct Case {
        int score, question;
        const char *scoreText, *countText;
    };
    for (const Case& c : {Case{0, 1, "Score: 0", "1 / 20"}, Case{1234, 20, "Score: 1234", "20 / 20"},
                          Case{75, 21, "Score: 75", "20 / 20"}}) {
        SCOPED_TRACE(c.countText);
        Score = c.score;
        QuestionNumber = c.question;
        PanelFrame();
        const std::vector<DrawnText> texts = DrawnTexts();
        const DrawnText* score = FindText(texts, c.scoreText);
        const DrawnText* count = FindText(texts, c.countText);
        ASSERT_NE(score, nullptr);
        ASSERT_NE(count, nullptr);
        EXPECT_FLOAT_EQ(score->x, 3.5f);
        EXPECT_FLOAT_EQ(score->y, 7.5f);
        EXPECT_FLOAT_EQ(count->x, 461.5f);
        EXPECT_FLOAT_EQ(score->scale, 1.2f);
        EXPECT_EQ(score->tint, 0xFFFFFFu);
    }
}

// The question wraps on the blackboard; each choice stays on one line on its button,
// shrunk to fit and centred on the button's middle line.
TEST_F(Panel, QuestionAndChoiceTexts) {
    FillBank(1);
    QuestionBank[1].Text = "Which number here is biggest of all the rest?";
    QuestionBank[1].ChoiceTexts[4] = "one hundred and twelve";   // 220 pixels: shrinks to 0.9
    QuestionCursor = 0;
    NextQuestion();
    ASSERT_NEAR(ChoiceScale[3], 0.9, 1e-4);
    ChoicesY = 488;
    BlackboardY = 468;
    PanelFrame();
    const std::vector<DrawnText> texts = DrawnTexts();
    const DrawnText* green = FindText(texts, "one hundred and twelve");
    ASSERT_NE(green, nullptr);
    EXPECT_FLOAT_EQ(green->x, 706 + 78 - 0.5f);
    EXPECT_FLOAT_EQ(green->y, 574 + 147 - 9 - 0.5f);   // text height Round(20 x 0.9) = 18
    EXPECT_NEAR(green->scale, 0.9, 1e-4);
    EXPECT_EQ(green->tint, 0x222222u);
    const DrawnText* blue = FindText(texts, "Blue");
    ASSERT_NE(blue, nullptr);
    EXPECT_FLOAT_EQ(blue->y, 488 + 147 - 10 - 0.5f);   // Round(20 x 1.0) / 2

    // The question is broken into lines no wider than 320 pixels at scale 1.2 (26 letters);
    // "biggest" overflows mid-word, so a break is settled before it for the next frames.
    int questionLines = 0;
    for (const DrawnText& t : texts)
        if (t.scale > 1.19f && t.y > 540 && t.tint == 0xFFFFFFu) ++questionLines;
    EXPECT_GE(questionLines, 2);
    EXPECT_EQ(QuestionText, "Which number here is; biggest of all the rest?");
}

// The taps come 60 ticks after the professor has risen, then 20 apart; 20 ticks after the
// second the taps end, and 40 ticks later he tilts and sinks away.
TEST_F(Panel, ProfessorTapsTwiceThenLeaves) {
    std::vector<int> tapFrames;
    int leaveFrame = 0;
    float lastY = 0;
    for (int frame = 1; frame <= 400; ++frame) {
        PanelFrame();
        for (const RecordedDraw& d : DrawsOf(TapQuad)) {
            if (d.alpha == 255) {
                tapFrames.push_back(frame);
                EXPECT_EQ(d.width, 8);   // 6 grown by 1.5, rounded to even
                EXPECT_EQ(d.x, 194);
                EXPECT_EQ(d.y, 604);
                EXPECT_EQ(d.dest, BlendFactor::DestAlpha);
            }
        }
        if (leaveFrame == 0 && ProfessorLeaving == 1 && ProfessorY > lastY + 1) leaveFrame = frame;
        lastY = ProfessorY;
    }
    // He has risen above y 598 in frame 28.
    EXPECT_EQ(tapFrames, (std::vector<int>{88, 109}));
    EXPECT_EQ(leaveFrame, 171);
    EXPECT_EQ(ProfessorY, 776);
    EXPECT_EQ(ProfessorAngle, 30);
    EXPECT_EQ(TapVisible, 0);
}

TEST_F(Panel, TapsWaitWhileAnOverlayIsUp) {
    for (int frame = 1; frame <= 87; ++frame) PanelFrame();
    ASSERT_EQ(TapCount, 0);
    for (int* overlay : {&TipShown, &NotepadOpen}) {
        *overlay = 1;
        for (int frame = 1; frame <= 200; ++frame) PanelFrame();
        EXPECT_EQ(TapCount, 0);
        EXPECT_EQ(ProfessorLeaving, 0);
        *overlay = 0;
    }
    PanelFrame();
    EXPECT_EQ(TapCount, 1) << "the first tap comes as soon as the overlay is gone";
}

TEST_F(Panel, ResetSendsEverythingBelowTheSurface) {
    for (int i = 0; i < 300; ++i) PanelFrame();
    ResetPanel();
    EXPECT_EQ(BottomBarY, 770);
    EXPECT_EQ(BlackboardY, 770);
    EXPECT_EQ(ChoicesY, 918);
    EXPECT_EQ(ProfessorX, 64);
    EXPECT_EQ(ProfessorY, 780);
    EXPECT_EQ(ProfessorAngle, 50);
    EXPECT_FLOAT_EQ(PanelEase, 0.1f);
    EXPECT_EQ(TapWaiting, 1);
    EXPECT_EQ(TapVisible, 1);
    EXPECT_EQ(TapCount, 0);
    EXPECT_EQ(ProfessorLeaving, 0);
    EXPECT_EQ(LeaveDelay, 40);
}

}  // namespace
