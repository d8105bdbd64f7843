#include "atlas_png.h"

#include <png.h>

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

}  // namespace

bool EncodeRgbaPng(int width, int height, const std::vector<unsigned char>& rgba, std::vector<unsigned char>& png) {
    png.clear();
    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!writer) return false;
    png_infop info = png_create_info_struct(writer);
    if (!info || setjmp(png_jmpbuf(writer))) {
        png_destroy_write_struct(&writer, &info);
        return false;
    }
    png_set_write_fn(writer, &png, AppendBytes, NoFlush);
    png_set_IHDR(writer, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(writer, info);
    for (int y = 0; y < height; ++y)
        png_write_row(writer, const_cast<png_bytep>(rgba.data() + static_cast<std::size_t>(y) * width * 4));
    png_write_end(writer, info);
    png_destroy_write_struct(&writer, &info);
    return true;
}
