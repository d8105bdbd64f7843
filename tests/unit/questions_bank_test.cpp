// The question file: seven-line blocks, blank lines only before a header, blocks
// cut short by the end of the file, reloading, and the messages for unusable files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/random.h"
#include "app/reset.h"
#include "content/question_bank.h"
#include "content/subject_descriptor.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "temp_folder.h"

using namespace std::string_literals;

namespace {

std::vector<QuestionBlockPlace> Parse(const std::string& bytes) {
    std::vector<QuestionBlockPlace> places;
    ParseQuestions(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &places);
    return places;
}

std::string Block(const std::string& header, const std::string& text, const std::string& right, const char* a1,
                  const char* a2, const char* a3, const char* a4) {
    return header + "\n" + text + "\n" + right + "\n" + a1 + "\n" + a2 + "\n" + a3 + "\n" + a4 + "\n";
}

class Questions : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
    }
};

TEST_F(Questions, BlankLinesBetweenBlocksAndAtTheEndAddNothing) {
    Parse(Block("1", "What is 2 + 2?", "2", "3", "4", "5", "6") + "\n  \n\n" +
          Block("2", "What is 3 + 3?", "4", "5", "7", "8", "6") + "\n\n   \n");
    ASSERT_EQ(QuestionCount, 2);
    EXPECT_EQ(QuestionBank[1].Text, "What is 2 + 2?");
    EXPECT_EQ(QuestionBank[1].RightChoice, 2);
    EXPECT_EQ(QuestionBank[2].ChoiceTexts[4], "6");
    EXPECT_EQ(QuestionBank[2].RightChoice, 4);
}

TEST_F(Questions, LinesOfABlockAreReadAsTheyCome) {
    struct Case {
        const char* name;
        std::string file;
        std::string text;
        int right;
        std::string answers[4];
    } cases[] = {
        {"right answer with words after it", Block("Q", "Which?", " 3 (the red one)", "a", "b", "c", "d"), "Which?", 3,
         {"a", "b", "c", "d"}},
        {"blank answer stays in its place", Block("Q", "Which?", "1", "a", "", "c", "d"), "Which?", 1, {"a", "", "c", "d"}},
        {"blank question text is not skipped", Block("Q", "   ", "2", "a", "b", "c", "d"), "", 2, {"a", "b", "c", "d"}},
        {"spaces trimmed, tabs kept", Block("Q", "  Hi \t ", "\t4", " a ", "\tb", "c  ", "d"), "Hi \t", 4,
         {"a", "\tb", "c", "d"}},
        {"semicolons stored as written", Block("Q", "What is 7 x 8?;Think of 7 x 4 first.", "1", "56", "54", "48", "64"),
         "What is 7 x 8?;Think of 7 x 4 first.", 1, {"56", "54", "48", "64"}},
        {"a line of tabs is a header", "\t\nWhich?\n2\na\nb\nc\nd", "Which?", 2, {"a", "b", "c", "d"}},
        {"file ends right after a header", "\n\nQuestion 1\n", "", 0, {"", "", "", ""}},
        {"file ends inside the answers", "Q\nHalf?\n2\nyes", "Half?", 2, {"yes", "", "", ""}},
        {"mixed line ends, a zero byte among them", "Q\r\nWhich?\r3\na\r\nb\0c\nd"s, "Which?", 3, {"a", "b", "c", "d"}},
    };
    for (const Case& c : cases) {
        Parse(c.file);
        ASSERT_EQ(QuestionCount, 1) << c.name;
        EXPECT_EQ(QuestionBank[1].Text, c.text) << c.name;
        EXPECT_EQ(QuestionBank[1].RightChoice, c.right) << c.name;
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(QuestionBank[1].ChoiceTexts[k], c.answers[k - 1]) << c.name << " answer " << k;
    }
}

TEST_F(Questions, PlacesGiveTheHeaderLineAndHowMuchOfTheBlockTheFileHad) {
    std::vector<QuestionBlockPlace> places =
        Parse("\n" + Block("1", "A?", "1", "a", "b", "c", "d") + "\n\n" + "2\nB?\n1\na\nb\nc\nd" + "\n\n3\nC?\n2\n");
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].HeaderLine, 2);
    EXPECT_EQ(places[0].LinesPresent, 6);
    EXPECT_EQ(places[1].HeaderLine, 11);
    EXPECT_EQ(places[1].LinesPresent, 6);   // the last line has no line end and still counts
    EXPECT_EQ(places[2].HeaderLine, 19);
    EXPECT_EQ(places[2].LinesPresent, 2);
}

TEST_F(Questions, ReloadWithFewerQuestionsOverwritesAndKeepsTheBanksSize) {
    std::string five;
    for (int i = 1; i <= 5; ++i) five += Block("Q", "Old " + std::to_string(i), "1", "a", "b", "c", "d");
    Parse(five);
    ASSERT_EQ(QuestionCount, 5);
    std::size_t size = QuestionBank.size();

    Parse(Block("Q", "New 1", "2", "a", "b", "c", "d") + Block("Q", "New 2", "3", "a", "b", "c", "d"));
    EXPECT_EQ(QuestionCount, 2);
    EXPECT_EQ(QuestionBank.size(), size);
    EXPECT_EQ(QuestionBank[1].Text, "New 1");
    EXPECT_EQ(QuestionBank[2].RightChoice, 3);
    EXPECT_EQ(QuestionBank[3].Text, "Old 3");   // no longer used, but not thrown away
}

class QuestionFile : public Questions {
protected:
    TempFolder temp;   // the working folder, removed after the test
    std::filesystem::path folder = temp.path;
    void SetUp() override {
        Questions::SetUp();
        std::filesystem::create_directories(folder / "subject");
        SetWorkingFolder(folder.string());
    }
    void TearDown() override { SetWorkingFolder(""); }
    void Write(const std::string& bytes) { std::ofstream(folder / "subject" / "q.dat", std::ios::binary) << bytes; }
};

TEST_F(QuestionFile, LoadsTheFileAndPutsTheCursorOnOneOfItsQuestions) {
    Write(Block("1", "A?", "1", "a", "b", "c", "d") + Block("2", "B?", "2", "a", "b", "c", "d") +
          Block("3", "C?", "3", "a", "b", "c", "d"));
    std::set<int> cursors;
    for (unsigned seed = 0; seed < 60; ++seed) {
        SeedRandom(seed);
        ASSERT_TRUE(LoadQuestions(QuestionFilePath));
        ASSERT_EQ(QuestionCount, 3);
        cursors.insert(QuestionCursor);
    }
    EXPECT_EQ(cursors, (std::set<int>{1, 2, 3}));
    EXPECT_TRUE(FakeMessages().empty());
}

TEST_F(QuestionFile, UnusableFilesAreReportedWithThePath) {
    struct Case {
        const char* name;
        bool write;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"missing file", false, "", "Could not read question file.. subject\\q.dat"},
        {"empty file", true, "", "The question file holds no questions: subject\\q.dat"},
        {"only blank lines", true, "\r\n   \n\n", "The question file holds no questions: subject\\q.dat"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "subject" / "q.dat");
        if (c.write) Write(c.bytes);
        FakeMessages().clear();
        EXPECT_FALSE(LoadQuestions("subject\\q.dat")) << c.name;
        EXPECT_EQ(QuestionCount, 0) << c.name;
        ASSERT_EQ(FakeMessages().size(), 1u) << c.name;
        EXPECT_EQ(FakeMessages()[0].title, "Error") << c.name;
        EXPECT_EQ(FakeMessages()[0].text, c.message) << c.name;
    }
}

}  // namespace

namespace {

TEST(SubjectContentReset, BankAndDescriptorReturnToTheirStartUpState) {
    FakePlatformReset();
    ResetGameState();
    std::string file = "Q\nA?\n1\na\nb\nc\nd\nQ\nB?\n2\na\nb\nc\nd\n";
    ParseQuestions(reinterpret_cast<const unsigned char*>(file.data()), file.size());
    QuestionCursor = 2;
    QuestionFilePath = "elsewhere\\q.dat";
    std::string descriptor = "S=Birds\nV=1\nL=4\nT=walk\nT=\nT=\nT=\nT=click\n";
    ParseSubjectDescriptor(reinterpret_cast<const unsigned char*>(descriptor.data()), descriptor.size());
    ResetGameState();
    EXPECT_EQ(StartLives, 0);
    EXPECT_EQ(TipText[1], "");
    EXPECT_EQ(TipText[5], "");
    EXPECT_EQ(QuestionCount, 0);
    EXPECT_EQ(QuestionCursor, 0);
    EXPECT_EQ(QuestionBank.size(), 1u);
    EXPECT_EQ(QuestionFilePath, "subject\\q.dat");
}

}  // namespace
