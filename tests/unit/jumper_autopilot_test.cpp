// The test autopilot on game 1, through the fake mouse and the real pointer reading: it must
// reach the gem of any colour in freshly set-up scenes without being caught, and walk into
// the zombie when told to.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "app/random.h"
#include "app/reset.h"
#include "autopilot.h"
#include "games/jumper.h"
#include "platform/fake/fake_platform.h"
#include "platform/input.h"
#include "quiz/judgement.h"
#include "quiz/screens.h"

namespace {

class JumperAutopilotRun : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        ResetJumper();
        ResetAutopilot();
        ASSERT_TRUE(OpenGameWindow("jumper", 1024, 768));
        ASSERT_TRUE(OpenDrawingSurface(true, 1024, 768, "jumper"));
        CapturePointer();
        CurrentScreen = 1;
    }

    static void Scene(unsigned seed, float frameFactor = 1) {
        SeedRandom(seed);
        JumperEnter();
        QuestionOpen = 1;
        QuestionForfeited = 0;
        ChosenAnswer = 0;
        WrongCount = 0;
        FrameFactor = frameFactor;
        FrameTicks = 1;
    }

    // Frames until the question closed, or -1. A frame length > 0 makes every such frame
    // that long, the others one tick.
    static int Play(AutopilotGoal goal, int choice, int maxFrames = 4000, int longEvery = 0, float longFrame = 1) {
        for (int frame = 1; frame <= maxFrames; ++frame) {
            FeedPointer(JumperAutopilot(goal, choice));
            ReadPointer();
            FrameFactor = longEvery > 0 && frame % longEvery == 0 ? longFrame : 1.0f;
            UpdateGame();
            if (QuestionOpen == 0) return frame;
        }
        return -1;
    }
};

TEST_F(JumperAutopilotRun, ReachesEveryColourInManyScenesWithoutBeingCaught) {
    int longest = 0;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        for (int choice = 1; choice <= 4; ++choice) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", colour " << choice);
            Scene(seed);
            const int plansBefore = AutopilotPlans();
            const int frames = Play(AutopilotGoal::Gem, choice);
            ASSERT_GT(frames, 0) << "the question is still open";
            EXPECT_EQ(QuestionForfeited, 0);
            EXPECT_EQ(ChosenAnswer, choice);
            // At a steady frame length the model of the kid and the game agree frame for
            // frame, so one plan carries the kid all the way.
            EXPECT_EQ(AutopilotPlans() - plansBefore, 1);
            longest = std::max(longest, frames);
        }
    }
    EXPECT_EQ(AutopilotFailedPlans(), 0);
    RecordProperty("LongestFrames", longest);
}

TEST_F(JumperAutopilotRun, FindsItsWayAgainWhenFramesRunLong) {
    const int plansBefore = AutopilotPlans();
    for (unsigned seed = 500; seed < 540; ++seed) {
        SCOPED_TRACE(seed);
        Scene(seed);
        const int choice = static_cast<int>(seed % 4) + 1;
        ASSERT_GT(Play(AutopilotGoal::Gem, choice, 4000, 9, 2.3f), 0);
        EXPECT_EQ(QuestionForfeited, 0);
        EXPECT_EQ(ChosenAnswer, choice);
    }
    EXPECT_GT(AutopilotPlans() - plansBefore, 40) << "every long frame throws the plan off course";
}

TEST_F(JumperAutopilotRun, WalksIntoTheZombieWithoutTouchingAGem) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        Scene(seed);
        ASSERT_GT(Play(AutopilotGoal::Zombie, 0), 0);
        EXPECT_EQ(QuestionForfeited, 1);
        EXPECT_EQ(ChosenAnswer, 0);
        EXPECT_EQ(WrongCount, 1);
        EXPECT_GT(PlayerY - 80, 432) << "caught by the zombie, not the bat";
    }
}

}  // namespace
