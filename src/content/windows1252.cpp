#include "content/windows1252.h"

namespace {
// Bytes 0x80..0x9F of Windows-1252; 0 marks the five bytes the code page leaves unused.
const std::uint32_t HighControlRange[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

std::uint32_t Windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return HighControlRange[byte - 0x80];
    return byte;
}

int Windows1252Byte(std::uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i)
        if (HighControlRange[i] != 0 && HighControlRange[i] == codePoint) return 0x80 + i;
    return -1;
}

std::size_t DecodeUtf8(const unsigned char* data, std::size_t size, std::uint32_t& codePoint) {
    if (size == 0) return 0;
    unsigned char lead = data[0];
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length;
    std::uint32_t value, smallest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (size < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((data[i] & 0xC0) != 0x80) return 0;
        value = (value << 6) | (data[i] & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    codePoint = value;
    return length;
}

bool IsValidUtf8(const unsigned char* data, std::size_t size) {
    std::size_t i = 0;
    while (i < size) {
        std::uint32_t codePoint;
        std::size_t length = DecodeUtf8(data + i, size - i, codePoint);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Utf8ToWindows1252(const unsigned char* data, std::size_t size) {
    std::string text;
    text.reserve(size);
    std::size_t i = 0;
    while (i < size) {
        std::uint32_t codePoint = '?';
        std::size_t length = DecodeUtf8(data + i, size - i, codePoint);
        if (length == 0) length = 1;   // not UTF-8 here: the byte becomes "?"
        if (!(i == 0 && codePoint == 0xFEFF)) {
            int byte = Windows1252Byte(codePoint);
            text += static_cast<char>(byte < 0 ? '?' : byte);
        }
        i += length;
    }
    return text;
}

std::string SubjectFileText(const unsigned char* data, std::size_t size) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < size && !beyondAscii; ++i) beyondAscii = data[i] >= 0x80;
    if (beyondAscii && IsValidUtf8(data, size)) return Utf8ToWindows1252(data, size);
    return std::string(reinterpret_cast<const char*>(data), size);
}

std::string Windows1252ToUtf8(const unsigned char* data, std::size_t size) {
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        std::uint32_t c = Windows1252CodePoint(data[i]);
        if (c == 0) c = '?';
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
