// The subject descriptor: eight label=value lines by position, the integer reader,
// line ends, and the missing-file message.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/reset.h"
#include "app/screen.h"
#include "content/subject_descriptor.h"
#include "content/text_lines.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "temp_folder.h"

namespace {

void Parse(const std::string& bytes) {
    ParseSubjectDescriptor(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

class Descriptor : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
    }
};

TEST_F(Descriptor, SubjectNameIsTrimmedOfSpacesIntoTheCaption) {
    Parse("Subject = Fractions and Decimals \nVersion=1\nLives=3\n");
    EXPECT_EQ(WindowTitle, "Quillbrook Rizizer - Fractions and Decimals");
}

TEST_F(Descriptor, LivesLineReadAsAnInteger) {
    struct Case {
        const char* line;
        int lives;
    } cases[] = {
        {"Lives=5", 5},           {"Lives= 5 lives", 5},     {"Lives=five", 0},
        {"Lives=\t7", 7},         {"Lives=$1F", 31},         {"Lives=%101", 5},
        {"Lives=-3", -3},         {"Lives=+4", 4},           {"Lives", 0},
        {"Lives=", 0},            {"Lives=4=9", 4},          {"Lives=$", 0},
        {"Lives=99999999999", INT_MAX}, {"Lives=-99999999999", INT_MIN},
    };
    for (const Case& c : cases) {
        Parse(std::string("Subject=S\nVersion=1\n") + c.line + "\n");
        EXPECT_EQ(StartLives, c.lives) << c.line;
    }
}

TEST_F(Descriptor, IntegerReaderStopsAtTheFirstCharacterOutsideItsBase) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {" \t 42", 42},   {"$ff", 255},      {"$1G", 1},        {"%102", 2},
        {"-$10", -16},    {"12abc", 12},     {"- 5", 0},        {"", 0},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"$FFFFFFFFFF", INT_MAX},
        {"%1111111111111111111111111111111111", INT_MAX},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST_F(Descriptor, ValueEndsAtTheNextEqualsSignAndKeepsTabs) {
    Parse("Name=a=b\nVersion\nLives=3\nTip1=\tgo left \nTip2 no equals sign\nTip3=  ;Click;  \n");
    EXPECT_EQ(WindowTitle, "Quillbrook Rizizer - a");
    EXPECT_EQ(TipText[1], "\tgo left");
    EXPECT_EQ(TipText[2], "");
    EXPECT_EQ(TipText[3], ";Click;");
}

TEST_F(Descriptor, EveryKindOfLineEndSeparatesTheSameLines) {
    for (const std::string& end : {std::string("\n"), std::string("\r"), std::string("\r\n"), std::string(1, '\0')}) {
        std::string file;
        for (const char* line : {"Subject=Maths", "Version=1", "Lives=4", "T1=a", "T2=b", "T3=c", "T4=d", "T5=e"})
            file += std::string(line) + end;
        Parse(file);
        EXPECT_EQ(WindowTitle, "Quillbrook Rizizer - Maths");
        EXPECT_EQ(StartLives, 4);
        EXPECT_EQ(TipText[1], "a");
        EXPECT_EQ(TipText[5], "e");
    }
}

TEST_F(Descriptor, ShortFileLeavesLaterValuesEmptyAndLinesAfterTheEighthAreIgnored) {
    Parse("Subject=Birds\r\nVersion=1\r\nLives=2");
    EXPECT_EQ(StartLives, 2);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(TipText[n], "") << n;

    Parse("");
    EXPECT_EQ(WindowTitle, "Quillbrook Rizizer - ");
    EXPECT_EQ(StartLives, 0);

    Parse("S=x\nV=1\nL=1\nT=1\nT=2\nT=3\nT=4\nT=5\nT=6\nT=7\n");
    EXPECT_EQ(TipText[5], "5");
}

TEST_F(Descriptor, Utf8FileIsConvertedToTheFontsCodePage) {
    Parse("Subject=G\xC3\xA9ographie\nVersion=1\nLives=3\n");
    EXPECT_EQ(WindowTitle, "Quillbrook Rizizer - G\xE9ographie");
}

class DescriptorFile : public Descriptor {
protected:
    TempFolder temp;   // the working folder, removed after the test
    std::filesystem::path folder = temp.path;
    void SetUp() override {
        Descriptor::SetUp();
        std::filesystem::create_directories(folder / "subject");
        SetWorkingFolder(folder.string());
    }
    void TearDown() override { SetWorkingFolder(""); }
};

TEST_F(DescriptorFile, ReadsSubjectQbaIniFromTheWorkingFolder) {
    std::ofstream(folder / "subject" / "QBA.ini", std::ios::binary) << "Subject=Science\r\nVersion=1\r\nLives=3\r\nTip1=Walk\r\n";
    EXPECT_TRUE(ReadSubjectDescriptor());
    EXPECT_EQ(WindowTitle, "Quillbrook Rizizer - Science");
    EXPECT_EQ(StartLives, 3);
    EXPECT_EQ(TipText[1], "Walk");
    EXPECT_TRUE(FakeMessages().empty());
}

TEST_F(DescriptorFile, MissingFileShowsTheErrorAndGivesFalse) {
    EXPECT_FALSE(ReadSubjectDescriptor());
    ASSERT_EQ(FakeMessages().size(), 1u);
    EXPECT_EQ(FakeMessages()[0].title, "Error");
    EXPECT_EQ(FakeMessages()[0].text, "Failed to read QBA.ini");
}

}  // namespace
