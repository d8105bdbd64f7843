// A pack folder assembled for one test: text files from tests/fixtures/packs, pictures
// drawn on the spot (a pack's pictures are built, never committed).
#pragma once
#include <cairo.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace pack_test {

inline std::string FontPath() { return std::string(QB_GAME_DIR) + "/Helv20.tf"; }

inline std::filesystem::path TempFolder(const std::string& purpose) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("qb_pack_" + purpose + "_" +
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// A picture of the given size: with alpha or without, white paper with dark ink,
// and optionally a block of pure black.
inline void WritePicture(const std::filesystem::path& path, int size, bool alpha, bool pureBlack) {
    cairo_surface_t* surface = cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, size, size);
    cairo_t* cr = cairo_create(surface);
    // A picture with alpha keeps a transparent background: Cairo writes a fully
    // opaque picture without its alpha channel.
    cairo_set_source_rgb(cr, 1, 1, 1);
    if (alpha)
        cairo_rectangle(cr, 4, 4, size - 8, size - 8);
    else
        cairo_rectangle(cr, 0, 0, size, size);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.3);
    cairo_rectangle(cr, 10, 10, size / 2.0, 12);
    cairo_fill(cr);
    if (pureBlack) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_rectangle(cr, 20, 40, 4, 5);
        cairo_fill(cr);
    }
    cairo_surface_write_to_png(surface, path.c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

inline void WriteGoodPictures(const std::filesystem::path& folder) {
    WritePicture(folder / "subject.png", 380, true, false);
    for (int n = 1; n <= 5; ++n) WritePicture(folder / ("revis0" + std::to_string(n) + ".png"), 360, false, false);
}

}  // namespace pack_test
