// Whole rounds of game 1 through the real program on the fake platform: start-up from a
// small subject pack, the hub, the name entry, the tip bubble, twenty questions steered by
// the autopilot, revision pages, the report card, and Escape back to the hub.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/game.h"
#include "app/keys.h"
#include "app/random.h"
#include "app/reset.h"
#include "autopilot.h"
#include "content/question_bank.h"
#include "games/jumper.h"
#include "platform/fake/fake_native_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "quiz/hub.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/rounds.h"
#include "quiz/screens.h"
#include "quiz/tip.h"
#include "temp_folder.h"

namespace {

const std::string Pack = std::string(QB_FIXTURES) + "/e2e_pack";
const std::string Font = std::string(QB_GAME_DIR) + "/Helv20.tf";
constexpr int StartButton = 10;   // "Start >>" in the options window
constexpr int KeyA = 30, KeyN = 49;

class JumperRound : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder profile;
    bool buttonDown = false;
    int tipOpenings = 0;
    bool tipWasUp = false;
    std::vector<std::pair<int, int>> revisionPages;   // page, right answers when it opened

    void SetUp() override {
        if (!std::filesystem::exists(Font)) GTEST_SKIP() << "the font forge has not written " << Font;
        FakePlatformReset();
        ResetGameState();
        ResetAutopilot();
        SeedRandom(20240611);
        // The pack's pictures are left out: their handles stay 0 and draw nothing.
        folder.Copy(Pack + "/subject/QBA.ini", "subject/QBA.ini");
        folder.Copy(Pack + "/subject/q.dat", "subject/q.dat");
        folder.Copy(Font, "Helv20.tf");
        SetWorkingFolder(folder.path.string());
        FakeSetProfileFolder(profile.path.string());
        FakeClickControl(StartButton);
        ASSERT_TRUE(StartProgram());
        ASSERT_EQ(CurrentScreen, 0);
    }

    void TearDown() override {
        ShutDownGame();
        SetWorkingFolder("");
    }

    // One pass of the program's loop, watching what a student would notice.
    void Frame() {
        ASSERT_TRUE(RunFrame());
        if (TipShown == 1 && !tipWasUp) ++tipOpenings;
        tipWasUp = TipShown == 1;
        if (NotepadOpen == 1 && NameEntryOpen == 0 && ReportGrade == 0 && RevisionPage > 0 &&
            (revisionPages.empty() || revisionPages.back().first != RevisionPage))
            revisionPages.push_back({RevisionPage, CorrectCount});
    }

    void Press(const AutopilotInput& input) {
        FeedPointer(input);
        buttonDown = input.click;
        Frame();
    }

    void Click() {
        Press({0, true});
        Press({});
    }

    void TapKey(int key) {
        FakeSetKey(key, true);
        Frame();
        FakeSetKey(key, false);
        Frame();
    }

    void PointAt(int x, int y) {
        FakeMoveMouse(static_cast<float>(x - FakePointerX()), static_cast<float>(y - FakePointerY()));
        Press({});
    }

    // Waits for the buttons to reach the arc, then clicks game 1's button at (848.4, 227.1).
    void ClickGameOne() {
        for (int i = 0; i < 400 && std::abs(ButtonX[1] - 848.4f) > 0.5f; ++i) Press({});
        PointAt(848, 227);
        Click();
    }

    // A student's frame: an overlay is closed with a click; an open question in game 1 is
    // steered by the autopilot; during the countdown the pointer rests.
    void StudentFrame(AutopilotGoal goal) {
        AutopilotInput input;
        if (TipShown == 1 || NotepadOpen == 1) {
            input.click = !buttonDown;
        } else if (CurrentScreen == 1 && QuestionOpen == 1) {
            input = JumperAutopilot(goal, CorrectAnswer);
        }
        Press(input);
    }

    // Plays until the report card is up; the goal is asked afresh every frame.
    template <typename Goal>
    void PlayUntilReport(Goal goalNow, int maxFrames = 40000) {
        for (int i = 0; i < maxFrames && ReportGrade == 0 && !HasFatalFailure(); ++i) StudentFrame(goalNow());
    }

    void EnterGameOneAsAnn() {
        StudentName = "Ann";
        ClickGameOne();
        ASSERT_EQ(CurrentScreen, 1);
        ASSERT_EQ(TipShown, 1);
    }
};

TEST_F(JumperRound, TwentyRightAnswersEarnTheTopGrade) {
    ClickGameOne();
    ASSERT_EQ(NameEntryOpen, 1) << "no name yet: the name entry comes first";
    TapKey(KeyA);
    TapKey(KeyN);
    TapKey(KeyN);
    TapKey(KeyEnter);
    Press({});
    ASSERT_EQ(StudentName, "Ann");
    ASSERT_EQ(CurrentScreen, 1);
    ASSERT_EQ(TipShown, 1);

    PlayUntilReport([] { return AutopilotGoal::Gem; });

    ASSERT_EQ(ReportGrade, 1) << "grade AA";
    EXPECT_EQ(CorrectCount, 20);
    EXPECT_EQ(WrongCount, 0);
    EXPECT_EQ(CurrentScreen, 1);
    EXPECT_NE(ReportText.find("Name: Ann"), std::string::npos) << ReportText;
    EXPECT_NE(ReportText.find("Questions Complete: 20/20"), std::string::npos) << ReportText;
    EXPECT_NE(ReportText.find("Accuracy: 100%"), std::string::npos) << ReportText;
    const std::vector<std::pair<int, int>> expectedPages = {{1, 2}, {2, 6}, {3, 10}, {4, 14}, {5, 18}};
    EXPECT_EQ(revisionPages, expectedPages);
    EXPECT_EQ(tipOpenings, 1) << "game 1's tip shows on its first entry only";
    EXPECT_EQ(AutopilotFailedPlans(), 0);

    // The report card leads back to the hub, where the counters start again.
    Click();
    EXPECT_EQ(CurrentScreen, 0);
    EXPECT_EQ(CorrectCount, 0);
    EXPECT_EQ(Score, 0);
}

TEST_F(JumperRound, RunningIntoTheZombieLosesTheRound) {
    EnterGameOneAsAnn();
    // Two right answers first, so that the report has something to count.
    PlayUntilReport([] { return CorrectCount < 2 ? AutopilotGoal::Gem : AutopilotGoal::Zombie; });

    ASSERT_EQ(ReportGrade, 5) << "grade F";
    EXPECT_EQ(CorrectCount, 2);
    EXPECT_EQ(WrongCount, 3);
    EXPECT_EQ(Lives, 0);
    EXPECT_EQ(ChosenAnswer, 0) << "lost to the zombie, not to a wrong gem";
    EXPECT_NE(ReportText.find("Questions Complete: 02/20"), std::string::npos) << ReportText;
    EXPECT_NE(ReportText.find("Correct: 02"), std::string::npos) << ReportText;
    EXPECT_NE(ReportText.find("Incorrect: 03"), std::string::npos) << ReportText;
    EXPECT_NE(ReportText.find("Accuracy: 33%"), std::string::npos) << ReportText;
    const std::vector<std::pair<int, int>> expectedPages = {{1, 2}};
    EXPECT_EQ(revisionPages, expectedPages);
}

TEST_F(JumperRound, TipShowsOnlyOnTheFirstEntryAfterTheHub) {
    EnterGameOneAsAnn();
    EXPECT_EQ(tipOpenings, 1);
    // A lost question sets the game up again, a right answer brings the next question:
    // neither shows the tip.
    for (int i = 0; i < 3000 && WrongCount == 0; ++i) StudentFrame(AutopilotGoal::Zombie);
    ASSERT_EQ(WrongCount, 1);
    // Two right answers; the second brings the first revision page, closed like the tip.
    for (int i = 0; i < 5000 && !(CorrectCount == 2 && NotepadOpen == 0 && QuestionOpen == 1) && !HasFatalFailure();
         ++i)
        StudentFrame(AutopilotGoal::Gem);
    ASSERT_EQ(CorrectCount, 2);
    EXPECT_EQ(revisionPages.size(), 1u);
    EXPECT_EQ(tipOpenings, 1);

    // Back on the hub, game 1 shows its tip again.
    TapKey(KeyEscape);
    ASSERT_EQ(CurrentScreen, 0);
    ClickGameOne();
    EXPECT_EQ(CurrentScreen, 1);
    EXPECT_EQ(tipOpenings, 2);
}

TEST_F(JumperRound, EscapeReturnsToTheHubFromEveryState) {
    struct Case {
        const char* what;
        int framesOfPlay;       // after closing the tip; -1 keeps the tip up
        bool untilAnswered;     // play on until a right answer's countdown runs
    };
    const Case cases[] = {
        {"tip bubble up", -1, false},
        {"playing", 120, false},
        {"countdown running", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EnterGameOneAsAnn();
        if (c.framesOfPlay >= 0) {
            Click();
            ASSERT_EQ(TipShown, 0);
            for (int i = 0; i < c.framesOfPlay; ++i) StudentFrame(AutopilotGoal::Gem);
            ASSERT_EQ(QuestionOpen, 1);
        }
        for (int i = 0; c.untilAnswered && i < 3000 && QuestionOpen == 1; ++i) StudentFrame(AutopilotGoal::Gem);
        if (c.untilAnswered) {
            ASSERT_EQ(ChosenAnswer, CorrectAnswer);
            ASSERT_EQ(FeedbackActive, 1);
        }
        const int cursor = QuestionCursor;

        FakeSetKey(KeyEscape, true);
        Frame();
        FakeSetKey(KeyEscape, false);
        EXPECT_EQ(CurrentScreen, 0);
        EXPECT_EQ(TipShown, 0);
        EXPECT_EQ(FeedbackActive, 0);

        // An answer's countdown dropped by Escape has no outcome: no next question, no
        // revision page, no new scene.
        for (int i = 0; i < 700; ++i) Press({});
        EXPECT_EQ(CurrentScreen, 0);
        EXPECT_EQ(QuestionCursor, cursor);
        EXPECT_EQ(NotepadOpen, 0);
        EXPECT_EQ(CorrectCount, 0);
    }
}

}  // namespace
