// The options window on the fake native window: its opening states, the name box, the
// ways out, the subjects page button and a window that cannot open.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/reset.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "launcher/startup_window.h"
#include "platform/fake/fake_native_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "platform/sound.h"
#include "quiz/notepad.h"

namespace {
class StartupWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        StudentName.clear();
        char pattern[] = "/tmp/qb-launcher-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
        FakeSetProfileFolder(Folder);
        InitSound();
        MusicSound = 7;   // so that muting shows as a recorded volume change
    }
    void TearDown() override {
        SetWorkingFolder("");
        std::filesystem::remove_all(Folder);
    }

    std::string PrefsPath() const { return Folder + "/quillbrook_prefs.ini"; }
    std::vector<unsigned char> PrefsBytes() const {
        std::ifstream in(PrefsPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WritePrefs(const std::vector<unsigned char>& bytes) const {
        std::ofstream out(PrefsPath(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static const FakeControl& Control(int n) { return FakeNativeControls().at(static_cast<std::size_t>(n)); }

    std::string Folder;
};

TEST_F(StartupWindowTest, OpensWithDefaultsWhenThereIsNoPreferencesFile) {
    FakeUseCloseBox();
    RunStartupWindow();

    EXPECT_EQ(FakeNativeWindowCaption(), "Quillbrook Learning Rizizer - Parent & Teachers Panel");
    EXPECT_EQ(FakeNativeWindowWidth(), 418);
    EXPECT_EQ(FakeNativeWindowHeight(), 271);
    ASSERT_EQ(FakeNativeControls().size(), static_cast<std::size_t>(StartupControlCount));
    EXPECT_EQ(Control(WindowedOption).state, 1);
    EXPECT_EQ(Control(FullScreenOption).state, 0);
    EXPECT_EQ(Control(MuteAudioBox).state, 0);
    EXPECT_EQ(Control(OwnNameBox).state, 1);
    EXPECT_EQ(Control(RememberBox).state, 1);
    EXPECT_EQ(Control(NameField).text, "");
    EXPECT_FALSE(Control(NameField).enabled);
    EXPECT_EQ(Control(StartButton).font.weight, 700);
    EXPECT_FALSE(Control(StartButton).font.italic || Control(StartButton).font.underline ||
                 Control(StartButton).font.strikeOut);
    EXPECT_EQ(Control(QuitButton).font.weight, 400);
    // The banner built into the program decodes to its full size.
    EXPECT_EQ(Control(BannerPicture).pictureWidth, 418);
    EXPECT_EQ(Control(BannerPicture).pictureHeight, 78);
    // Everything the parent can click explains itself.
    for (const FakeControl& c : FakeNativeControls()) {
        if (c.kind == NativeOptionButton || c.kind == NativeCheckBox || c.kind == NativePushButton) {
            EXPECT_FALSE(c.toolTip.empty()) << c.text;
        }
    }
}

TEST_F(StartupWindowTest, TickingTheNameBoxEmptiesAndLocksTheField) {
    // Unticked, the parent can type a name and it is used.
    FakeClickControl(OwnNameBox);
    FakeTypeText(NameField, "Ann");
    FakeClickControl(StartButton);
    RunStartupWindow();
    EXPECT_TRUE(Control(NameField).enabled);
    EXPECT_EQ(StudentName, "Ann");

    // Ticked again, the typed name is thrown away and the field takes no more typing.
    FakePlatformReset();
    FakeSetProfileFolder(Folder);
    std::filesystem::remove(PrefsPath());
    FakeClickControl(OwnNameBox);
    FakeTypeText(NameField, "Ann");
    FakeClickControl(OwnNameBox);
    FakeTypeText(NameField, "Bob");
    FakeClickControl(StartButton);
    RunStartupWindow();
    EXPECT_EQ(Control(OwnNameBox).state, 1);
    EXPECT_FALSE(Control(NameField).enabled);
    EXPECT_EQ(StudentName, "");
}

TEST_F(StartupWindowTest, OptionButtonsFollowTheLastClick) {
    FakeClickControl(FullScreenOption);
    FakeClickControl(WindowedOption);
    FakeClickControl(FullScreenOption);
    FakeClickControl(StartButton);
    RunStartupWindow();
    EXPECT_EQ(Control(WindowedOption).state, 0);
    EXPECT_EQ(Control(FullScreenOption).state, 1);
    EXPECT_EQ(Windowed, 0);
}

// Every way out applies the choices, writes the file when asked and pauses 2 seconds.
TEST_F(StartupWindowTest, EveryWayOutAppliesTheChoices) {
    struct Case {
        const char* way;
        int control;   // the last click, or NativeCloseEvent for the close box
        int result;
    };
    const Case cases[] = {
        {"close box", NativeCloseEvent, StartClosed},
        {"Quit", QuitButton, StartQuit},
        {"Start >>", StartButton, StartGame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        FakePlatformReset();
        ResetGameState();
        FakeSetProfileFolder(Folder);
        InitSound();
        MusicSound = 7;
        std::filesystem::remove(PrefsPath());

        FakeClickControl(MuteAudioBox);
        FakeClickControl(FullScreenOption);
        FakeClickControl(OwnNameBox);
        FakeTypeText(NameField, "Kim");
        if (c.control == NativeCloseEvent) FakeUseCloseBox();
        else FakeClickControl(c.control);

        EXPECT_EQ(RunStartupWindow(), c.result);
        EXPECT_EQ(StartChoice, c.result);
        EXPECT_FALSE(FakeNativeScriptRanOut());
        EXPECT_FALSE(NativeWindowIsOpen());
        EXPECT_EQ(FakeSleptMs(), 2000u);
        EXPECT_EQ(Windowed, 0);
        EXPECT_EQ(Muted, 1);
        ASSERT_FALSE(FakeSounds().empty());
        EXPECT_EQ(FakeSounds().front().kind, RecordedSound::Volume);
        EXPECT_EQ(FakeSounds().front().sound, 7);
        EXPECT_EQ(FakeSounds().front().volume, 0);
        EXPECT_EQ(StudentName, "Kim");
        EXPECT_EQ(PrefsBytes(), (std::vector<unsigned char>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'K', 'i', 'm'}));
    }
}

TEST_F(StartupWindowTest, UntickedRememberLeavesTheOldFile) {
    const std::vector<unsigned char> old = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 'A', 'n', 'n'};
    WritePrefs(old);
    FakeClickControl(RememberBox);
    FakeClickControl(MuteAudioBox);
    FakeClickControl(StartButton);
    EXPECT_EQ(RunStartupWindow(), StartGame);
    EXPECT_EQ(Muted, 1);
    EXPECT_EQ(StudentName, "Ann");
    EXPECT_EQ(PrefsBytes(), old);
}

TEST_F(StartupWindowTest, MoreSubjectsOnlineOpensThePageAndKeepsTheWindow) {
    SetWorkingFolder(Folder);
    std::filesystem::create_directory(Folder + "/docs");
    std::ofstream(Folder + "/docs/subjects.html") << "<html></html>";
    FakeClickControl(MoreSubjectsButton);
    FakeClickControl(MoreSubjectsButton);
    FakeClickControl(StartButton);
    EXPECT_EQ(RunStartupWindow(), StartGame);
    const std::string page = "file://" + Folder + "/docs/subjects.html";
    EXPECT_EQ(FakeOpenedAddresses(), (std::vector<std::string>{page, page}));

    // Without the page the button quietly does nothing and the window runs on.
    FakePlatformReset();
    FakeSetProfileFolder(Folder);
    std::filesystem::remove_all(Folder + "/docs");
    FakeClickControl(MoreSubjectsButton);
    FakeClickControl(QuitButton);
    EXPECT_EQ(RunStartupWindow(), StartQuit);
    EXPECT_TRUE(FakeOpenedAddresses().empty());
    EXPECT_TRUE(FakeMessages().empty());
}

// Without a display there is no window: nothing is applied or written, and the game ends.
TEST_F(StartupWindowTest, AWindowThatCannotOpenEndsAsClosed) {
    FakeFailNativeWindow(true);
    StudentName = "kept";
    EXPECT_EQ(RunStartupWindow(), StartClosed);
    EXPECT_TRUE(FakeNativeControls().empty());
    EXPECT_EQ(FakeSleptMs(), 2000u);
    EXPECT_EQ(Windowed, 1);
    EXPECT_EQ(Muted, 0);
    EXPECT_EQ(StudentName, "kept");
    EXPECT_FALSE(std::filesystem::exists(PrefsPath()));
}
}  // namespace
