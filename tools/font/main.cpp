// forge_font OUTDIR [FONTFILE]: renders Liberation Sans at 20 pixels into the game's own font file,
// OUTDIR/Helv20.tf, covering every printable character of Windows-1252.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "atlas_pack.h"
#include "atlas_png.h"
#include "glyph_render.h"
#include "tf_file.h"

#ifndef QB_DEFAULT_FONT
#define QB_DEFAULT_FONT "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"
#endif

namespace {

constexpr int PixelSize = 20;
constexpr int AtlasWidth = 256;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: forge_font OUTDIR [FONTFILE]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string fontPath = argc == 3 ? argv[2] : QB_DEFAULT_FONT;
    RenderedFont font;
    std::string error;
    if (!RenderFont(fontPath, PixelSize, font, error)) {
        std::fprintf(stderr, "forge_font: %s\n", error.c_str());
        return 1;
    }

    std::vector<GlyphSize> sizes;
    // Every visible glyph's picture spans the whole text line, from the line's top to the lowest
    // descender, so Rise is the same for all of them: the line height that text measures
    // (TextHeight) is then the font's full height, and wrapped lines never run into each other.
    int cellTop = font.ascender, cellBelow = 0;
    for (const RenderedGlyph& g : font.glyphs)
        if (g.height > 0) {
            cellTop = std::max(cellTop, g.top);
            cellBelow = std::max(cellBelow, g.height - g.top);
        }
    for (RenderedGlyph& g : font.glyphs) {
        if (g.height == 0) continue;
        const int above = cellTop - g.top, height = cellTop + cellBelow;
        std::vector<unsigned char> cell(static_cast<std::size_t>(g.width) * height, 0);
        std::copy(g.coverage.begin(), g.coverage.end(), cell.begin() + static_cast<std::ptrdiff_t>(above) * g.width);
        g.coverage = std::move(cell);
        g.top = cellTop;
        g.height = height;
    }
    font.ascender = cellTop;

    for (const RenderedGlyph& g : font.glyphs) sizes.push_back({g.width, g.height});
    const AtlasLayout layout = PackAtlas(sizes, AtlasWidth);

    // White everywhere, coverage in alpha: filtering across an edge then fades the glyph out
    // instead of darkening it.
    std::vector<unsigned char> rgba(static_cast<std::size_t>(layout.width) * layout.height * 4, 255);
    for (std::size_t p = 3; p < rgba.size(); p += 4) rgba[p] = 0;
    std::vector<GlyphRecord> records;
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const RenderedGlyph& g = font.glyphs[i];
        const AtlasSpot spot = layout.spots[i];
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                rgba[(static_cast<std::size_t>(spot.y + y) * layout.width + spot.x + x) * 4 + 3] =
                    g.coverage[static_cast<std::size_t>(y) * g.width + x];
        // Offsets are measured from the line's top, which lies one ascender above the baseline;
        // a blank glyph sits on the baseline with no height.
        const int rise = g.height > 0 ? g.top : 0;
        records.push_back({g.code, g.left, font.ascender - rise, g.advance, rise, spot.x, spot.y, g.width, g.height});
    }

    std::vector<unsigned char> png;
    if (!EncodeRgbaPng(layout.width, layout.height, rgba, png)) {
        std::fprintf(stderr, "forge_font: the atlas could not be encoded\n");
        return 1;
    }
    const std::vector<unsigned char> file = BuildFontFile(records, png);
    std::error_code ignored;
    std::filesystem::create_directories(argv[1], ignored);
    const std::filesystem::path path = std::filesystem::path(argv[1]) / "Helv20.tf";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "forge_font: cannot write %s\n", path.string().c_str());
        return 1;
    }
    std::printf("Helv20.tf: %zu glyphs, atlas %d x %d, ascender %d px, %zu bytes, %.3f s\n", records.size(),
                layout.width, layout.height, font.ascender, file.size(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
