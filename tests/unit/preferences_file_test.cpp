// The preferences file: what a file on disk does to the options window, the exact bytes
// the window writes, and where the file lives.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/reset.h"
#include "launcher/preferences.h"
#include "launcher/startup_window.h"
#include "platform/fake/fake_native_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "quiz/notepad.h"

namespace {
using Bytes = std::vector<unsigned char>;

Bytes Concat(Bytes head, const std::string& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

class PreferencesFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qb-prefs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        Folder = pattern;
        Restart();
    }
    void TearDown() override {
        SetWorkingFolder("");
        std::filesystem::remove_all(Folder);
    }
    void Restart() {
        FakePlatformReset();
        ResetGameState();
        StudentName.clear();
        FakeSetProfileFolder(Folder);
    }

    std::string PrefsPath() const { return Folder + "/quillbrook_prefs.ini"; }
    Bytes PrefsBytes() const {
        std::ifstream in(PrefsPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WritePrefs(const Bytes& bytes) const {
        std::ofstream out(PrefsPath(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static const FakeControl& Control(int n) { return FakeNativeControls().at(static_cast<std::size_t>(n)); }

    std::string Folder;
};

TEST_F(PreferencesFileTest, FileSetsTheWindowsControls) {
    const Bytes head = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};   // not muted, windowed, parent gives the name
    struct Case {
        const char* what;
        Bytes file;
        int mute, windowed, ownName;
        std::string name;
    };
    const Case cases[] = {
        {"muted, full screen, Ann", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'A', 'n', 'n'}, 1, 0, 0, "Ann"},
        {"the defaults in 12 bytes", {0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, 0, 1, 1, ""},
        // A short file: the second integer is made of bytes 4 and 5 only (256), the third is 0.
        {"6 bytes", {7, 0, 0, 0, 0, 1}, 1, 1, 0, ""},
        {"0 bytes", {}, 0, 0, 0, ""},
        {"name ends at CR", Concat(head, "Ann\rBob"), 0, 1, 0, "Ann"},
        {"name ends at LF", Concat(head, "Ann\nBob"), 0, 1, 0, "Ann"},
        {"name ends at CRLF", Concat(head, "Ann\r\nBob"), 0, 1, 0, "Ann"},
        {"name ends at a zero byte", Concat(head, std::string("Ann\0Bob", 7)), 0, 1, 0, "Ann"},
        {"line end before the name", Concat(head, "\nAnn"), 0, 1, 0, ""},
        {"blanks and Windows-1252 kept", Concat(head, " Zo\xEB "), 0, 1, 0, " Zo\xEB "},
        {"any non-zero value ticks", {2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}, 1, 1, 1, ""},
        // A ticked box means the student types the name: a name in the file is not used.
        {"ticked box with a name", Concat({0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, "Zoe"), 0, 1, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        WritePrefs(c.file);
        BuildStartupWindow();
        EXPECT_EQ(Control(MuteAudioBox).state, c.mute);
        EXPECT_EQ(Control(WindowedOption).state, c.windowed);
        EXPECT_EQ(Control(FullScreenOption).state, 1 - c.windowed);
        EXPECT_EQ(Control(OwnNameBox).state, c.ownName);
        EXPECT_EQ(Control(NameField).text, c.name);
        // The field is open exactly when the box says the parent gives the name.
        EXPECT_EQ(Control(NameField).enabled, c.ownName == 0);
        CloseNativeWindow();
    }
}

TEST_F(PreferencesFileTest, WindowWritesItsChoicesByteForByte) {
    struct Case {
        const char* what;
        Bytes before;   // the file from an earlier run, if any
        std::function<void()> user;
        Bytes after;
        std::string studentName;
    };
    const Case cases[] = {
        {"muted, full screen, Ann", {},
         [] {
             FakeClickControl(MuteAudioBox);
             FakeClickControl(FullScreenOption);
             FakeClickControl(OwnNameBox);
             FakeTypeText(NameField, "Ann");
         },
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x41, 0x6E, 0x6E}, "Ann"},
        {"the defaults", {}, [] {}, {0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, ""},
        {"blanks kept as typed", {},
         [] {
             FakeClickControl(OwnNameBox);
             FakeTypeText(NameField, "  Ann Lee ");
         },
         Concat({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "  Ann Lee "), "  Ann Lee "},
        {"a longer old file leaves no trace", Concat({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "Bartholomew"),
         [] { FakeClickControl(OwnNameBox); }, {0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, ""},
        {"odd values are written as 0 and 1", Concat({2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, "Ann"),
         [] {}, Concat({1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, "Ann"), "Ann"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        std::filesystem::remove(PrefsPath());
        if (!c.before.empty()) WritePrefs(c.before);
        c.user();
        FakeClickControl(StartButton);
        EXPECT_EQ(RunStartupWindow(), StartGame);
        EXPECT_EQ(PrefsBytes(), c.after);
        EXPECT_EQ(StudentName, c.studentName);
        // The safe write leaves only the finished file behind.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder), {}), 1);
    }
}

TEST_F(PreferencesFileTest, FileLivesInTheHomeFolderOrElseTheWorkingFolder) {
    SetWorkingFolder(Folder + "/game");
    FakeSetProfileFolder(Folder);
    EXPECT_EQ(PreferencesPath(), Folder + "/quillbrook_prefs.ini");
    FakeSetProfileFolder(Folder + "/");
    EXPECT_EQ(PreferencesPath(), Folder + "/quillbrook_prefs.ini");

    // Without a home folder the file is written and read back beside the game.
    std::filesystem::create_directory(Folder + "/game");
    FakeSetProfileFolder("");
    EXPECT_EQ(PreferencesPath(), Folder + "/game/quillbrook_prefs.ini");
    FakeClickControl(MuteAudioBox);
    FakeClickControl(StartButton);
    RunStartupWindow();
    EXPECT_TRUE(std::filesystem::exists(Folder + "/game/quillbrook_prefs.ini"));

    FakePlatformReset();
    FakeUseCloseBox();
    RunStartupWindow();
    EXPECT_EQ(Control(MuteAudioBox).state, 1);
}

TEST_F(PreferencesFileTest, AFileThatCannotBeWrittenIsQuietlySkipped) {
    FakeSetProfileFolder(Folder + "/no-such-folder");
    FakeClickControl(MuteAudioBox);
    FakeClickControl(StartButton);
    EXPECT_EQ(RunStartupWindow(), StartGame);
    EXPECT_FALSE(std::filesystem::exists(Folder + "/no-such-folder"));
    EXPECT_TRUE(FakeMessages().empty());
}
}  // namespace
