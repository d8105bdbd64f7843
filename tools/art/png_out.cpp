#include "png_out.h"

#include <png.h>

#include <cstdio>

bool WritePng(const std::string& path, const Pixels& pic, bool withAlpha) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::fprintf(stderr, "forge_art: cannot write %s\n", path.c_str());
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    std::fprintf(stderr, "forge_art: libpng failed on %s\n", path.c_str());
    return false;
  }
  png_init_io(png, f);
  // A middling zlib level keeps the whole set quick to write; no time chunk is ever added.
  png_set_compression_level(png, 4);
  png_set_IHDR(png, info, static_cast<png_uint_32>(pic.width), static_cast<png_uint_32>(pic.height), 8,
               withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(pic.width) * (withAlpha ? 4 : 3));
  for (int y = 0; y < pic.height; ++y) {
    png_byte* o = row.data();
    for (int x = 0; x < pic.width; ++x) {
      const Rgba& p = pic.at(x, y);
      *o++ = p.r;
      *o++ = p.g;
      *o++ = p.b;
      if (withAlpha) *o++ = p.a;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}
