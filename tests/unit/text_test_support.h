// Small font files built in memory for the font and text tests.
#pragma once
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/pictures.h"
#include "render/font.h"

struct FixtureGlyph {
    int code, offsetX, offsetY, advance, rise, atlasX, atlasY, width, height;
};

inline std::string FixturePath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("qb_" + std::to_string(getpid()) + "_" + name)).string();
}

inline std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A white, opaque PNG of the given size.
inline std::vector<unsigned char> AtlasPng(int width, int height) {
    Image picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.assign(static_cast<std::size_t>(width) * height * 4, 255);
    std::string path = FixturePath("atlas.png");
    EncodePngFile(path, picture);
    std::vector<unsigned char> bytes = ReadBytes(path);
    std::filesystem::remove(path);
    return bytes;
}

inline void AppendInt16(std::vector<unsigned char>& out, int v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

inline std::vector<unsigned char> FontSignature() { return {0x54, 0x83, 0x7C, 0x31, 0x2E, 0x30, 0x30, 0x7C}; }

inline void AppendRecord(std::vector<unsigned char>& out, const FixtureGlyph& g) {
    for (int v : {g.code, g.offsetX, g.offsetY, g.advance, g.rise, g.atlasX, g.atlasY, g.width, g.height})
        AppendInt16(out, v);
}

// Signature, one record per glyph, the end mark and the atlas picture.
inline std::vector<unsigned char> FontFile(const std::vector<FixtureGlyph>& glyphs, int atlasWidth = 512,
                                           int atlasHeight = 32) {
    std::vector<unsigned char> bytes = FontSignature();
    for (const FixtureGlyph& g : glyphs) AppendRecord(bytes, g);
    AppendInt16(bytes, 0);
    std::vector<unsigned char> png = AtlasPng(atlasWidth, atlasHeight);
    bytes.insert(bytes.end(), png.begin(), png.end());
    return bytes;
}

inline const GlyphEntry& Glyph(const BitmapFont* font, char code) {
    return font->Glyphs[static_cast<unsigned char>(code)];
}

inline BitmapFont* LoadFontBytes(int number, const std::vector<unsigned char>& bytes) {
    return LoadFontFromMemory(number, bytes.data(), bytes.size());
}

// The text tests' font, on a 512-pixel-wide atlas where every glyph's rectangle starts at
// x = its code, so a recorded draw tells which character it was. Every glyph sits 1 right of
// and 2 below the pen. Letters advance 10 and rise 14 (a line is 16 high), the space 5,
// ";" "," "." "?" 4. "~" is odd on purpose: it starts left of and above the pen and sits
// below the baseline. Nothing else (a tab, for one) is defined.
constexpr int FixtureAtlasWidth = 512;
constexpr int LetterAdvance = 10, SpaceAdvance = 5, MarkAdvance = 4;
constexpr int LetterRise = 14, LetterWidth = 8, LetterHeight = 16;

inline std::vector<FixtureGlyph> TextFixtureGlyphs() {
    std::vector<FixtureGlyph> glyphs;
    for (int c = 'A'; c <= 'Z'; ++c) glyphs.push_back({c, 1, 2, LetterAdvance, LetterRise, c, 0, LetterWidth, LetterHeight});
    for (int c = 'a'; c <= 'z'; ++c) glyphs.push_back({c, 1, 2, LetterAdvance, LetterRise, c, 0, LetterWidth, LetterHeight});
    glyphs.push_back({' ', 1, 2, SpaceAdvance, 0, ' ', 0, 0, 0});
    for (int c : {';', ',', '.', '?'}) glyphs.push_back({c, 1, 2, MarkAdvance, 10, c, 0, 2, 12});
    glyphs.push_back({'~', -3, -5, 6, -4, '~', 0, 4, 3});
    return glyphs;
}

inline BitmapFont* LoadTextFixtureFont(int number = MainFont) {
    return LoadFontBytes(number, FontFile(TextFixtureGlyphs(), FixtureAtlasWidth, 32));
}

// A drawn glyph of the fixture font: its character and the pen it was drawn at (scale 1, upright).
struct DrawnGlyph {
    char code;
    float penX, penY;
};

inline char DrawnCode(const RecordedDraw& d) {
    return static_cast<char>(std::lround(d.u0 * FixtureAtlasWidth));
}

inline std::vector<DrawnGlyph> DrawnGlyphs() {
    std::vector<DrawnGlyph> out;
    for (const RecordedDraw& d : FakeQuadDraws()) {
        char code = DrawnCode(d);
        float dx = code == '~' ? -3.0f : 1.0f, dy = code == '~' ? -5.0f : 2.0f;
        out.push_back({code, d.points[0].x - dx, d.points[0].y - dy});
    }
    return out;
}

// The drawn characters split into lines wherever the pen's y changes.
inline std::vector<std::string> DrawnLines() {
    std::vector<std::string> lines;
    float y = NAN;
    for (const DrawnGlyph& g : DrawnGlyphs()) {
        if (lines.empty() || g.penY != y) lines.emplace_back();
        y = g.penY;
        lines.back() += g.code;
    }
    return lines;
}
