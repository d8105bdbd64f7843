// PNG decoding into RGBA pictures, with the game's two transparency modes.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct Image {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;   // width * height * 4 bytes, rows top to bottom
};

// Load mode 4: pixels of exactly black are transparent, every other pixel opaque (the file's alpha is ignored).
// Load mode 12: the file's own alpha; a picture without alpha is read as in mode 4.
enum { PictureBlackIsHole = 4, PictureOwnAlpha = 12 };

constexpr int MaxPictureSide = 4096;

bool DecodePngMemory(const unsigned char* data, std::size_t size, int mode, Image& out);
bool DecodePngFile(const std::string& path, int mode, Image& out);
bool EncodePngFile(const std::string& path, const Image& picture);
