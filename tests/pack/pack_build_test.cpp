// Building a pack from its source: the game's text files in Windows-1252 with CRLF
// line ends, the pictures at the game's sizes, and clear messages for faulty sources.
#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "pack_build.h"
#include "pack_check.h"
#include "pack_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const fs::path Source = fs::path(QB_FIXTURES) / "packs" / "source";

TEST(PackBuild, TextFilesAreWrittenInTheGamesCodePageWithCrlf) {
    fs::path out = pack_test::TempFolder("build");
    std::vector<SourceProblem> problems;
    ASSERT_TRUE(BuildPack(Source.string(), (out / "subject").string(), problems));
    EXPECT_TRUE(problems.empty());

    EXPECT_EQ(ReadAll(out / "subject" / "QBA.ini"),
              "Subject=G\xE9ographie\r\nVersion=1\r\nLives=4\r\nTip1=Walk; jump.\r\nTip2=Fire.\r\nTip3=Fly.\r\n"
              "Tip4=Sail.\r\nTip5=Click.\r\n");
    // Line for line: a line number in q.dat is the same line of questions.txt.
    EXPECT_EQ(ReadAll(out / "subject" / "q.dat"),
              "Q1\r\nWhat is 3 \xD7 4?\r\n2\r\n7\r\n12\r\n34\r\n1\r\n\r\n"
              "Q2\r\nWhich costs 2 \x80?\r\n1\r\nA bun\r\nA car\r\nA house\r\nA ship\r\n");

    std::vector<PackDiagnostic> found = CheckPack((out / "subject").string(), pack_test::FontPath());
    ASSERT_EQ(found.size(), 1u) << FormatDiagnostic("", found[0]);
    EXPECT_NE(found[0].Message.find("only 2 questions"), std::string::npos);
    fs::remove_all(out);
}

// Reads a built picture: its size, and the pixel at (x, y) as 0xAARRGGBB.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
};

Picture Load(const fs::path& path) {
    Picture picture;
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(surface);
        picture.width = cairo_image_surface_get_width(surface);
        picture.height = cairo_image_surface_get_height(surface);
        const unsigned char* data = cairo_image_surface_get_data(surface);
        int stride = cairo_image_surface_get_stride(surface);
        bool alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
                picture.pixels.push_back(alpha ? p : (p | 0xFF000000u));
            }
    }
    cairo_surface_destroy(surface);
    return picture;
}

TEST(PackBuild, PicturesHaveTheGamesSizesAndPaperStaysWhite) {
    fs::path out = pack_test::TempFolder("pictures");
    std::vector<SourceProblem> problems;
    ASSERT_TRUE(BuildPack(Source.string(), out.string(), problems));

    Picture emblem = Load(out / "subject.png");
    ASSERT_EQ(emblem.width, 380);
    ASSERT_EQ(emblem.height, 380);
    EXPECT_EQ(emblem.At(0, 0) >> 24, 0u) << "the emblem's corners are transparent";
    EXPECT_EQ(emblem.At(190, 150) >> 24, 0xFFu) << "the badge itself is opaque";

    for (int n = 1; n <= 5; ++n) {
        Picture page = Load(out / ("revis0" + std::to_string(n) + ".png"));
        ASSERT_EQ(page.width, 360) << n;
        ASSERT_EQ(page.height, 360) << n;
        int ink = 0, black = 0;
        for (std::uint32_t p : page.pixels) {
            ink += (p & 0xFFFFFF) != 0xFFFFFF;
            black += (p & 0xFFFFFF) == 0;
        }
        EXPECT_EQ(page.At(0, 0), 0xFFFFFFFFu) << "paper is pure white, page " << n;
        EXPECT_EQ(page.At(359, 359), 0xFFFFFFFFu) << "paper is pure white, page " << n;
        EXPECT_GT(ink, 500) << "the page carries its text, page " << n;
        EXPECT_EQ(black, 0) << "pure black would be a hole, page " << n;
    }
    fs::remove_all(out);
}

TEST(PackBuild, FaultySourcesAreReportedWithTheirLine) {
    const std::map<std::string, std::string> base = {
        {"pack.txt", "name: Birds\nlives: 3\ntip1: a\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n"},
        {"questions.txt", "Q\nWhich?\n1\na\nb\nc\nd\n"},
        {"revision1.txt", "Birds\nText.\n"},
        {"revision2.txt", "Birds\nText.\n"},
        {"revision3.txt", "Birds\nText.\n"},
        {"revision4.txt", "Birds\nText.\n"},
        {"revision5.txt", "Birds\nText.\n"},
    };
    std::string tooLong = "A long page\n";
    for (int i = 0; i < 40; ++i) tooLong += "* Line " + std::to_string(i) + " of a page that is far too long to fit.\n";
    struct Case {
        const char* file;
        const char* text;   // nullptr: the file is left out
        const char* problemFile;
        int line;
        const char* phrase;
    } cases[] = {
        {"pack.txt", "name: Birds\nlives: 3\ncolour: red\ntip1: a\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n", "pack.txt", 3,
         "unknown setting \"colour\""},
        {"pack.txt", "name: Birds\nlives: 0\ntip1: a\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n", "pack.txt", 2,
         "from 1 to 9"},
        {"pack.txt", "name: Birds\nlives: three\ntip1: a\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n", "pack.txt", 2,
         "from 1 to 9"},
        {"pack.txt", "name: Birds\n\n# no tip 5\ntip1: a\ntip2: b\ntip3: c\ntip4: d\n", "pack.txt", 0, "\"tip5:\""},
        {"pack.txt", "lives: 3\ntip1: a\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n", "pack.txt", 0, "\"name:\""},
        {"pack.txt", "name: Birds\ntip1: 1 + 1 = 2\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n", "pack.txt", 2,
         "cannot hold \"=\""},
        {"pack.txt", "name: Birds\npicture: dragon\ntip1: a\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n", "pack.txt", 2,
         "picture must be"},
        {"pack.txt", "name: Birds\njust some words\ntip1: a\ntip2: b\ntip3: c\ntip4: d\ntip5: e\n", "pack.txt", 2,
         "label: value"},
        {"questions.txt", nullptr, "questions.txt", 0, "cannot be read"},
        {"revision2.txt", "Birds\n| a | b |\n| c |\n", "revision2.txt", 3, "has 1 cells; the rows above have 2"},
        {"revision3.txt", tooLong.c_str(), "revision3.txt", 0, "does not fit"},
        {"revision4.txt", nullptr, "revision4.txt", 0, "cannot be read"},
        {"revision5.txt", "# only notes\n\n", "revision5.txt", 0, "no heading"},
    };
    for (const Case& c : cases) {
        fs::path source = pack_test::TempFolder("source");
        for (const auto& [name, text] : base)
            if (name != c.file || c.text) std::ofstream(source / name) << (name == c.file ? c.text : text);
        std::vector<SourceProblem> problems;
        EXPECT_FALSE(BuildPack(source.string(), (source / "out").string(), problems)) << c.file << " " << c.phrase;
        ASSERT_EQ(problems.size(), 1u) << c.phrase;
        EXPECT_EQ(problems[0].File, c.problemFile) << c.phrase;
        EXPECT_EQ(problems[0].Line, c.line) << c.phrase;
        EXPECT_NE(problems[0].Message.find(c.phrase), std::string::npos) << problems[0].Message;
        fs::remove_all(source);
    }
}

}  // namespace
