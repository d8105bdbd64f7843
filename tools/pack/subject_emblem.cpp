// The subject's title picture on the hub: a round, brightly shaded badge with the
// subject's motif and a ribbon carrying its name. Dark lines are near-black, the
// background transparent (the picture is loaded with its own alpha).
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "pack_pictures.h"

namespace {

struct Colour {
    double r, g, b;
};
constexpr Colour Outline = {0.078, 0.078, 0.118};   // #14141e
constexpr Colour White = {1, 1, 1};

void Set(cairo_t* cr, Colour c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

Colour Lighter(Colour c, double t) { return {c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t}; }
Colour Darker(Colour c, double t) { return {c.r * (1 - t), c.g * (1 - t), c.b * (1 - t)}; }

// Fills the current path with a soft top-left light, then outlines it.
void ShadeAndOutline(cairo_t* cr, Colour base, double cx, double cy, double radius, double line = 5.0) {
    cairo_pattern_t* shade =
        cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4, radius * 0.1, cx, cy, radius * 1.15);
    cairo_pattern_add_color_stop_rgb(shade, 0, Lighter(base, 0.45).r, Lighter(base, 0.45).g, Lighter(base, 0.45).b);
    cairo_pattern_add_color_stop_rgb(shade, 0.6, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, Darker(base, 0.3).r, Darker(base, 0.3).g, Darker(base, 0.3).b);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    Set(cr, Outline);
    cairo_set_line_width(cr, line);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

// A thick white stroke with a dark edge: the operator signs and the flask's bubbles.
void BoldStroke(cairo_t* cr, double width) {
    Set(cr, Outline);
    cairo_set_line_width(cr, width + 6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    Set(cr, White);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// Text with a dark outline, centred on (cx, cy), in bold at the given pixel size.
void OutlinedText(cairo_t* cr, const std::string& text, double cx, double cy, double size, Colour fill) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Liberation Sans Bold");
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, text.c_str(), -1);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    cairo_move_to(cr, cx - ink.x - ink.width / 2.0, cy - ink.y - ink.height / 2.0);
    pango_cairo_layout_path(cr, layout);
    Set(cr, Outline);
    cairo_set_line_width(cr, std::max(3.0, size * 0.14));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    Set(cr, fill);
    cairo_fill(cr);
    g_object_unref(layout);
}

double TextInkWidth(cairo_t* cr, const std::string& text, double size) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Liberation Sans Bold");
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, text.c_str(), -1);
    PangoRectangle ink;
    pango_layout_get_pixel_extents(layout, &ink, nullptr);
    g_object_unref(layout);
    return ink.width;
}

// Maths: four sign tiles, one in each answer colour, and digits above them.
void DrawMathsMotif(cairo_t* cr) {
    const Colour tiles[4] = {{0.16, 0.42, 0.93}, {0.98, 0.78, 0.12}, {0.90, 0.20, 0.20}, {0.22, 0.72, 0.30}};
    const double size = 64, gap = 9, left = 190 - size - gap / 2, top = 112;
    for (int i = 0; i < 4; ++i) {
        double x = left + (i % 2) * (size + gap), y = top + (i / 2) * (size + gap);
        RoundedRectangle(cr, x, y, size, size, 14);
        ShadeAndOutline(cr, tiles[i], x + size / 2, y + size / 2, size * 0.7);
        double cx = x + size / 2, cy = y + size / 2, arm = size * 0.26;
        switch (i) {
        case 0:   // plus
            cairo_move_to(cr, cx - arm, cy);
            cairo_line_to(cr, cx + arm, cy);
            cairo_move_to(cr, cx, cy - arm);
            cairo_line_to(cr, cx, cy + arm);
            BoldStroke(cr, 9);
            break;
        case 1:   // minus
            cairo_move_to(cr, cx - arm, cy);
            cairo_line_to(cr, cx + arm, cy);
            BoldStroke(cr, 9);
            break;
        case 2:   // times
            cairo_move_to(cr, cx - arm * 0.8, cy - arm * 0.8);
            cairo_line_to(cr, cx + arm * 0.8, cy + arm * 0.8);
            cairo_move_to(cr, cx + arm * 0.8, cy - arm * 0.8);
            cairo_line_to(cr, cx - arm * 0.8, cy + arm * 0.8);
            BoldStroke(cr, 9);
            break;
        default:   // divide
            cairo_move_to(cr, cx - arm, cy);
            cairo_line_to(cr, cx + arm, cy);
            BoldStroke(cr, 8);
            for (double dy : {-arm * 0.75, arm * 0.75}) {
                cairo_arc(cr, cx, cy + dy, 6, 0, 2 * M_PI);
                Set(cr, White);
                cairo_fill_preserve(cr);
                Set(cr, Outline);
                cairo_set_line_width(cr, 3);
                cairo_stroke(cr);
            }
        }
    }
    const char* digits[3] = {"1", "2", "3"};
    const Colour colours[3] = {{1.0, 0.55, 0.15}, {0.65, 0.35, 0.95}, {0.15, 0.75, 0.85}};
    for (int i = 0; i < 3; ++i) OutlinedText(cr, digits[i], 140 + i * 50, 74 - (i == 1 ? 8 : 0), 40, colours[i]);
}

// Science: a round-bottomed flask of bubbling green liquid in front of an atom.
void DrawScienceMotif(cairo_t* cr) {
    const double cx = 190, cy = 148;
    // The atom: three orbits and a nucleus, behind the flask.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_rotate(cr, i * M_PI / 3);
        cairo_scale(cr, 1.0, 0.36);
        cairo_arc(cr, 0, 0, 118, 0, 2 * M_PI);
        cairo_restore(cr);
        Set(cr, Outline);
        cairo_set_line_width(cr, 9);
        cairo_stroke_preserve(cr);
        Set(cr, {0.45, 0.80, 1.0});
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 3; ++i) {
        double a = i * M_PI / 3, t = 0.9 + i * 1.7;
        double ex = 118 * std::cos(t), ey = 118 * 0.36 * std::sin(t);
        double x = ex * std::cos(a) - ey * std::sin(a), y = ex * std::sin(a) + ey * std::cos(a);
        cairo_arc(cr, x, y, 10, 0, 2 * M_PI);
        ShadeAndOutline(cr, {1.0, 0.55, 0.15}, x, y, 10, 3.5);
    }
    cairo_restore(cr);

    // The flask: neck, round bulb and the liquid in its lower part.
    const double bulbY = 176, bulbR = 60, neckW = 30, neckTop = 80;
    auto flaskPath = [&]() {
        double join = std::asin(neckW / 2 / bulbR);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - neckW / 2, neckTop);
        cairo_arc_negative(cr, cx, bulbY, bulbR, -M_PI / 2 - join, -M_PI / 2 + join);
        cairo_line_to(cr, cx + neckW / 2, neckTop);
        cairo_close_path(cr);
    };
    flaskPath();
    Set(cr, {0.86, 0.95, 1.0});
    cairo_fill(cr);
    cairo_save(cr);
    flaskPath();
    cairo_clip(cr);
    cairo_rectangle(cr, cx - bulbR, bulbY - 14, 2 * bulbR, bulbR + 20);
    cairo_pattern_t* liquid = cairo_pattern_create_linear(0, bulbY - 14, 0, bulbY + bulbR);
    cairo_pattern_add_color_stop_rgb(liquid, 0, 0.55, 0.95, 0.35);
    cairo_pattern_add_color_stop_rgb(liquid, 1, 0.12, 0.62, 0.22);
    cairo_set_source(cr, liquid);
    cairo_fill(cr);
    cairo_pattern_destroy(liquid);
    for (auto [bx, by, br] : {std::tuple{-22.0, 10.0, 7.0}, {14.0, 26.0, 9.0}, {-4.0, 40.0, 5.0}, {28.0, 2.0, 5.0}}) {
        cairo_arc(cr, cx + bx, bulbY + by, br, 0, 2 * M_PI);
        Set(cr, White, 0.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    flaskPath();
    Set(cr, Outline);
    cairo_set_line_width(cr, 6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    // The neck's rim and a shine on the glass.
    RoundedRectangle(cr, cx - neckW / 2 - 7, neckTop - 10, neckW + 14, 14, 5);
    ShadeAndOutline(cr, {0.75, 0.88, 1.0}, cx, neckTop - 3, 20, 4.5);
    cairo_arc(cr, cx, bulbY, bulbR - 14, M_PI * 1.1, M_PI * 1.4);
    Set(cr, White, 0.9);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // Bubbles rising from the neck.
    for (auto [bx, by, br] : {std::tuple{6.0, 54.0, 8.0}, {-10.0, 38.0, 6.0}, {8.0, 24.0, 5.0}}) {
        cairo_arc(cr, cx + bx, by, br, 0, 2 * M_PI);
        Set(cr, {0.70, 1.0, 0.55});
        cairo_fill_preserve(cr);
        Set(cr, Outline);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

// Geography: a globe of blue sea and green land on a stand.
void DrawGeographyMotif(cairo_t* cr) {
    const double cx = 190, cy = 146, r = 92;
    // The stand behind and below the globe.
    cairo_arc(cr, cx, cy, r + 14, M_PI * 0.25, M_PI * 0.75);
    Set(cr, Outline);
    cairo_set_line_width(cr, 14);
    cairo_stroke_preserve(cr);
    Set(cr, {0.95, 0.70, 0.20});
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    RoundedRectangle(cr, cx - 9, cy + r + 6, 18, 26, 4);
    ShadeAndOutline(cr, {0.95, 0.70, 0.20}, cx, cy + r + 18, 16, 4);
    RoundedRectangle(cr, cx - 52, cy + r + 28, 104, 18, 9);
    ShadeAndOutline(cr, {0.95, 0.70, 0.20}, cx, cy + r + 36, 50, 4.5);

    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Set(cr, {0.20, 0.55, 0.95});
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    // Land: a few rounded blobs, drawn as closed curves through their points.
    const double lands[3][6][2] = {
        {{-70, -50}, {-20, -70}, {10, -40}, {-10, -5}, {-45, 10}, {-75, -15}},
        {{5, 5}, {45, -10}, {70, 20}, {55, 60}, {25, 75}, {10, 40}},
        {{30, -75}, {65, -65}, {85, -35}, {60, -30}, {40, -45}, {25, -55}},
    };
    for (const auto& land : lands) {
        cairo_new_path(cr);
        for (int i = 0; i < 6; ++i) {
            const double* p0 = land[i];
            const double* p1 = land[(i + 1) % 6];
            double mx = (p0[0] + p1[0]) / 2, my = (p0[1] + p1[1]) / 2;
            if (i == 0) cairo_move_to(cr, cx + (land[5][0] + p0[0]) / 2, cy + (land[5][1] + p0[1]) / 2);
            cairo_curve_to(cr, cx + p0[0], cy + p0[1], cx + p0[0], cy + p0[1], cx + mx, cy + my);
        }
        cairo_close_path(cr);
        Set(cr, {0.30, 0.78, 0.30});
        cairo_fill_preserve(cr);
        Set(cr, Outline);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    // Lines of latitude and longitude, faint.
    Set(cr, White, 0.35);
    cairo_set_line_width(cr, 2);
    for (double lat : {-0.5, 0.0, 0.5}) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy + lat * r);
        cairo_scale(cr, std::sqrt(1 - lat * lat), 0.18);
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_stroke(cr);
    }
    for (double lon : {0.35, 0.75}) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, lon, 1.0);
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_stroke(cr);
    }
    // Soft light from the top left, shade at the bottom right.
    cairo_pattern_t* light = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, r * 0.05, cx, cy, r * 1.1);
    cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(light, 0.5, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0.2, 0.35);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    Set(cr, Outline);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

// A teacher's own pack: a star with the subject's first letter.
void DrawBadgeMotif(cairo_t* cr, const std::string& name) {
    const double cx = 190, cy = 145;
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5, radius = (i % 2 == 0) ? 105 : 50;
        double x = cx + radius * std::cos(a), y = cy + radius * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    ShadeAndOutline(cr, {1.0, 0.80, 0.15}, cx, cy, 105, 6);
    std::string initial;
    if (!name.empty()) {
        // The first character, whole (a UTF-8 character may take several bytes).
        std::size_t length = 1;
        unsigned char lead = static_cast<unsigned char>(name[0]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        initial = name.substr(0, length);
    }
    OutlinedText(cr, initial, cx, cy + 6, 76, {0.95, 0.30, 0.30});
}

// The ribbon under the motif with the subject's name, as large as fits. On the hub the picture
// is centred high on the right, its top rows above the screen and game button 1 over its lower
// rows, so the ribbon sits in the band that stays in view (rows 100 to about 280).
void DrawNameRibbon(cairo_t* cr, const std::string& name, Colour colour) {
    const double top = 214, height = 62, left = 22, right = 358;
    // Folded ends first, darker, behind the band.
    for (int side = 0; side < 2; ++side) {
        double x0 = side == 0 ? left - 8 : right + 8, dir = side == 0 ? 1 : -1;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, top + 18);
        cairo_line_to(cr, x0 + dir * 44, top + 18);
        cairo_line_to(cr, x0 + dir * 44, top + height + 14);
        cairo_line_to(cr, x0, top + height + 14);
        cairo_line_to(cr, x0 + dir * 16, top + height / 2 + 16);
        cairo_close_path(cr);
        ShadeAndOutline(cr, Darker(colour, 0.35), x0 + dir * 22, top + height / 2 + 16, 40, 5);
    }
    RoundedRectangle(cr, left + 18, top, right - left - 36, height, 10);
    ShadeAndOutline(cr, colour, 190, top + height / 2, 170, 5.5);

    double room = right - left - 36 - 24;
    double size = 46;
    while (size > 16 && TextInkWidth(cr, name, size) > room) size -= 1;
    // A long name reads better on two lines than squeezed onto one.
    std::size_t middle = name.size() / 2, split = std::string::npos;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] == ' ' && (split == std::string::npos || (i > middle ? i - middle : middle - i) <
                                                                  (split > middle ? split - middle : middle - split)))
            split = i;
    if (size < 26 && split != std::string::npos) {
        std::string first = name.substr(0, split), second = name.substr(split + 1);
        double twoLines = 30;
        while (twoLines > 14 && std::max(TextInkWidth(cr, first, twoLines), TextInkWidth(cr, second, twoLines)) > room)
            twoLines -= 1;
        if (twoLines > size) {
            OutlinedText(cr, first, 190, top + height / 2 - twoLines * 0.58, twoLines, White);
            OutlinedText(cr, second, 190, top + height / 2 + twoLines * 0.58, twoLines, White);
            return;
        }
    }
    OutlinedText(cr, name, 190, top + height / 2, size, White);
}

}  // namespace

bool DrawSubjectPicture(const std::string& name, const std::string& motif, const std::string& pngPath) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SubjectPictureSize, SubjectPictureSize);
    cairo_t* cr = cairo_create(surface);

    Colour disc = {0.55, 0.35, 0.90}, ribbon = {0.90, 0.22, 0.30};
    if (motif == "maths") disc = {1.0, 0.62, 0.20}, ribbon = {0.16, 0.42, 0.93};
    if (motif == "science") disc = {0.25, 0.75, 0.65}, ribbon = {0.90, 0.22, 0.30};
    if (motif == "geography") disc = {0.45, 0.80, 1.0}, ribbon = {0.22, 0.62, 0.28};

    // A soft shadow under the badge, then the badge with a light inner ring.
    cairo_save(cr);
    cairo_translate(cr, 196, 159);
    cairo_arc(cr, 0, 0, 143, 0, 2 * M_PI);
    cairo_restore(cr);
    Set(cr, Outline, 0.25);
    cairo_fill(cr);
    cairo_arc(cr, 190, 152, 142, 0, 2 * M_PI);
    ShadeAndOutline(cr, disc, 190, 152, 142, 7);
    cairo_arc(cr, 190, 152, 127, 0, 2 * M_PI);
    Set(cr, White, 0.45);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);

    // The motif keeps clear of the ribbon: a little smaller, drawn about the disc's upper part.
    cairo_save(cr);
    cairo_translate(cr, 190, 120);
    cairo_scale(cr, 0.78, 0.78);
    cairo_translate(cr, -190, -152);
    if (motif == "maths")
        DrawMathsMotif(cr);
    else if (motif == "science")
        DrawScienceMotif(cr);
    else if (motif == "geography")
        DrawGeographyMotif(cr);
    else
        DrawBadgeMotif(cr, name);
    cairo_restore(cr);
    DrawNameRibbon(cr, name, ribbon);

    cairo_surface_flush(surface);
    bool ok = cairo_surface_write_to_png(surface, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return ok;
}
