// The hub: buttons flying to their arc, hover, clicks, the name entry it opens, and what
// entering the hub puts back for a new round.
#include "quiz_test_support.h"

#include "app/sound_control.h"
#include "quiz/hub.h"

namespace {

struct ArcPlace {
    int button;
    float x, y;
};
constexpr ArcPlace Arc[] = {{1, 848.4f, 227.1f}, {2, 877.6f, 319.5f}, {3, 881.8f, 416.4f},
                            {4, 860.8f, 511.0f}, {5, 816.1f, 596.9f}, {6, 750.6f, 668.4f}};

class Hub : public QuizTest {
protected:
    void SetUp() override {
        QuizTest::SetUp();
        StudentName = "Ann";
        StartUp();
        Frames(300);   // the buttons have settled on the arc
    }
};

TEST_F(Hub, ButtonsSettleOnTheArcAtFullSize) {
    FakeDraws().clear();
    Frames(1);
    for (const ArcPlace& p : Arc) {
        SCOPED_TRACE(p.button);
        EXPECT_NEAR(ButtonTargetX[p.button], p.x, 0.05);
        EXPECT_NEAR(ButtonTargetY[p.button], p.y, 0.05);
        const std::vector<RecordedDraw> draws = DrawsOf(GameButtonQuad[p.button]);
        ASSERT_EQ(draws.size(), 1u) << "not hovered: drawn once, without a glow";
        EXPECT_EQ(draws[0].width, 280);
        EXPECT_EQ(draws[0].x, std::lround(p.x - 140));
        EXPECT_EQ(draws[0].y, std::lround(p.y - 140));
    }
}

TEST_F(Hub, ButtonsGrowOutOfTheCentreOnEveryEntry) {
    EnterScreen(0);
    for (int b = 1; b <= 6; ++b) {
        EXPECT_EQ(ButtonX[b], 512);
        EXPECT_EQ(ButtonY[b], 384);
        EXPECT_EQ(ButtonSize[b], 8);
    }
    EXPECT_EQ(LogoY, -240);
    EXPECT_EQ(SubjectPictureSize, 8);
}

TEST_F(Hub, HoveredButtonShrinksAndGlows) {
    PointAt(848, 227);
    Frames(200);
    EXPECT_NEAR(ButtonSize[1], 265, 0.01);
    EXPECT_NEAR(ButtonSize[2], 280, 0.01);
    FakeDraws().clear();
    Frames(1);
    const std::vector<RecordedDraw> draws = DrawsOf(GameButtonQuad[1]);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].width, 265);
    EXPECT_EQ(draws[0].x, 716);   // Round(848.4 - 132.5)
    EXPECT_EQ(draws[1].alpha, 128);
    EXPECT_EQ(draws[1].dest, BlendFactor::DestAlpha) << "the glow is additive";
    EXPECT_EQ(draws[1].x, draws[0].x);
}

TEST_F(Hub, FooterNamesThePublisher) {
    FakeDraws().clear();
    Frames(1);
    const std::vector<DrawnText> texts = DrawnTexts();
    const DrawnText* footer = FindText(texts, "Quillbrook Learning");
    ASSERT_NE(footer, nullptr);
    EXPECT_FLOAT_EQ(footer->x, 207.5f);
    EXPECT_FLOAT_EQ(footer->y, 735.5f);
    EXPECT_EQ(footer->tint, 0xFFFFFFu);
    EXPECT_FLOAT_EQ(footer->scale, 1.0f);
}

TEST_F(Hub, MuteButtonTogglesTheSound) {
    PointAt(30, 200);
    ClickFrame();
    EXPECT_EQ(Muted, 1);
    ClickFrame();
    EXPECT_EQ(Muted, 0);
    EXPECT_EQ(CurrentScreen, 0);
}

TEST_F(Hub, ExitButtonEndsTheProgramAfterThisFrame) {
    PointAt(60, 680);
    FakeSetMouseButton(true);
    EXPECT_FALSE(RunFrame());
    EXPECT_EQ(QuitRequested, 1);
}

TEST_F(Hub, GameButtonsStartTheirGame) {
    for (int b = 1; b <= 5; ++b) {
        SCOPED_TRACE(b);
        PointAt(static_cast<int>(Arc[b - 1].x), static_cast<int>(Arc[b - 1].y));
        ClickFrame();
        EXPECT_EQ(CurrentScreen, b);
        EXPECT_EQ(RandomGameMode, 0);
        EnterScreen(0);
        Frames(300);
    }
}

TEST_F(Hub, SixthButtonStartsEachGameByChance) {
    bool started[6] = {};
    for (int i = 0; i < 60; ++i) {
        PointAt(750, 668);
        ClickFrame();
        ASSERT_EQ(RandomGameMode, 1);
        ASSERT_GE(CurrentScreen, 1);
        ASSERT_LE(CurrentScreen, 5);
        started[CurrentScreen] = true;
        EnterScreen(0);
        EXPECT_EQ(RandomGameMode, 0) << "the hub ends random mode";
        for (int b = 1; b <= 6; ++b) ButtonX[b] = ButtonTargetX[b], ButtonY[b] = ButtonTargetY[b];
    }
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(started[n]) << "game " << n;
}

// Entering the hub starts a new round: counters refilled, tips to be shown again, and a
// tip bubble left open by Escape closed so that it cannot swallow the next click.
TEST_F(Hub, EntryPutsTheRoundBack) {
    EnterGameWithoutTip(2);
    TipShown = 1;
    BubbleAlpha = 255;
    Score = 375;
    CorrectCount = 4;
    WrongCount = 2;
    Lives = 1;
    RevisionCounter = 3;
    RevisionPage = 1;
    RandomGameMode = 1;
    QuestionNumber = 6;
    FakeSetKey(KeyEscape, true);
    Frames(1);
    FakeSetKey(KeyEscape, false);
    ASSERT_EQ(CurrentScreen, 0);
    EXPECT_EQ(Lives, 3);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(CorrectCount, 0);
    EXPECT_EQ(WrongCount, 0);
    EXPECT_EQ(RevisionCounter, 2);
    EXPECT_EQ(RevisionPage, 0);
    EXPECT_EQ(RandomGameMode, 0);
    EXPECT_EQ(QuestionNumber, 0);
    EXPECT_EQ(TipSeen[2], 0);
    EXPECT_EQ(TipShown, 0);
    EXPECT_EQ(BubbleAlpha, 0);

    Frames(300);
    PointAt(877, 319);
    ClickFrame();
    EXPECT_EQ(CurrentScreen, 2) << "the first click on the hub reaches its button";
    EXPECT_EQ(TipShown, 1) << "and the game shows its tip again";
}

// ---- name entry ----

TEST_F(Hub, BlankNameAsksForTheNameFirst) {
    for (const char* blank : {"", "   "}) {
        SCOPED_TRACE(std::string("name '") + blank + "'");
        StudentName = blank;
        PointAt(881, 416);
        ClickFrame();
        EXPECT_EQ(CurrentScreen, 0);
        EXPECT_EQ(NameEntryOpen, 1);
        EXPECT_EQ(NotepadOpen, 1);
        EXPECT_EQ(PendingGame, 3);
        NameEntryOpen = 0;
        CloseNotepad();
    }
}

TEST_F(Hub, TypedNameThenEnterStartsThePendingGame) {
    StudentName = "";
    PointAt(860, 511);
    ClickFrame();
    ASSERT_EQ(NameEntryOpen, 1);
    for (int key : {38, 30, 49}) TapKey(key);   // l, a, n
    EXPECT_EQ(StudentName, "Lan");
    EXPECT_EQ(CurrentScreen, 0);
    TapKey(KeyEnter);
    EXPECT_EQ(CurrentScreen, 4);
    EXPECT_EQ(NameEntryOpen, 0);
    EXPECT_EQ(RandomGameMode, 0);
}

TEST_F(Hub, SixthButtonStillMeansARandomGameAfterTheNameEntry) {
    StudentName = " ";
    PointAt(750, 668);
    ClickFrame();
    ASSERT_EQ(PendingGame, 6);
    TapKey(KeyEnter);
    EXPECT_EQ(RandomGameMode, 1);
    EXPECT_GE(CurrentScreen, 1);
    EXPECT_LE(CurrentScreen, 5);
}

TEST_F(Hub, EmptyNameStillStartsTheGameAndIsAskedForAgain) {
    StudentName = "";
    PointAt(848, 227);
    ClickFrame();
    TapKey(KeyEnter);
    ASSERT_EQ(CurrentScreen, 1);
    EnterScreen(0);
    Frames(300);
    PointAt(848, 227);
    ClickFrame();
    EXPECT_EQ(NameEntryOpen, 1);
    EXPECT_EQ(CurrentScreen, 0);
}

TEST_F(Hub, DuringNameEntryGameButtonsAreInertButMuteWorks) {
    StudentName = "";
    PointAt(848, 227);
    ClickFrame();
    ASSERT_EQ(NameEntryOpen, 1);
    PointAt(877, 319);
    Frames(100);
    EXPECT_NEAR(ButtonSize[2], 280, 0.01) << "no hover while the name is typed";
    ClickFrame();
    EXPECT_EQ(PendingGame, 1);
    EXPECT_EQ(CurrentScreen, 0);
    EXPECT_EQ(NameEntryOpen, 1);
    PointAt(30, 200);
    ClickFrame();
    EXPECT_EQ(Muted, 1);
    EXPECT_EQ(NameEntryOpen, 1);
}

TEST_F(Hub, NameEntryClosesOnlyOnItsOkButton) {
    StudentName = "";
    PointAt(848, 227);
    ClickFrame();
    Frames(200);   // the notepad has settled at y 80: the OK button spans x 578..698, y 502..622
    ASSERT_NEAR(NotepadY, 80, 0.01);
    for (const auto& [x, y] : {std::pair{578, 560}, std::pair{698, 560}, std::pair{640, 502}, std::pair{640, 622}}) {
        PointAt(x, y);
        ClickFrame();
        EXPECT_EQ(NameEntryOpen, 1) << x << ", " << y << " is beside the button";
    }
    PointAt(579, 503);
    ClickFrame();
    EXPECT_EQ(NameEntryOpen, 0);
    EXPECT_EQ(CurrentScreen, 1);
}

}  // namespace

// The real program offers only the games it has: a button whose game is missing is dimmed and
// does nothing, and random mode never lands on a missing game.
TEST(HubWithMissingGames, OffersOnlyTheGamesInTheProgram) {
    int missing = 0;
    for (int n = 1; n <= 5 && !missing; ++n)
        if (!GameInProgram(n)) missing = n;
    if (!missing) GTEST_SKIP() << "every game is in the program";
    const GameScene* saved[6] = {};
    for (int n = 1; n <= 5; ++n) saved[n] = GameSceneFor(n);
    static const GameScene standIn{nullptr, nullptr, nullptr};
    // Only game 1 and game 3 present, whatever the program has now.
    for (int n = 1; n <= 5; ++n) SetGameScene(n, n == 1 || n == 3 ? &standIn : nullptr);

    for (int i = 0; i < 200; ++i) {
        const int game = RandomGameInProgram();
        EXPECT_TRUE(game == 1 || game == 3) << game;
    }
    const std::pair<int, int> turns[] = {{1, 3}, {3, 1}, {2, 3}, {5, 1}};
    for (const auto& [after, next] : turns) EXPECT_EQ(NextGameInProgram(after), next) << after;

    FakePlatformReset();
    ResetGameState();
    OpenGameWindow("test", 1024, 768);
    OpenDrawingSurface(true, 1024, 768, "test");
    CapturePointer();
    InstallFixtureFont();
    for (int b = 0; b <= 6; ++b) GameButtonQuad[b] = FakeCreateQuad(280, 280);
    StudentName = "Ann";
    EnterScreen(0);
    for (int b = 1; b <= 6; ++b) ButtonX[b] = ButtonTargetX[b], ButtonY[b] = ButtonTargetY[b];
    PlacePointer(877, 319);   // button 2, whose game is missing
    FakeSetMouseButton(true);
    ReadPointer();
    FakeDraws().clear();
    DrawHub();
    EXPECT_EQ(CurrentScreen, 0) << "a missing game's button does nothing";
    for (const RecordedDraw& d : FakeQuadDraws()) {
        if (d.quad == GameButtonQuad[2]) {
            EXPECT_EQ(d.alpha, 90) << "and is dimmed";
        }
    }

    for (int n = 1; n <= 5; ++n) SetGameScene(n, saved[n]);
}
