#include "render/text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "app/rounding.h"
#include "platform/video.h"
#include "render/font.h"

int SemicolonAsSpace = 0;

namespace {

// The look shared by every glyph of one call, defaults already put in.
struct TextStyle {
    int alpha = 255;
    unsigned tint = 0xFFFFFF;   // 0xRRGGBB, as the platform takes it
    float scale = 1.0f;
    float shear = 0.0f;         // tan(slant): sideways shift per pixel of height
};

TextStyle ResolveStyle(const BitmapFont& font, int alpha, int colour, float scale, float slant) {
    if (alpha < 0) alpha = font.DefaultAlpha;
    if (colour < 0) colour = font.DefaultColour;
    if (scale < 0) scale = font.DefaultScale;
    if (slant < 0) slant = font.DefaultSlant;
    TextStyle style;
    style.alpha = std::min(alpha, 255);
    // The game's colours keep red in the low byte; the platform wants it in the high one.
    unsigned c = static_cast<unsigned>(colour);
    style.tint = (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
    style.scale = scale;
    style.shear = static_cast<float>(std::tan(slant * std::numbers::pi / 180.0));
    return style;
}

// One glyph with the pen at (px, py), the top of the line. The shear is measured from the
// baseline (Rise below the picture's top), so slanted text leans without leaving its line.
void DrawGlyph(int atlas, const GlyphEntry& g, float px, float py, const TextStyle& style) {
    const float s = style.scale, k = style.shear;
    QuadCorner corner[4];   // top-left, top-right, bottom-left, bottom-right
    corner[0].x = px + s * (g.OffsetX + k * g.Rise);
    corner[0].y = py + s * g.OffsetY;
    corner[1].x = corner[0].x + s * g.Width;
    corner[1].y = corner[0].y;
    corner[2].x = px + s * (g.OffsetX + k * (g.Rise - g.Height));
    corner[2].y = corner[0].y + s * g.Height;
    corner[3].x = corner[2].x + s * g.Width;
    corner[3].y = corner[2].y;
    DrawQuadRegion(atlas, corner, g.U0, g.V0, g.U1, g.V1, style.tint, style.alpha);
}

// A text ends at its first code 0, like every string of the game.
std::size_t TextLength(const std::string& text) {
    std::size_t end = text.find('\0');
    return end == std::string::npos ? text.size() : end;
}

// Characters after which a line may break without splitting a word.
bool IsBreakCharacter(unsigned char ch) { return ch == ' ' || ch == '.' || ch == '?' || ch == ','; }

// Rounds a measure, keeping absurd scales from overflowing the integer.
int RoundMeasure(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0f) return INT_MAX;
    if (v <= -2147483648.0f) return INT_MIN;
    return Round(v);
}

}  // namespace

void DrawText(int fontNumber, float x, float y, const std::string& text, int alpha, int colour, float scale,
              float slant) {
    const BitmapFont* font = FindFont(fontNumber);
    if (!font) return;
    const TextStyle style = ResolveStyle(*font, alpha, colour, scale, slant);
    float px = x - 0.5f;
    const float py = y - 0.5f;
    const std::size_t length = TextLength(text);
    for (std::size_t i = 0; i < length; ++i) {
        const GlyphEntry& g = font->Glyphs[static_cast<unsigned char>(text[i])];
        if (!g.Defined) continue;
        DrawGlyph(font->AtlasQuad, g, px, py, style);
        px += style.scale * g.Advance;
    }
}

std::string DrawTextWrapped(int fontNumber, float x, float y, const std::string& text, float width, int alpha,
                            int colour, float scale, float slant) {
    std::string result = text;
    const BitmapFont* font = FindFont(fontNumber);
    if (!font) return result;
    const TextStyle style = ResolveStyle(*font, alpha, colour, scale, slant);
    const float s = style.scale;
    const GlyphEntry* glyphs = font->Glyphs;
    const float semicolonAdvance = s * glyphs[static_cast<unsigned char>(';')].Advance;
    const float lineHeight = static_cast<float>(TextHeight(fontNumber, text, s)) + 2.0f;
    // Later lines start on a whole pixel less a half, the first line exactly at x - 0.5.
    const float lineStart = std::nearbyint(x - 0.5f) - 0.5f;

    float px = x - 0.5f, py = y - 0.5f;
    float lineWidth = 0;
    const std::size_t noBreak = std::string::npos;
    std::size_t breakAt = noBreak;   // in result: the last space or punctuation of this line
    std::size_t inserted = 0;        // marks put into result so far; text[i] is result[i + inserted]
    // A mark only helps where a word stands before the break on its line. Before a break that
    // already opens its line it would add an empty line, and the same overflow would add
    // another on the next call, so a word wider than the box would creep down line by line.
    bool lineHasWord = false, wordBeforeBreak = false;
    unsigned char previous = 0;
    const std::size_t length = TextLength(text);
    for (std::size_t i = 0; i < length; ++i) {
        unsigned char ch = static_cast<unsigned char>(text[i]);
        // An undefined character takes no room and is not even the previous character.
        if (!glyphs[ch].Defined) continue;
        bool drawn = true;

        lineWidth += s * glyphs[ch].Advance;
        if (ch == ';' && lineWidth < width / 2) {
            if (SemicolonAsSpace == 1) {
                ch = ' ';
                result[i + inserted] = ' ';
            }
            px += s * glyphs[ch].Advance;
            drawn = false;
        }

        if (lineWidth > width || ch == ';') {
            // A word ran past the edge: mark a break before it for the next call. This call
            // still splits the word here.
            if (ch != ';' && !IsBreakCharacter(ch) && !IsBreakCharacter(previous) && breakAt != noBreak &&
                wordBeforeBreak) {
                result.insert(breakAt, 1, ';');
                ++inserted;
            }
            px = lineStart;
            py += lineHeight;
            lineWidth = 0;
            breakAt = noBreak;
            lineHasWord = false;
            if (ch == ' ' || ch == ';') drawn = false;   // a space at the line end is swallowed
        }

        // Nothing is inserted before this position until breakAt is cleared, so it stays valid.
        if (IsBreakCharacter(ch)) {
            breakAt = i + inserted;
            wordBeforeBreak = lineHasWord;
        }
        if (ch != ' ' && ch != ';') lineHasWord = true;
        if (previous == ' ' && ch == ' ') drawn = false;   // runs of spaces show as one
        previous = ch;

        if (ch == ';') {
            px -= semicolonAdvance;
            lineWidth -= semicolonAdvance;
            drawn = false;
        }

        if (drawn) {
            DrawGlyph(font->AtlasQuad, glyphs[ch], px, py, style);
            px += s * glyphs[ch].Advance;
        }
    }
    return result;
}

int TextWidth(int fontNumber, const std::string& text, float scale) {
    const BitmapFont* font = FindFont(fontNumber);
    if (!font) return 0;
    const float s = scale == FontDefault ? font->DefaultScale : scale;
    float width = 0;
    const std::size_t length = TextLength(text);
    for (std::size_t i = 0; i < length; ++i) {
        const GlyphEntry& g = font->Glyphs[static_cast<unsigned char>(text[i])];
        if (g.Defined) width += s * g.Advance;
    }
    return RoundMeasure(width);
}

int TextHeight(int fontNumber, const std::string& text, float scale) {
    const BitmapFont* font = FindFont(fontNumber);
    if (!font) return 0;
    const float s = scale == FontDefault ? font->DefaultScale : scale;
    float height = 0;
    const std::size_t length = TextLength(text);
    for (std::size_t i = 0; i < length; ++i) {
        const GlyphEntry& g = font->Glyphs[static_cast<unsigned char>(text[i])];
        if (g.Defined) height = std::max(height, s * g.Rise);
    }
    return RoundMeasure(height);
}
