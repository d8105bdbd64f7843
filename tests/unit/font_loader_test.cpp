#include <gtest/gtest.h>

#include <filesystem>

#include "app/reset.h"
#include "platform/fake/fake_platform.h"
#include "platform/video.h"
#include "render/font.h"
#include "render/text.h"
#include "unit/text_test_support.h"

namespace {

class FontLoader : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
    }
    void TearDown() override { ResetGameState(); }
};

// A glyph "A" with negative offsets on a 256 x 128 atlas, at 64, 32, 16 x 20.
const FixtureGlyph AtlasExample{'A', -3, -5, 18, 15, 64, 32, 16, 20};

std::vector<unsigned char> SmallFont() { return FontFile({AtlasExample, {'B', 0, 1, 9, 12, 80, 32, 8, 14}}, 256, 128); }

TEST_F(FontLoader, TableStartsWithEmptyEntriesZeroAndOne) {
    ASSERT_GE(FontTable.size(), 2u);
    EXPECT_EQ(FindFont(0), nullptr);
    EXPECT_EQ(FindFont(1), nullptr);
    EXPECT_EQ(FindFont(-1), nullptr);
    EXPECT_EQ(FindFont(65535), nullptr);
}

TEST_F(FontLoader, LoadsAFileWithDefaultsAndPrecomputedTextureCoordinates) {
    std::string path = FixturePath("small.tf");
    WriteBytes(path, SmallFont());
    BitmapFont* font = LoadFont(MainFont, path);
    std::filesystem::remove(path);

    ASSERT_NE(font, nullptr);
    EXPECT_EQ(FindFont(MainFont), font);
    EXPECT_EQ(font->FontNumber, 0);
    EXPECT_EQ(font->DefaultScale, 1.0f);
    EXPECT_EQ(font->DefaultAlpha, 255);
    EXPECT_EQ(font->DefaultColour, 0xFFFFFF);
    EXPECT_EQ(font->DefaultSlant, 0.0f);
    EXPECT_EQ(QuadWidth(font->AtlasQuad), 256);
    EXPECT_EQ(QuadHeight(font->AtlasQuad), 128);

    const GlyphEntry& a = Glyph(font, 'A');
    EXPECT_TRUE(a.Defined);
    EXPECT_EQ(a.OffsetX, -3);   // 16-bit fields are signed
    EXPECT_EQ(a.OffsetY, -5);
    EXPECT_EQ(a.Advance, 18);
    EXPECT_EQ(a.Rise, 15);
    EXPECT_EQ(a.Width, 16);
    EXPECT_EQ(a.Height, 20);
    EXPECT_EQ(a.U0, 0.25f);
    EXPECT_EQ(a.V0, 0.25f);
    EXPECT_EQ(a.U1, 0.3125f);
    EXPECT_EQ(a.V1, 0.40625f);

    EXPECT_TRUE(Glyph(font, 'B').Defined);
    const GlyphEntry& c = Glyph(font, 'C');
    EXPECT_FALSE(c.Defined);
    EXPECT_EQ(c.Advance, 0);
    EXPECT_EQ(c.U1, 0.0f);
}

TEST_F(FontLoader, FontWithoutGlyphsLoadsAndShowsNothing) {
    BitmapFont* font = LoadFontBytes(MainFont, FontFile({}));
    ASSERT_NE(font, nullptr);
    for (const GlyphEntry& g : font->Glyphs) EXPECT_FALSE(g.Defined);
    DrawText(MainFont, 10, 10, "Hello", -1, -1, -1, -1);
    EXPECT_EQ(DrawTextWrapped(MainFont, 10, 10, "Hello there", 20, -1, -1, -1, -1), "Hello there");
    EXPECT_TRUE(FakeQuadDraws().empty());
    EXPECT_EQ(TextWidth(MainFont, "Hello", 1), 0);
    EXPECT_EQ(TextHeight(MainFont, "Hello", 1), 0);
}

TEST_F(FontLoader, LaterRecordForACodeReplacesTheEarlier) {
    BitmapFont* font = LoadFontBytes(MainFont, FontFile({{'A', 1, 1, 7, 9, 0, 0, 5, 5}, AtlasExample}, 256, 128));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(Glyph(font, 'A').Advance, 18);
    EXPECT_EQ(Glyph(font, 'A').U0, 0.25f);
}

TEST_F(FontLoader, RecordsForCodesOutsideTheCodePageAreSkipped) {
    std::vector<FixtureGlyph> glyphs;
    for (int code : {-1, -32768, 256, 300, 32767}) glyphs.push_back({code, 1, 1, 99, 9, 0, 0, 4, 4});
    glyphs.push_back({128, 0, 0, 11, 9, 0, 0, 4, 4});
    glyphs.push_back({255, 0, 0, 12, 9, 0, 0, 4, 4});
    BitmapFont* font = LoadFontBytes(MainFont, FontFile(glyphs));
    ASSERT_NE(font, nullptr);
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(font->Glyphs[code].Defined, code == 128 || code == 255);
    }
    EXPECT_EQ(font->Glyphs[128].Advance, 11);
    EXPECT_EQ(font->Glyphs[255].Advance, 12);
    EXPECT_EQ(TextWidth(MainFont, "\x80\xFF", 1), 23);
}

TEST_F(FontLoader, LoadingAgainReplacesTheFontUnderThatNumber) {
    ASSERT_NE(LoadFontBytes(1, FontFile({{'A', 0, 0, 5, 9, 0, 0, 4, 4}})), nullptr);
    BitmapFont* second = LoadFontBytes(1, FontFile({{'A', 0, 0, 8, 9, 0, 0, 4, 4}}));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(FindFont(1), second);
    EXPECT_EQ(TextWidth(1, "A", 1), 8);
}

TEST_F(FontLoader, TableGrowsToTheHighestNumber) {
    BitmapFont* font = LoadFontBytes(65535, SmallFont());
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->FontNumber, 65535);
    EXPECT_EQ(FindFont(65535), font);
    EXPECT_EQ(FindFont(7), nullptr);
    EXPECT_EQ(FindFont(65536), nullptr);
}

TEST_F(FontLoader, FreeFontEmptiesTheEntryOnce) {
    BitmapFont* font = LoadFontBytes(3, SmallFont());
    ASSERT_NE(font, nullptr);
    FreeFont(font);
    EXPECT_EQ(FindFont(3), nullptr);
    FreeFont(font);   // no longer in the table: ignored, not freed twice
    FreeFont(nullptr);
    EXPECT_EQ(TextWidth(3, "A", 1), 0);
}

TEST_F(FontLoader, ResetFreesEveryFontAndClearsTheSemicolonFlag) {
    ASSERT_NE(LoadFontBytes(0, SmallFont()), nullptr);
    ASSERT_NE(LoadFontBytes(9, SmallFont()), nullptr);
    SemicolonAsSpace = 1;
    ResetGameState();
    EXPECT_EQ(FindFont(0), nullptr);
    EXPECT_EQ(FindFont(9), nullptr);
    EXPECT_EQ(FontTable.size(), 2u);
    EXPECT_EQ(SemicolonAsSpace, 0);
}

struct DamagedFile {
    std::string name;
    std::vector<unsigned char> bytes;
    int number = 1;
};

std::vector<DamagedFile> DamagedFiles() {
    const FixtureGlyph other{'A', 0, 0, 5, 9, 0, 0, 4, 4};
    std::vector<unsigned char> valid = FontFile({other});
    std::vector<unsigned char> signature = FontSignature();
    std::vector<unsigned char> png = AtlasPng(16, 16);
    std::vector<DamagedFile> files;

    files.push_back({"empty file", {}});
    files.push_back({"signature cut short", std::vector<unsigned char>(signature.begin(), signature.end() - 1)});
    for (int i = 0; i < 8; ++i) {
        DamagedFile f{"signature byte " + std::to_string(i) + " changed", valid};
        f.bytes[i] ^= 0x01;
        files.push_back(f);
    }
    files.push_back({"number above 65535", valid, 65536});
    files.push_back({"negative number", valid, -1});

    std::vector<unsigned char> list = signature;
    AppendRecord(list, other);
    AppendRecord(list, other);
    files.push_back({"no end mark and no picture", list});
    files.push_back({"cut inside a record", std::vector<unsigned char>(list.begin(), list.end() - 7)});
    files.push_back({"cut inside the end mark", [&] { auto b = list; b.push_back(0); return b; }()});

    std::vector<unsigned char> marked = list;
    AppendInt16(marked, 0);
    files.push_back({"end mark without a picture", marked});
    files.push_back({"not a picture after the end mark", [&] {
                         auto b = marked;
                         for (int i = 0; i < 64; ++i) b.push_back(static_cast<unsigned char>(i * 37));
                         return b;
                     }()});
    files.push_back({"picture cut short", [&] {
                         auto b = marked;
                         b.insert(b.end(), png.begin(), png.begin() + static_cast<long>(png.size() / 2));
                         return b;
                     }()});
    files.push_back({"picture damaged", [&] {
                         auto b = marked;
                         auto damaged = png;
                         damaged[damaged.size() / 2] ^= 0xFF;   // inside the pixel data: its checksum fails
                         b.insert(b.end(), damaged.begin(), damaged.end());
                         return b;
                     }()});
    return files;
}

TEST_F(FontLoader, DamagedFilesFailAndTheLoadedFontSurvives) {
    for (const DamagedFile& file : DamagedFiles()) {
        SCOPED_TRACE(file.name);
        ResetGameState();
        BitmapFont* old = LoadFontBytes(1, SmallFont());
        ASSERT_NE(old, nullptr);
        std::size_t tableSize = FontTable.size();

        // An exact-size copy, so that a read past its end is caught by the sanitizers.
        std::vector<unsigned char> bytes = file.bytes;
        EXPECT_EQ(LoadFontFromMemory(file.number, bytes.data(), bytes.size()), nullptr);

        EXPECT_EQ(FindFont(1), old);
        EXPECT_EQ(Glyph(old, 'A').Advance, 18);
        EXPECT_EQ(FontTable.size(), tableSize);
    }
}

TEST_F(FontLoader, MissingFileFailsAndTheLoadedFontSurvives) {
    BitmapFont* old = LoadFontBytes(MainFont, SmallFont());
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(LoadFont(MainFont, FixturePath("no such font.tf")), nullptr);
    EXPECT_EQ(FindFont(MainFont), old);
}

TEST_F(FontLoader, EveryTruncationOfAValidFileFails) {
    const std::vector<unsigned char> whole = SmallFont();
    BitmapFont* old = LoadFontBytes(1, whole);
    ASSERT_NE(old, nullptr);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        std::vector<unsigned char> part(whole.begin(), whole.begin() + static_cast<long>(cut));
        EXPECT_EQ(LoadFontFromMemory(1, part.data(), part.size()), nullptr);
        EXPECT_EQ(FindFont(1), old);
    }
    EXPECT_NE(LoadFontBytes(1, whole), nullptr);
}

}  // namespace
