// A throw-away working folder for tests that need files on disk.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/pictures.h"

struct TempFolder {
    std::filesystem::path path;

    TempFolder() {
        char pattern[] = "/tmp/quillbrook-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path = made ? made : "/tmp";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& relative) const { return (path / relative).string(); }

    void Write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories((path / relative).parent_path());
        std::ofstream(path / relative, std::ios::binary) << bytes;
    }

    // A picture of one colour, written as a PNG.
    void WritePicture(const std::string& relative, int width, int height, unsigned char r = 200,
                      unsigned char g = 100, unsigned char b = 50, unsigned char a = 255) const {
        std::filesystem::create_directories((path / relative).parent_path());
        Image picture;
        picture.width = width;
        picture.height = height;
        picture.rgba.resize(static_cast<std::size_t>(width) * height * 4);
        for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
            picture.rgba[i] = r;
            picture.rgba[i + 1] = g;
            picture.rgba[i + 2] = b;
            picture.rgba[i + 3] = a;
        }
        EncodePngFile(Path(relative), picture);
    }

    void Copy(const std::string& from, const std::string& relative) const {
        std::filesystem::create_directories((path / relative).parent_path());
        std::filesystem::copy_file(from, path / relative, std::filesystem::copy_options::overwrite_existing);
    }
};
