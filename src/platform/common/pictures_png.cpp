// PNG decoding with libpng, defended against damaged and oversized files.
#include "platform/pictures.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "platform/files.h"

namespace {

struct MemoryReader {
    const unsigned char* data;
    std::size_t size;
    std::size_t at;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->at) png_error(png, "read past the end of the picture data");
    std::memcpy(out, reader->data + reader->at, count);
    reader->at += count;
}

void QuietWarning(png_structp, png_const_charp) {}
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Decodes into 8-bit RGBA; hasAlpha tells whether the file carried transparency of its own.
bool DecodeRgba(const unsigned char* data, std::size_t size, Image& out, bool& hasAlpha) {
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemoryReader reader{data, size, 0};
    // Everything that must survive a longjmp lives outside the frame that libpng unwinds.
    std::vector<png_bytep> rows;
    Image picture;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_set_user_limits(png, MaxPictureSide, MaxPictureSide);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    int colourType = png_get_color_type(png, info);
    int depth = png_get_bit_depth(png, info);
    hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
    if (width == 0 || height == 0 || width > MaxPictureSide || height > MaxPictureSide) png_error(png, "size");
    if (depth == 16) png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != width * 4) png_error(png, "layout");
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.rgba.resize(static_cast<std::size_t>(width) * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = picture.rgba.data() + static_cast<std::size_t>(y) * width * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    out = std::move(picture);
    return true;
}

}  // namespace

bool DecodePngMemory(const unsigned char* data, std::size_t size, int mode, Image& out) {
    if (!data) return false;
    bool hasAlpha = false;
    Image picture;
    if (!DecodeRgba(data, size, picture, hasAlpha)) return false;
    if (mode != PictureOwnAlpha || !hasAlpha) {
        for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
            unsigned char* p = &picture.rgba[i];
            p[3] = (p[0] == 0 && p[1] == 0 && p[2] == 0) ? 0 : 255;
        }
    }
    out = std::move(picture);
    return true;
}

bool DecodePngFile(const std::string& path, int mode, Image& out) {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    return DecodePngMemory(bytes.data(), bytes.size(), mode, out);
}

bool EncodePngFile(const std::string& path, const Image& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.rgba.size() != static_cast<std::size_t>(picture.width) * picture.height * 4)
        return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, picture.rgba.data(), 0, nullptr)) return false;
    std::vector<unsigned char> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.rgba.data(), 0, nullptr)) return false;
    bytes.resize(size);
    return WriteFileSafely(path, bytes);
}
