// Revision pages: the paper is pure white, because the game multiplies the page onto
// the notepad; the ink is never pure black, because the page is loaded with pure black
// as transparent.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "pack_pictures.h"

namespace {

constexpr double Margin = 14.0;
constexpr double Width = RevisionPageSize - 2 * Margin;

struct Ink {
    double r, g, b;
};
constexpr Ink BodyInk = {0.11, 0.11, 0.16};
constexpr Ink HeadingInk = {0.10, 0.17, 0.52};
constexpr Ink ImportantInk = {0.72, 0.09, 0.09};
constexpr Ink RuleInk = {0.62, 0.70, 0.84};
constexpr Ink CellShade = {0.88, 0.92, 0.99};

void SetInk(cairo_t* cr, Ink ink) { cairo_set_source_rgb(cr, ink.r, ink.g, ink.b); }

PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, double size, bool bold, double width, bool centre) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Liberation Sans");
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    if (bold) pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    if (width > 0) {
        pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    if (centre) pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    pango_layout_set_text(layout, text.c_str(), -1);
    return layout;
}

// Size of a laid-out text; wide is set when a word did not fit the width.
void Measure(PangoLayout* layout, double width, double& w, double& h, bool& wide) {
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    w = logical.width;
    h = logical.height;
    if (width > 0 && (logical.x + logical.width > width + 0.5 || ink.x + ink.width > width + 1.0 || ink.x < -1.0))
        wide = true;
}

bool IsHeadingCell(const std::string& cell) { return cell.size() >= 2 && cell.front() == '*' && cell.back() == '*'; }
std::string CellText(const std::string& cell) { return IsHeadingCell(cell) ? cell.substr(1, cell.size() - 2) : cell; }

// Lays the page out at one text size; draws only when draw is set. Returns the height used,
// and sets wide when some text could not be kept inside the page's width.
double LayOut(cairo_t* cr, const RevisionSource& page, double size, bool draw, bool& wide) {
    wide = false;
    double y = Margin - 2;
    double w, h;

    double headingSize = std::max(size * 1.3, 20.0);
    PangoLayout* heading = MakeLayout(cr, page.Heading, headingSize, true, Width, true);
    Measure(heading, Width, w, h, wide);
    if (draw) {
        SetInk(cr, HeadingInk);
        cairo_move_to(cr, Margin, y);
        pango_cairo_show_layout(cr, heading);
        SetInk(cr, ImportantInk);
        cairo_set_line_width(cr, 2.0);
        cairo_move_to(cr, Margin + 40, y + h + 2);
        cairo_line_to(cr, RevisionPageSize - Margin - 40, y + h + 2);
        cairo_stroke(cr);
    }
    g_object_unref(heading);
    y += h + 8;

    const double pad = std::round(size * 0.3);
    for (const RevisionItem& item : page.Items) {
        switch (item.Kind) {
        case RevisionItemKind::Gap:
            y += std::round(size * 0.45);
            break;
        case RevisionItemKind::Text:
        case RevisionItemKind::Important: {
            bool important = item.Kind == RevisionItemKind::Important;
            PangoLayout* layout = MakeLayout(cr, item.Text, size, important, Width, false);
            Measure(layout, Width, w, h, wide);
            if (draw) {
                SetInk(cr, important ? ImportantInk : BodyInk);
                cairo_move_to(cr, Margin, y);
                pango_cairo_show_layout(cr, layout);
            }
            g_object_unref(layout);
            y += h + 3;
            break;
        }
        case RevisionItemKind::Bullet: {
            double indent = std::round(size * 0.9);
            PangoLayout* layout = MakeLayout(cr, item.Text, size, false, Width - indent, false);
            Measure(layout, Width - indent, w, h, wide);
            if (draw) {
                SetInk(cr, HeadingInk);
                cairo_arc(cr, Margin + indent * 0.35, y + size * 0.62, size * 0.17, 0, 2 * M_PI);
                cairo_fill(cr);
                SetInk(cr, BodyInk);
                cairo_move_to(cr, Margin + indent, y);
                pango_cairo_show_layout(cr, layout);
            }
            g_object_unref(layout);
            y += h + 3;
            break;
        }
        case RevisionItemKind::Table: {
            std::size_t columns = 0;
            for (const auto& row : item.Rows) columns = std::max(columns, row.size());
            // Natural width of each column; columns that fit a fair share keep it, the
            // others share what is left and wrap their text.
            std::vector<double> natural(columns, 0.0), longestWord(columns, 0.0);
            for (const auto& row : item.Rows)
                for (std::size_t c = 0; c < row.size(); ++c) {
                    PangoLayout* layout = MakeLayout(cr, CellText(row[c]), size, IsHeadingCell(row[c]), -1, false);
                    bool unused = false;
                    Measure(layout, -1, w, h, unused);
                    natural[c] = std::max(natural[c], w + 2 * pad);
                    g_object_unref(layout);
                }
            std::vector<double> widths(columns, 0.0);
            std::vector<bool> fixed(columns, false);
            double left = Width;
            std::size_t open = columns;
            for (bool changed = true; changed && open > 0;) {
                changed = false;
                double share = left / static_cast<double>(open);
                for (std::size_t c = 0; c < columns; ++c)
                    if (!fixed[c] && natural[c] <= share) {
                        fixed[c] = true;
                        widths[c] = natural[c];
                        left -= natural[c];
                        --open;
                        changed = true;
                    }
            }
            for (std::size_t c = 0; c < columns; ++c)
                if (!fixed[c]) widths[c] = left / static_cast<double>(open);
            // Spread any room that is left over evenly, so narrow tables fill the page.
            double used = 0;
            for (double cw : widths) used += cw;
            for (double& cw : widths) cw += (Width - used) / static_cast<double>(columns);

            for (const auto& row : item.Rows) {
                std::vector<PangoLayout*> cells;
                double rowHeight = 0;
                for (std::size_t c = 0; c < columns; ++c) {
                    std::string cell = c < row.size() ? row[c] : std::string();
                    PangoLayout* layout =
                        MakeLayout(cr, CellText(cell), size, IsHeadingCell(cell), widths[c] - 2 * pad, false);
                    if (natural[c] - 2 * pad <= widths[c] - 2 * pad)
                        pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
                    Measure(layout, widths[c] - 2 * pad, w, h, wide);
                    rowHeight = std::max(rowHeight, h + 2 * pad * 0.6);
                    cells.push_back(layout);
                }
                double x = Margin;
                for (std::size_t c = 0; c < columns; ++c) {
                    std::string cell = c < row.size() ? row[c] : std::string();
                    // An empty cell is left blank, without a frame, so a table can also
                    // draw a shape (a compass rose, say).
                    if (draw && !cell.empty()) {
                        if (IsHeadingCell(cell)) {
                            SetInk(cr, CellShade);
                            cairo_rectangle(cr, x, y, widths[c], rowHeight);
                            cairo_fill(cr);
                        }
                        SetInk(cr, RuleInk);
                        cairo_set_line_width(cr, 1.0);
                        cairo_rectangle(cr, x + 0.5, y + 0.5, widths[c] - 1, rowHeight - 1);
                        cairo_stroke(cr);
                        SetInk(cr, IsHeadingCell(cell) ? HeadingInk : BodyInk);
                        cairo_move_to(cr, x + pad, y + pad * 0.6);
                        pango_cairo_show_layout(cr, cells[c]);
                    }
                    x += widths[c];
                    g_object_unref(cells[c]);
                }
                y += rowHeight;
            }
            y += 4;
            break;
        }
        }
    }
    return y - 3 + Margin - 2;
}

}  // namespace

bool DrawRevisionPage(const RevisionSource& page, const std::string& pngPath, std::string& problem, double* textSize) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, RevisionPageSize, RevisionPageSize);
    cairo_t* cr = cairo_create(surface);

    double chosen = 0;
    for (double size = 19.0; size >= SmallestRevisionText - 0.01; size -= 0.5) {
        bool wide = false;
        double height = LayOut(cr, page, size, false, wide);
        if (!wide && height <= RevisionPageSize) {
            chosen = size;
            break;
        }
    }
    bool ok = chosen > 0;
    if (!ok) {
        problem = "the page does not fit on 360 x 360 pixels even with " + std::to_string(int(SmallestRevisionText)) +
                  " px text: make it shorter";
    } else {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        bool wide = false;
        LayOut(cr, page, chosen, true, wide);
        cairo_surface_flush(surface);
        // Pure black would be a hole in the page: lift any such pixel to the darkest ink.
        unsigned char* data = cairo_image_surface_get_data(surface);
        int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < RevisionPageSize; ++y)
            for (int x = 0; x < RevisionPageSize; ++x) {
                std::uint32_t* pixel = reinterpret_cast<std::uint32_t*>(data + y * stride) + x;
                if ((*pixel & 0xFFFFFF) == 0) *pixel = 0xFF141420u;
            }
        cairo_surface_mark_dirty(surface);
        if (cairo_surface_write_to_png(surface, pngPath.c_str()) != CAIRO_STATUS_SUCCESS) {
            ok = false;
            problem = "cannot write " + pngPath;
        }
        if (textSize) *textSize = chosen;
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return ok;
}
