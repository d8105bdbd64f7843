#include "tf_file.h"

namespace {

constexpr unsigned char Signature[8] = {0x54, 0x83, 0x7C, 0x31, 0x2E, 0x30, 0x30, 0x7C};

void PutInt16(std::vector<unsigned char>& out, int v) {
    const auto u = static_cast<unsigned>(v) & 0xFFFFu;  // two's complement, low byte first
    out.push_back(static_cast<unsigned char>(u & 0xFF));
    out.push_back(static_cast<unsigned char>(u >> 8));
}

}  // namespace

std::vector<unsigned char> BuildFontFile(const std::vector<GlyphRecord>& records, const std::vector<unsigned char>& atlasPng) {
    std::vector<unsigned char> out(std::begin(Signature), std::end(Signature));
    for (const GlyphRecord& r : records)
        for (int field : {r.code, r.offsetX, r.offsetY, r.advance, r.rise, r.atlasX, r.atlasY, r.width, r.height})
            PutInt16(out, field);
    PutInt16(out, 0);  // end of the glyph list
    out.insert(out.end(), atlasPng.begin(), atlasPng.end());
    return out;
}
