// The program's start-up, its frame loop and its ways out, on the fake platform.
#include <gtest/gtest.h>

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/game.h"
#include "app/keys.h"
#include "app/reset.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "content/question_bank.h"
#include "platform/fake/fake_native_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/rounds.h"
#include "quiz/screens.h"
#include "temp_folder.h"

namespace {

const char* Descriptor =
    "Subject=Fractions and Decimals\r\nVersion=1\r\nLives=3\r\nTip1=Jump!\r\nTip2=Fire!\r\nTip3=Fly!\r\n"
    "Tip4=Sail!\r\nTip5=Open!\r\n";

std::string Questions(int count, const std::string& word = "Question") {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + "\r\n" + word + " " + std::to_string(i) + "?\r\n2\r\nA\r\nB\r\nC\r\nD\r\n\r\n";
    return text;
}

class Startup : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder profile;

    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        folder.Write("subject/QBA.ini", Descriptor);
        folder.Write("subject/q.dat", Questions(5));
        folder.Copy(std::string(QB_GAME_DIR) + "/Helv20.tf", "Helv20.tf");
        SetWorkingFolder(folder.path.string());
        FakeSetProfileFolder(profile.path.string());
    }
    void TearDown() override {
        ShutDownGame();
        SetWorkingFolder("");
    }
    static bool Start() {
        FakeClickControl(10);   // "Start >>"
        return StartProgram();
    }
    static void Frames(int n) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(RunFrame());
    }
    static void TapKey(int key) {
        FakeSetKey(key, true);
        ASSERT_TRUE(RunFrame());
        FakeSetKey(key, false);
        ASSERT_TRUE(RunFrame());
    }
};

TEST_F(Startup, MissingDescriptorShowsOnlyItsMessage) {
    std::filesystem::remove(folder.path / "subject/QBA.ini");
    EXPECT_FALSE(Start());
    ASSERT_EQ(FakeMessages().size(), 1u);
    EXPECT_EQ(FakeMessages()[0].title, "Error");
    EXPECT_EQ(FakeMessages()[0].text, "Failed to read QBA.ini");
    EXPECT_FALSE(FakeNativeWindowShown());
    EXPECT_FALSE(FakeSurfaceOpen());
}

TEST_F(Startup, LeavingTheOptionsWindowEndsWithoutASurface) {
    for (bool quit : {true, false}) {
        SCOPED_TRACE(quit ? "Quit" : "close box");
        FakePlatformReset();
        ResetGameState();
        FakeSetProfileFolder(profile.path.string());
        if (quit) FakeClickControl(12);
        else FakeUseCloseBox();
        EXPECT_FALSE(StartProgram());
        EXPECT_TRUE(FakeNativeWindowShown());
        EXPECT_FALSE(FakeSurfaceOpen());
        EXPECT_GE(FakeSleptMs(), 2000u);
        EXPECT_TRUE(FakeMessages().empty());
    }
}

TEST_F(Startup, EachDrawingFailureHasItsMessage) {
    const std::pair<const char*, const char*> cases[] = {
        {"sprites", "Sprite system can't be initialized"},
        {"quads", "Sprite3D system can't be initialized correctly"},
        {"window", "Cannot open application window"},
        {"surface", "Failed to start DirectX9 application"},
    };
    for (const auto& [step, message] : cases) {
        SCOPED_TRACE(step);
        FakePlatformReset();
        ResetGameState();
        FakeSetProfileFolder(profile.path.string());
        FakeFailVideoStep(step);
        EXPECT_FALSE(Start());
        ASSERT_EQ(FakeMessages().size(), 1u);
        EXPECT_EQ(FakeMessages()[0].text, message);
        EXPECT_FALSE(FakeSurfaceOpen());
    }
}

TEST_F(Startup, MissingOrEmptyQuestionFileStopsWithItsMessage) {
    std::filesystem::remove(folder.path / "subject/q.dat");
    EXPECT_FALSE(Start());
    ASSERT_EQ(FakeMessages().size(), 1u);
    EXPECT_EQ(FakeMessages()[0].text, "Could not read question file.. subject\\q.dat");

    FakePlatformReset();
    ResetGameState();
    FakeSetProfileFolder(profile.path.string());
    folder.Write("subject/q.dat", "\r\n\r\n");
    EXPECT_FALSE(Start());
    ASSERT_EQ(FakeMessages().size(), 1u);
    EXPECT_EQ(FakeMessages()[0].text, "The question file holds no questions: subject\\q.dat");
}

TEST_F(Startup, MissingFontStopsWithAMessage) {
    std::filesystem::remove(folder.path / "Helv20.tf");
    EXPECT_FALSE(Start());
    ASSERT_EQ(FakeMessages().size(), 1u);
    EXPECT_NE(FakeMessages()[0].text.find("Helv20.tf"), std::string::npos);
}

TEST_F(Startup, OpensTheCaptionedWindowOnTheHubWithTheGlovePointer) {
    folder.WritePicture("graph/glove.png", 80, 80);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(FakeSurfaceOpen());
    EXPECT_TRUE(FakeSurfaceWindowed());
    EXPECT_EQ(FakeSurfaceTitle(), "Quillbrook Rizizer - Fractions and Decimals");
    EXPECT_EQ(FakeFrameCap(), 100);
    EXPECT_EQ(CurrentScreen, 0);
    EXPECT_EQ(QuestionNumber, 1) << "the first question is prepared on the hub";
    FakeDraws().clear();
    Frames(1);
    bool glove = false;
    for (const RecordedDraw& d : FakeQuadDraws())
        if (d.quad == GloveQuad) glove = d.x == 512 - 28 && d.y == 384 - 16;
    EXPECT_TRUE(glove) << "the glove is drawn last, at the surface centre";
    EXPECT_EQ(FakeQuadDraws().back().quad, GloveQuad);
}

TEST_F(Startup, EmptyPictureAndSoundFoldersStillRun) {
    ASSERT_TRUE(Start());
    Frames(200);
    EXPECT_EQ(TitleQuad, 0);
    EXPECT_EQ(GoodSound, 0);
}

TEST_F(Startup, EachPassSleepsTenMillisecondsAndPresentsOnce) {
    ASSERT_TRUE(Start());
    const auto slept = FakeSleptMs();
    FakeDraws().clear();
    Frames(5);
    EXPECT_EQ(FakeSleptMs() - slept, 50u);
    int presents = 0;
    for (const RecordedDraw& d : FakeDraws()) presents += d.kind == RecordedDraw::Present;
    EXPECT_EQ(presents, 5);
    EXPECT_FLOAT_EQ(FrameFactor, 1.0f);
}

TEST_F(Startup, LostDisplayDrawsNothingButTheGameGoesOn) {
    ASSERT_TRUE(Start());
    FakeSetBeginQuadsFails(true);
    FakeDraws().clear();
    Frames(3);
    EXPECT_TRUE(FakeQuadDraws().empty());
}

TEST_F(Startup, FiveSkipsAndSixReloadsTheQuestion) {
    ASSERT_TRUE(Start());
    const int number = QuestionNumber, cursor = QuestionCursor;
    TapKey(KeyF5);
    EXPECT_EQ(QuestionNumber, number + 1);
    EXPECT_EQ(QuestionCursor, cursor % 5 + 1);

    // F6 shows the question at the same index again, read afresh from the file.
    folder.Write("subject/q.dat", Questions(8, "Edited"));
    const int shown = QuestionCursor;
    TapKey(KeyF6);
    EXPECT_EQ(QuestionCursor, shown);
    EXPECT_EQ(QuestionText, "Edited " + std::to_string(shown) + "?");
    EXPECT_EQ(QuestionNumber, number + 2);
}

TEST_F(Startup, ReloadOfAShorterFileShowsItsFirstQuestion) {
    folder.Write("subject/q.dat", Questions(8));
    ASSERT_TRUE(Start());
    while (QuestionCursor != 7) TapKey(KeyF5);
    folder.Write("subject/q.dat", Questions(5, "Short"));
    TapKey(KeyF6);
    EXPECT_EQ(QuestionCursor, 1);
    EXPECT_EQ(QuestionText, "Short 1?");
}

TEST_F(Startup, ReloadOfAVanishedFileEndsTheProgramWithItsMessage) {
    ASSERT_TRUE(Start());
    std::filesystem::remove(folder.path / "subject/q.dat");
    FakeSetKey(KeyF6, true);
    ASSERT_TRUE(RunFrame());
    FakeSetKey(KeyF6, false);
    EXPECT_FALSE(RunFrame());
    ASSERT_EQ(FakeMessages().size(), 1u);
    EXPECT_EQ(FakeMessages()[0].text, "Could not read question file.. subject\\q.dat");
}

TEST_F(Startup, KeysAreIgnoredWhileTheWindowIsInactive) {
    ASSERT_TRUE(Start());
    const int number = QuestionNumber;
    FakeSetSurfaceActive(false);
    TapKey(KeyF5);
    EXPECT_EQ(QuestionNumber, number);
}

TEST_F(Startup, EscapeReturnsFromAGameButDoesNothingOnTheHub) {
    ASSERT_TRUE(Start());
    FakeSetKey(KeyEscape, true);
    Frames(2);
    EXPECT_EQ(CurrentScreen, 0);
    FakeSetKey(KeyEscape, false);
    EnterScreen(1);
    Frames(1);
    FakeSetKey(KeyEscape, true);
    Frames(1);
    EXPECT_EQ(CurrentScreen, 0);
}

TEST_F(Startup, ClosingTheWindowEndsTheProgramButFullScreenIgnoresIt) {
    ASSERT_TRUE(Start());
    FakeRequestClose();
    EXPECT_FALSE(RunFrame());

    FakePlatformReset();
    ResetGameState();
    FakeSetProfileFolder(profile.path.string());
    FakeClickControl(3);    // "Full-Screen"
    FakeClickControl(10);   // "Start >>"
    ASSERT_TRUE(StartProgram());
    EXPECT_FALSE(FakeSurfaceWindowed());
    FakeRequestClose();
    EXPECT_TRUE(RunFrame());
}

}  // namespace
