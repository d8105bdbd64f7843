// Damaged packs give file:line diagnostics that point at the fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "pack_check.h"
#include "pack_fixture.h"

namespace {

namespace fs = std::filesystem;
using pack_test::FontPath;
using pack_test::TempFolder;
using pack_test::WriteGoodPictures;
using pack_test::WritePicture;

struct Expected {
    const char* file;
    int line;
    bool error;
    const char* phrase;
};

struct Case {
    const char* fixture;   // folder under tests/fixtures/packs laid over the sound pack
    std::function<void(const fs::path&)> damage;   // further changes to the assembled pack
    std::vector<Expected> expected;
};

// The fixtures hold a few questions only; that warning is tested once, on its own.
bool IsShortRoundWarning(const PackDiagnostic& d) {
    return d.File == "q.dat" && d.Line == 0 && !d.Error && d.Message.find("a round of 20") != std::string::npos;
}

std::string Describe(const std::vector<PackDiagnostic>& found) {
    std::string out;
    for (const PackDiagnostic& d : found) out += FormatDiagnostic("PACK", d) + "\n";
    return out;
}

fs::path Assemble(const char* fixture) {
    fs::path folder = TempFolder("check");
    fs::path fixtures = fs::path(QB_FIXTURES) / "packs";
    for (const fs::path& from : {fixtures / "sound", fixtures / fixture})
        for (const auto& entry : fs::directory_iterator(from))
            fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing);
    WriteGoodPictures(folder);
    return folder;
}

TEST(PackCheck, DamagedPacksAreReportedAtTheFaultyLine) {
    const Case cases[] = {
        {"sound", nullptr, {}},
        {"cut_short", nullptr, {{"q.dat", 9, true, "cut short by the end of the file: it has 4 of its 7 lines"}}},
        {"right_answer",
         nullptr,
         {{"q.dat", 3, true, "must be 1, 2, 3 or 4 (reads as 0)"},
          {"q.dat", 10, true, "must be 1, 2, 3 or 4 (reads as 5)"},
          {"q.dat", 17, true, "must be 1, 2, 3 or 4 (reads as 0)"}}},
        {"empty_texts",
         nullptr,
         {{"q.dat", 2, true, "the question is empty"},
          {"q.dat", 6, true, "answer 3 is empty"},
          {"q.dat", 14, true, "answer 4 is the same as answer 1"}}},
        {"board",
         nullptr,
         {{"q.dat", 2, true, "runs off the bottom of the blackboard"},
          {"q.dat", 9, false, "takes 7 lines on the blackboard"},
          {"q.dat", 16, false, "\"Supercalifragilisticexpialidocious?\" is wider than the blackboard"}}},
        {"long_answer",
         nullptr,
         {{"q.dat", 4, true, "answer 1 is too long: it must shrink to scale 0.55"},
          {"q.dat", 5, false, "answer 2 shrinks to scale 0.7"}}},
        {"glyphs",
         nullptr,
         {{"q.dat", 2, true, "no glyph for byte 0x81"}, {"q.dat", 5, true, "no glyph for a tab"}}},
        {"codepage", nullptr, {{"QBA.ini", 1, true, "U+2713"}, {"QBA.ini", 8, true, "U+2192"}}},
        {"descriptor_short",
         nullptr,
         {{"QBA.ini", 4, true, "line missing"},
          {"QBA.ini", 5, true, "line missing"},
          {"QBA.ini", 6, true, "line missing"},
          {"QBA.ini", 7, true, "line missing"},
          {"QBA.ini", 8, true, "line missing: line 8 holds the tip of game 5"}}},
        {"descriptor_values",
         nullptr,
         {{"QBA.ini", 1, true, "the subject's name is empty"},
          {"QBA.ini", 3, true, "lives must be at least 1 (reads as 0)"},
          {"QBA.ini", 4, false, "a second \"=\" ends the value"},
          {"QBA.ini", 5, false, "the tip of game 2 is empty"},
          {"QBA.ini", 6, true, "no \"=\""}}},
        {"lives_text",
         nullptr,
         {{"QBA.ini", 3, false, "12 lives"}, {"QBA.ini", 3, false, "\"12 hearts\" gives 12"}}},
        {"empty_questions", nullptr, {{"q.dat", 0, true, "holds no questions"}}},
        {"sound",
         [](const fs::path& p) {
             fs::remove(p / "QBA.ini");
             fs::remove(p / "q.dat");
         },
         {{"QBA.ini", 0, true, "Failed to read QBA.ini"}, {"q.dat", 0, true, "cannot be read"}}},
        {"sound",
         [](const fs::path& p) {
             fs::remove(p / "subject.png");
             WritePicture(p / "revis02.png", 300, false, false);
             WritePicture(p / "revis03.png", 360, false, true);
             std::filesystem::resize_file(p / "revis04.png", 40);
         },
         {{"subject.png", 0, true, "missing"},
          {"revis02.png", 0, true, "is 300 x 300 pixels; the game draws it at 360 x 360"},
          {"revis03.png", 0, false, "20 pure black pixels"},
          {"revis04.png", 0, true, "not a PNG picture"}}},
        {"sound",
         [](const fs::path& p) { WritePicture(p / "subject.png", 380, false, false); },
         {{"subject.png", 0, false, "has no alpha channel"}}},
    };
    for (const Case& c : cases) {
        fs::path folder = Assemble(c.fixture);
        if (c.damage) c.damage(folder);
        std::vector<PackDiagnostic> found = CheckPack(folder.string(), FontPath());
        std::erase_if(found, IsShortRoundWarning);
        SCOPED_TRACE(std::string(c.fixture) + ":\n" + Describe(found));
        ASSERT_EQ(found.size(), c.expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].File, c.expected[i].file) << i;
            EXPECT_EQ(found[i].Line, c.expected[i].line) << i;
            EXPECT_EQ(found[i].Error, c.expected[i].error) << i;
            EXPECT_NE(found[i].Message.find(c.expected[i].phrase), std::string::npos) << i;
        }
        fs::remove_all(folder);
    }
}

TEST(PackCheck, ShortQuestionFileAndMissingFontAreReported) {
    fs::path folder = Assemble("sound");
    std::vector<PackDiagnostic> found = CheckPack(folder.string(), "");
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].File, "Helv20.tf");
    EXPECT_TRUE(found[0].Error);
    bool shortRound = false;
    for (const PackDiagnostic& d : found) shortRound = shortRound || IsShortRoundWarning(d);
    EXPECT_TRUE(shortRound);
    fs::remove_all(folder);
}

TEST(PackCheck, DiagnosticsReadAsFileLineMessage) {
    EXPECT_EQ(FormatDiagnostic("game/subject", {"q.dat", 15, true, "answer 2 is empty"}),
              "game/subject/q.dat:15: error: answer 2 is empty");
    EXPECT_EQ(FormatDiagnostic("game/subject", {"subject.png", 0, false, "has no alpha channel"}),
              "game/subject/subject.png: warning: has no alpha channel");
}

TEST(PackCheck, FontIsFoundInTheGameFolderBesideThePack) {
    fs::path game = TempFolder("font");
    fs::create_directories(game / "subject");
    EXPECT_EQ(FindPackFont((game / "subject").string()), "");
    fs::copy_file(FontPath(), game / "Helv20.tf");
    EXPECT_EQ(fs::path(FindPackFont((game / "subject").string())), game / "Helv20.tf");
    fs::remove_all(game);
}

}  // namespace
