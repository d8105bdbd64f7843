// Answers and lost questions: scoring, feedback, the countdown and its outcome.
#include "quiz_test_support.h"

#include "render/pointer.h"

namespace {

class Judgement : public QuizTest {
protected:
    void SetUp() override {
        QuizTest::SetUp();
        StudentName = "Ann";
        StartUp();
        EnterGameWithoutTip(2);
    }
    // Runs the countdown frame by frame (one tick each) until its outcome; returns the frames.
    static int FramesToOutcome() {
        int frames = 0;
        while (FeedbackActive == 1 && frames < 2000) {
            CountdownStep();
            ++frames;
        }
        return frames;
    }
};

TEST_F(Judgement, Scoring) {
    enum Action { Right, Wrong, Forfeit };
    struct Case {
        const char* name;
        Action action;
        int score, lives;
        int wantScore, wantLives, wantCorrect, wantWrong, sound, volume;
        int* picture;
    };
    const Case cases[] = {
        {"right refills every life", Right, 10, 1, 110, 3, 1, 0, GoodSound, 40, &CorrectQuad},
        {"wrong costs 25", Wrong, 300, 3, 275, 2, 0, 1, WrongSound, 20, &WrongQuad},
        {"wrong never below 0", Wrong, 10, 2, 0, 1, 0, 1, WrongSound, 20, &WrongQuad},
        {"no life below 0", Wrong, 50, 0, 25, 0, 0, 1, WrongSound, 20, &WrongQuad},
        {"forfeit keeps the score", Forfeit, 10, 1, 10, 0, 0, 1, WrongSound, 20, &OopsQuad},
        {"forfeit with no life left", Forfeit, 0, 0, 0, 0, 0, 1, WrongSound, 20, &OopsQuad},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnterScreen(2);
        Score = c.score;
        Lives = c.lives;
        CorrectCount = WrongCount = 0;
        FakeSounds().clear();
        if (c.action == Forfeit) ForfeitQuestion();
        else SubmitAnswer(c.action == Right ? CorrectAnswer : CorrectAnswer % 4 + 1);
        EXPECT_EQ(QuestionOpen, 0);
        EXPECT_EQ(Score, c.wantScore);
        EXPECT_EQ(Lives, c.wantLives);
        EXPECT_EQ(CorrectCount, c.wantCorrect);
        EXPECT_EQ(WrongCount, c.wantWrong);
        EXPECT_EQ(FeedbackSprite, *c.picture);
        EXPECT_EQ(FeedbackActive, 1);
        EXPECT_EQ(FeedbackX, 1184);
        EXPECT_EQ(FeedbackY, 468);
        EXPECT_EQ(FeedbackAngle, 400);
        EXPECT_EQ(QuestionForfeited, c.action == Forfeit ? 1 : 0);
        const std::vector<RecordedSound> plays = PlaysOf(c.sound);
        ASSERT_EQ(plays.size(), 1u);
        EXPECT_EQ(plays[0].volume, c.volume);
    }
}

TEST_F(Judgement, DamagedRightChoiceMakesEveryChoiceWrong) {
    CorrectAnswer = 0;
    for (int choice = 1; choice <= 4; ++choice) {
        EnterScreen(2);
        SubmitAnswer(choice);
        EXPECT_EQ(FeedbackSprite, WrongQuad);
    }
    EXPECT_EQ(CorrectCount, 0);
}

TEST_F(Judgement, OutcomeComesAbout4Point9SecondsAfterTheAnswer) {
    SubmitAnswer(CorrectAnswer);
    const int number = QuestionNumber;
    for (int frame = 1; frame <= 489; ++frame) {
        CountdownStep();
        if (frame == 99) {
            EXPECT_EQ(TimerAlpha, 0) << "the picture alone for 100 ticks";
        }
        if (frame == 100) {
            EXPECT_EQ(TimerAlpha, 8);
        }
        if (frame == 131) {
            EXPECT_EQ(TimerAngle, 1) << "the hand starts once the clock is opaque";
        }
    }
    EXPECT_EQ(QuestionNumber, number);
    EXPECT_EQ(FeedbackActive, 1);
    CountdownStep();
    EXPECT_EQ(QuestionNumber, number + 1) << "frame 490";
    EXPECT_EQ(FeedbackActive, 0);
    EXPECT_EQ(TimerAngle, 360);
    for (int frame = 1; frame <= 32; ++frame) CountdownStep();
    EXPECT_EQ(TimerAlpha, 0) << "the clock fades out over 32 ticks";
}

TEST_F(Judgement, RightAnswerSetsUpTheNextQuestionOnARisenPanel) {
    const int cursor = QuestionCursor;
    BottomBarY = 568;
    SubmitAnswer(CorrectAnswer);
    EXPECT_EQ(FramesToOutcome(), 490);
    EXPECT_EQ(QuestionCursor, cursor + 1);
    EXPECT_EQ(BottomBarY, 770);
    EXPECT_EQ(CurrentScreen, 2);
    EXPECT_EQ(QuestionOpen, 1);
    EXPECT_EQ(FeedbackSprite, 0);
}

TEST_F(Judgement, WrongAnswerWithLivesLeftAsksTheSameQuestionAgain) {
    const int cursor = QuestionCursor;
    BottomBarY = 568;
    SubmitAnswer(CorrectAnswer % 4 + 1);
    FramesToOutcome();
    EXPECT_EQ(QuestionCursor, cursor);
    EXPECT_EQ(BottomBarY, 568) << "the panel stays up";
    EXPECT_EQ(CurrentScreen, 2);
    EXPECT_EQ(QuestionOpen, 1);
    EXPECT_EQ(ChosenAnswer, 0);
    EXPECT_EQ(NotepadOpen, 0);
}

TEST_F(Judgement, RandomModeMovesOnAfterARightAnswerOnly) {
    struct Case {
        int from;
        bool right;
        int to;
    };
    for (const Case c : {Case{3, true, 4}, Case{5, true, 1}, Case{5, false, 5}}) {
        SCOPED_TRACE(testing::Message() << "game " << c.from << (c.right ? " right" : " wrong"));
        for (int n = 1; n <= 5; ++n) TipSeen[n] = 1;
        EnterScreen(c.from);
        RandomGameMode = 1;
        Lives = 3;
        SubmitAnswer(c.right ? CorrectAnswer : CorrectAnswer % 4 + 1);
        FramesToOutcome();
        EXPECT_EQ(CurrentScreen, c.to);
        NotepadOpen = 0;
    }
}

TEST_F(Judgement, LosingTheLastLifeEndsTheRound) {
    struct Case {
        int question, grade;
    };
    for (const Case c : {Case{15, 4}, Case{14, 5}, Case{20, 4}, Case{1, 5}}) {
        SCOPED_TRACE(c.question);
        EnterScreen(0);
        EnterScreen(2);
        QuestionNumber = c.question;
        for (int failure = 1; failure <= 3; ++failure) {
            ASSERT_EQ(NotepadOpen, 0);
            if (failure == 2) ForfeitQuestion();
            else SubmitAnswer(CorrectAnswer % 4 + 1);
            FramesToOutcome();
        }
        EXPECT_EQ(Lives, 0);
        EXPECT_EQ(NotepadOpen, 1);
        EXPECT_EQ(ReportGrade, c.grade);
        EXPECT_EQ(CurrentScreen, 2) << "the game is set up afresh behind the report";
        EXPECT_EQ(CurrentPointer.PointerQuad, GloveQuad);
    }
}

TEST_F(Judgement, FeedbackPictureFliesInAndComesToRest) {
    SubmitAnswer(CorrectAnswer);
    for (int i = 0; i < 300; ++i) DrawFeedbackPicture();
    FakeDraws().clear();
    DrawFeedbackPicture();
    const std::vector<RecordedDraw> draws = DrawsOf(CorrectQuad);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].x, 312);
    EXPECT_EQ(draws[0].y, 120);
    EXPECT_NEAR(draws[0].angle, 0, 0.01);
}

TEST_F(Judgement, FeedbackPictureEasesOncePerTick) {
    SubmitAnswer(CorrectAnswer);
    FrameTicks = 3;
    DrawFeedbackPicture();
    EXPECT_NEAR(FeedbackAngle, 400 * 0.94 * 0.94 * 0.94, 1e-3);
}

// The tick marks the chosen choice when it is right, the cross when it is wrong; the other
// choices fade to half; a forfeit marks and fades nothing.
TEST_F(Judgement, MarkAndFadedChoices) {
    ChoicesY = 488;
    struct Case {
        const char* name;
        int choice;   // 0 = forfeit
        int* mark;
        int centreX, centreY;
    };
    CorrectAnswer = 3;
    const Case cases[] = {{"right red", 3, &Tick1Quad, 658, 721},
                          {"wrong yellow", 2, &Tick0Quad, 956, 635},
                          {"forfeit", 0, nullptr, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EnterScreen(2);
        ChoicesY = 488;
        if (c.choice == 0) ForfeitQuestion();
        else SubmitAnswer(c.choice);
        for (int i = 0; i < 30; ++i) DrawAnswerMark();
        FakeDraws().clear();
        DrawQuestionPanel();
        const int otherMark = c.mark && *c.mark == Tick1Quad ? Tick0Quad : Tick1Quad;
        EXPECT_TRUE(DrawsOf(otherMark).empty());
        if (c.mark) {
            const std::vector<RecordedDraw> marks = DrawsOf(*c.mark);
            ASSERT_EQ(marks.size(), 1u);
            EXPECT_EQ(marks[0].width, 80);
            EXPECT_EQ(marks[0].alpha, 255);
            EXPECT_EQ(marks[0].x, c.centreX - 40);
            EXPECT_EQ(marks[0].y, c.centreY - 40);
        } else {
            EXPECT_TRUE(DrawsOf(Tick0Quad).empty());
        }
        for (int k = 0; k < 4; ++k) {
            const std::vector<RecordedDraw> button = DrawsOf(ChoiceQuad[k]);
            ASSERT_EQ(button.size(), 1u);
            const bool faded = c.choice > 0 && c.choice != k + 1;
            EXPECT_EQ(button[0].alpha, faded ? 128 : 255) << "choice " << k + 1;
        }
    }
}

TEST_F(Judgement, GamesSeeNoPointerWhileTheQuestionIsClosed) {
    struct Case {
        int screen, open;
        bool cleared;
    };
    for (const Case c : {Case{2, 0, true}, Case{2, 1, false}, Case{0, 0, false}}) {
        SCOPED_TRACE(testing::Message() << "screen " << c.screen << " open " << c.open);
        CurrentScreen = c.screen;
        QuestionOpen = c.open;
        PointerDeltaX = 3;
        PointerDeltaY = -2;
        PointerHeld = PointerClicked = 1;
        UpdateGame();
        EXPECT_EQ(PointerClicked, c.cleared ? 0 : 1);
        EXPECT_EQ(PointerHeld, c.cleared ? 0 : 1);
        EXPECT_EQ(PointerDeltaX, c.cleared ? 0 : 3);
        EXPECT_EQ(PointerDeltaY, c.cleared ? 0 : -2);
    }
}

TEST_F(Judgement, EngineSoundsAreSilencedAwayFromTheirGames) {
    for (int screen = 0; screen <= 5; ++screen) {
        SCOPED_TRACE(screen);
        CurrentScreen = screen;
        QuestionOpen = 0;   // the games' own logic leaves the targets alone while answered
        BoatVolume = CopterVolume = 30;
        UpdateGame();
        // In their own games the game's logic decides (it may let the engine die down).
        if (screen == 4) EXPECT_GT(BoatVolume, 0);
        else EXPECT_EQ(BoatVolume, 0);
        if (screen == 3) EXPECT_GT(CopterVolume, 0);
        else EXPECT_EQ(CopterVolume, 0);
    }
}

}  // namespace
