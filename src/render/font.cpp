#include "render/font.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/video.h"

std::vector<BitmapFont*> FontTable(2, nullptr);

namespace {
// The table owns its fonts for the life of the process: this is destroyed just before the
// table itself, and takes the fonts still loaded with it.
struct FontTableOwner {
    ~FontTableOwner() {
        for (BitmapFont*& font : FontTable) {
            delete font;
            font = nullptr;
        }
    }
} TableOwner;
}  // namespace

namespace {

// "T", 0x83, "|1.00|"
constexpr unsigned char Signature[8] = {0x54, 0x83, 0x7C, 0x31, 0x2E, 0x30, 0x30, 0x7C};
constexpr std::size_t RecordSize = 18;   // nine 16-bit fields

int ReadInt16(const unsigned char* at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | at[1] << 8));
}

// Reads the glyph records that follow the signature into font. The texture coordinates are
// left as pixel edges of the atlas. On success atlasAt is the offset of the atlas picture,
// the byte after the end mark; false when the file ends before the end mark.
bool ReadGlyphList(const unsigned char* bytes, std::size_t size, BitmapFont& font, std::size_t& atlasAt) {
    std::size_t at = sizeof Signature;
    for (;;) {
        if (size - at < 2) return false;
        int code = ReadInt16(bytes + at);
        if (code == 0) {
            atlasAt = at + 2;
            return true;
        }
        if (size - at < RecordSize) return false;
        // A text is 8-bit and code 0 ends the list, so a record for any other code could never
        // be drawn: it is skipped and the rest of the file still loads.
        if (code >= 1 && code <= 255) {
            const unsigned char* field = bytes + at;
            GlyphEntry& g = font.Glyphs[code];
            g.Defined = true;
            g.OffsetX = ReadInt16(field + 2);
            g.OffsetY = ReadInt16(field + 4);
            g.Advance = ReadInt16(field + 6);
            g.Rise = ReadInt16(field + 8);
            int atlasX = ReadInt16(field + 10);
            int atlasY = ReadInt16(field + 12);
            g.Width = ReadInt16(field + 14);
            g.Height = ReadInt16(field + 16);
            g.U0 = static_cast<float>(atlasX);
            g.V0 = static_cast<float>(atlasY);
            g.U1 = static_cast<float>(atlasX + g.Width);
            g.V1 = static_cast<float>(atlasY + g.Height);
        }
        at += RecordSize;
    }
}

}  // namespace

BitmapFont* LoadFontFromMemory(int number, const unsigned char* bytes, std::size_t size) {
    if (!bytes || size < sizeof Signature) return nullptr;
    for (std::size_t i = 0; i < sizeof Signature; ++i)
        if (bytes[i] != Signature[i]) return nullptr;
    if (number < 0 || number > HighestFontNumber) return nullptr;
    try {
        // The whole file is checked into a font of its own before the table is touched,
        // so a damaged file never costs the font already loaded under that number.
        auto font = std::make_unique<BitmapFont>();
        font->FontNumber = number;
        std::size_t atlasAt = 0;
        if (!ReadGlyphList(bytes, size, *font, atlasAt)) return nullptr;
        Image atlas;
        if (!DecodePngMemory(bytes + atlasAt, size - atlasAt, PictureOwnAlpha, atlas)) return nullptr;
        font->AtlasQuad = CreateQuad(atlas);
        if (font->AtlasQuad == 0) return nullptr;
        // Divided once here so that drawing only copies the coordinates.
        float atlasWidth = static_cast<float>(atlas.width);
        float atlasHeight = static_cast<float>(atlas.height);
        for (GlyphEntry& g : font->Glyphs) {
            g.U0 /= atlasWidth;
            g.U1 /= atlasWidth;
            g.V0 /= atlasHeight;
            g.V1 /= atlasHeight;
        }
        if (FontTable.size() <= static_cast<std::size_t>(number)) FontTable.resize(number + 1, nullptr);
        FreeFont(FontTable[number]);
        FontTable[number] = font.release();
        return FontTable[number];
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BitmapFont* LoadFont(int number, const std::string& path) {
    try {
        std::vector<unsigned char> bytes;
        if (!ReadWholeFile(path, bytes)) return nullptr;
        return LoadFontFromMemory(number, bytes.data(), bytes.size());
    } catch (const std::bad_alloc&) {
        return nullptr;   // no memory to hold the file
    }
}

void FreeFont(BitmapFont* font) {
    if (!font) return;
    // Only a font that the table holds is ours to free; a pointer that is not there was freed
    // already, so it is looked up, never read.
    auto entry = std::find(FontTable.begin(), FontTable.end(), font);
    if (entry == FontTable.end()) return;
    *entry = nullptr;
    // The decoded picture was released as soon as the quad was made; the quad goes with the font.
    FreeQuad(font->AtlasQuad);
    delete font;
}

BitmapFont* FindFont(int number) {
    if (number < 0 || static_cast<std::size_t>(number) >= FontTable.size()) return nullptr;
    return FontTable[number];
}
