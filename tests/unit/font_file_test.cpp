// Reads the forged "Helv20.tf" by the rules of the font file format, on its own rather than through
// the game's loader: signature, 18-byte glyph records, the end mark and the PNG atlas behind it.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const unsigned char Signature[8] = {0x54, 0x83, 0x7C, 0x31, 0x2E, 0x30, 0x30, 0x7C};
const unsigned char PngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t RecordSize = 18;

struct Record {
    int code, offsetX, offsetY, advance, rise, atlasX, atlasY, width, height;
    std::size_t at;  // byte offset of the record in the file
};

struct FontFile {
    std::vector<unsigned char> bytes;
    std::vector<Record> records;
    std::size_t endMark = 0;  // offset of the int16 0 that ends the list
    int atlasWidth = 0, atlasHeight = 0;
    bool atlasHasAlpha = false;
    std::vector<unsigned char> atlas;  // RGBA
};

int Int16At(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[at] | b[at + 1] << 8));
}

// The codes the font is built to define: printable ASCII and every defined character of
// Windows-1252 from 0x80 up; the no-break space is a second space.
std::set<int> ExpectedCodes() {
    std::set<int> codes;
    for (int c = 32; c <= 126; ++c) codes.insert(c);
    for (int c = 128; c <= 255; ++c)
        if (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) codes.insert(c);
    return codes;
}

class FontFileTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        font = new FontFile;
        std::ifstream in(std::string(QB_GAME_DIR) + "/Helv20.tf", std::ios::binary);
        font->bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        const auto& b = font->bytes;
        if (b.size() < 10) return;
        std::size_t at = 8;
        while (at + 2 <= b.size() && Int16At(b, at) != 0) {
            if (at + RecordSize > b.size()) return;  // cut short inside a record: leave endMark 0
            int f[9];
            for (int i = 0; i < 9; ++i) f[i] = Int16At(b, at + 2 * i);
            font->records.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], at});
            at += RecordSize;
        }
        if (at + 2 > b.size()) return;
        font->endMark = at;
        png_image image;
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
        if (!png_image_begin_read_from_memory(&image, b.data() + at + 2, b.size() - at - 2)) return;
        font->atlasHasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
        image.format = PNG_FORMAT_RGBA;
        font->atlas.resize(PNG_IMAGE_SIZE(image));
        if (!png_image_finish_read(&image, nullptr, font->atlas.data(), 0, nullptr)) {
            font->atlas.clear();
            return;
        }
        font->atlasWidth = static_cast<int>(image.width);
        font->atlasHeight = static_cast<int>(image.height);
    }
    static void TearDownTestSuite() { delete font; }

    static const Record* Find(int code) {
        for (const Record& r : font->records)
            if (r.code == code) return &r;
        return nullptr;
    }
    static int Alpha(int x, int y) { return font->atlas[(static_cast<std::size_t>(y) * font->atlasWidth + x) * 4 + 3]; }
    // First and last rows of a glyph's cell that hold ink (-1 when there is none).
    static int InkTop(const Record& r) {
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                if (Alpha(r.atlasX + x, r.atlasY + y) > 0) return y;
        return -1;
    }
    static int InkBottom(const Record& r) {
        for (int y = r.height - 1; y >= 0; --y)
            for (int x = 0; x < r.width; ++x)
                if (Alpha(r.atlasX + x, r.atlasY + y) > 0) return y;
        return -1;
    }
    static bool Blank(int code) { return code == 0x20 || code == 0xA0; }

    static FontFile* font;
};

FontFile* FontFileTest::font = nullptr;

TEST_F(FontFileTest, StartsWithTheSignature) {
    ASSERT_GE(font->bytes.size(), 8u) << "Helv20.tf is missing from the game folder";
    EXPECT_TRUE(std::equal(Signature, Signature + 8, font->bytes.begin()));
}

TEST_F(FontFileTest, DefinesEveryPrintableCharacterOnce) {
    ASSERT_NE(font->endMark, 0u) << "the glyph list has no end mark";
    std::map<int, int> seen;
    for (const Record& r : font->records) {
        EXPECT_TRUE(r.code >= 1 && r.code <= 255) << "code " << r.code;
        ++seen[r.code];
    }
    const std::set<int> expected = ExpectedCodes();
    for (int code : expected) EXPECT_EQ(seen[code], 1) << "code " << code;
    for (const auto& [code, count] : seen) EXPECT_TRUE(expected.count(code)) << "unexpected code " << code;
    EXPECT_EQ(font->records.size(), expected.size());
}

TEST_F(FontFileTest, EndMarkIsFollowedByAPngWithAlpha) {
    ASSERT_NE(font->endMark, 0u);
    const auto& b = font->bytes;
    EXPECT_EQ(font->endMark, 8 + RecordSize * font->records.size());
    EXPECT_EQ(b[font->endMark], 0);
    EXPECT_EQ(b[font->endMark + 1], 0);
    ASSERT_GE(b.size(), font->endMark + 10);
    EXPECT_TRUE(std::equal(PngSignature, PngSignature + 8, b.begin() + static_cast<std::ptrdiff_t>(font->endMark) + 2));
    ASSERT_FALSE(font->atlas.empty()) << "the atlas does not decode";
    EXPECT_TRUE(font->atlasHasAlpha);
}

// Byte layout: codes above 127 are stored as unsigned values (E9 00, not sign-extended to E9 FF),
// fields are low byte first, and a blank's picture fields are all zero bytes.
TEST_F(FontFileTest, RecordsAreLittleEndianNineFieldsWide) {
    const Record* e = Find(0xE9);
    const Record* space = Find(0x20);
    ASSERT_TRUE(e && space);
    const auto& b = font->bytes;
    EXPECT_EQ(b[e->at], 0xE9);
    EXPECT_EQ(b[e->at + 1], 0x00);
    EXPECT_EQ(b[space->at], 0x20);
    EXPECT_EQ(b[space->at + 1], 0x00);
    EXPECT_EQ(b[space->at + 6], space->advance & 0xFF);
    EXPECT_EQ(b[space->at + 7], 0x00);
    for (std::size_t i = 14; i < RecordSize; ++i) EXPECT_EQ(b[space->at + i], 0) << "byte " << i;
}

// Metrics that make TextWidth and TextHeight agree with the text as drawn.
TEST_F(FontFileTest, MetricsPlaceGlyphsOnOneLine) {
    ASSERT_FALSE(font->records.empty());
    // Every visible glyph's picture is one whole line cell hanging from the line top, so every
    // text measures the font's full height and wrapped lines keep clear of each other.
    const Record* a = Find('A');
    ASSERT_TRUE(a);
    const int rise = a->rise, cell = a->height;
    EXPECT_GE(rise, 17);
    EXPECT_LE(rise, 21);
    EXPECT_GE(cell - rise, 4) << "room for descenders below the baseline";
    for (const Record& r : font->records) {
        EXPECT_GE(r.advance, 1) << "code " << r.code;
        EXPECT_LE(r.advance, 30) << "code " << r.code;
        EXPECT_LE(r.offsetX + r.width, r.advance + 3) << "picture far beyond its advance, code " << r.code;
        EXPECT_GE(r.offsetX, -3) << "code " << r.code;
        if (Blank(r.code)) continue;
        EXPECT_EQ(r.offsetY, 0) << "code " << r.code;
        EXPECT_EQ(r.rise, rise) << "code " << r.code;
        EXPECT_EQ(r.height, cell) << "code " << r.code;
    }

    // Where the ink lies in the cell: baseline sitters end on the baseline row, descenders go below.
    struct Shape {
        int code;
        int below;  // ink rows below the baseline
    };
    const Shape shapes[] = {
        {'A', 0}, {'H', 0}, {'x', 0}, {'.', 0}, {'1', 0},  // sit on the baseline
        {'g', 4}, {'p', 4}, {'y', 4},                     // descend
    };
    for (const Shape& s : shapes) {
        const Record* r = Find(s.code);
        ASSERT_TRUE(r);
        EXPECT_NEAR(InkBottom(*r) + 1 - r->rise, s.below, 1) << static_cast<char>(s.code);
    }
    EXPECT_EQ(InkTop(*Find('A')), InkTop(*Find('H'))) << "capitals share one height";
    EXPECT_LT(InkTop(*Find('A')), InkTop(*Find('x')));
    EXPECT_LT(InkTop(*Find(0xC5)), InkTop(*Find('A'))) << "the ring of A-ring sits above the capitals";
    EXPECT_GE(InkTop(*Find('_')), rise) << "the underscore lies below the baseline";

    // Digits share one advance so numbers (the score) do not jiggle as they change.
    for (int d = '1'; d <= '9'; ++d) EXPECT_EQ(Find(d)->advance, Find('0')->advance);
    EXPECT_LT(Find('i')->advance, Find('m')->advance);
    EXPECT_EQ(Find(0xA0)->advance, Find(' ')->advance);
}

TEST_F(FontFileTest, GlyphPicturesAreTightInkInsideTheAtlasWithAGapAround) {
    ASSERT_FALSE(font->atlas.empty());
    const int w = font->atlasWidth, h = font->atlasHeight;
    std::vector<int> owner(static_cast<std::size_t>(w) * h, 0);
    for (const Record& r : font->records) {
        if (Blank(r.code)) {
            EXPECT_EQ(r.width, 0);
            EXPECT_EQ(r.height, 0);
            EXPECT_EQ(r.rise, 0);
            continue;
        }
        ASSERT_GT(r.width, 0) << "code " << r.code;
        ASSERT_GT(r.height, 0) << "code " << r.code;
        // Inside the atlas with a one-pixel frame, so the frame can be checked too.
        ASSERT_GE(r.atlasX, 1) << "code " << r.code;
        ASSERT_GE(r.atlasY, 1) << "code " << r.code;
        ASSERT_LE(r.atlasX + r.width + 1, w) << "code " << r.code;
        ASSERT_LE(r.atlasY + r.height + 1, h) << "code " << r.code;
        // Tight sideways: ink reaches the left and right edges (the cell's height is the line's).
        bool left = false, right = false;
        for (int y = 0; y < r.height; ++y) {
            left |= Alpha(r.atlasX, r.atlasY + y) > 0;
            right |= Alpha(r.atlasX + r.width - 1, r.atlasY + y) > 0;
        }
        EXPECT_TRUE(left && right) << "rectangle is not tight around code " << r.code;
        EXPECT_GE(InkTop(r), 0) << "code " << r.code << " has no ink";
        // The frame round the rectangle is transparent: bilinear filtering never reaches a neighbour.
        for (int x = r.atlasX - 1; x <= r.atlasX + r.width; ++x) {
            EXPECT_EQ(Alpha(x, r.atlasY - 1), 0) << "code " << r.code;
            EXPECT_EQ(Alpha(x, r.atlasY + r.height), 0) << "code " << r.code;
        }
        for (int y = r.atlasY; y < r.atlasY + r.height; ++y) {
            EXPECT_EQ(Alpha(r.atlasX - 1, y), 0) << "code " << r.code;
            EXPECT_EQ(Alpha(r.atlasX + r.width, y), 0) << "code " << r.code;
        }
        // No two glyphs share a pixel.
        for (int y = r.atlasY; y < r.atlasY + r.height; ++y)
            for (int x = r.atlasX; x < r.atlasX + r.width; ++x) {
                int& o = owner[static_cast<std::size_t>(y) * w + x];
                EXPECT_EQ(o, 0) << "codes " << o << " and " << r.code << " overlap";
                o = r.code;
            }
    }
    // White glyphs: the tint colours them exactly, and filtering never darkens their edges.
    for (std::size_t p = 0; p < font->atlas.size(); p += 4)
        if (font->atlas[p + 3] > 0) {
            ASSERT_EQ(font->atlas[p], 255);
            ASSERT_EQ(font->atlas[p + 1], 255);
            ASSERT_EQ(font->atlas[p + 2], 255);
        }
}

}  // namespace
