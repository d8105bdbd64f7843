#include "atlas_pack.h"

#include <algorithm>
#include <numeric>

AtlasLayout PackAtlas(const std::vector<GlyphSize>& sizes, int atlasWidth) {
    AtlasLayout layout;
    layout.width = atlasWidth;
    layout.spots.assign(sizes.size(), AtlasSpot{0, 0});
    // Tallest first keeps the rows tight; ties in the order given, so the layout never varies.
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&sizes](std::size_t a, std::size_t b) { return sizes[a].height > sizes[b].height; });
    constexpr int gap = 1;
    int x = gap, y = gap, rowHeight = 0;
    for (std::size_t i : order) {
        const GlyphSize s = sizes[i];
        if (s.width == 0 || s.height == 0) continue;  // blank glyphs take no room
        if (x + s.width + gap > atlasWidth) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        layout.spots[i] = {x, y};
        x += s.width + gap;
        rowHeight = std::max(rowHeight, s.height);
    }
    const int used = y + rowHeight + gap;
    layout.height = 1;
    while (layout.height < used) layout.height *= 2;
    return layout;
}
