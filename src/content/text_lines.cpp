#include "content/text_lines.h"

#include <climits>

TextCursor StartText(const std::string& text) {
    TextCursor cursor;
    cursor.Data = reinterpret_cast<const unsigned char*>(text.data());
    cursor.Size = text.size();
    return cursor;
}

bool AtEndOfText(const TextCursor& cursor) { return cursor.Position >= cursor.Size; }

std::string ReadTextLine(TextCursor& cursor) {
    if (AtEndOfText(cursor)) return std::string();
    std::size_t start = cursor.Position;
    std::size_t end = start;
    while (end < cursor.Size && cursor.Data[end] != '\r' && cursor.Data[end] != '\n' && cursor.Data[end] != 0)
        ++end;
    std::string line(reinterpret_cast<const char*>(cursor.Data + start), end - start);
    cursor.Position = end;
    if (end < cursor.Size) {
        // One line end: CR LF counts once, any other end byte alone.
        bool carriageReturn = cursor.Data[end] == '\r';
        ++cursor.Position;
        if (carriageReturn && cursor.Position < cursor.Size && cursor.Data[cursor.Position] == '\n')
            ++cursor.Position;
    }
    ++cursor.LineNumber;
    return line;
}

std::string TrimSpaces(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string LineValue(const std::string& line) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) return std::string();
    std::size_t next = line.find('=', equals + 1);
    std::size_t length = (next == std::string::npos ? line.size() : next) - (equals + 1);
    return TrimSpaces(line.substr(equals + 1, length));
}

namespace {
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}
}  // namespace

int ReadInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    // The magnitude is kept just past the integer range, so a long run of digits
    // settles at the range's end instead of wrapping round.
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i]);
        if (digit >= base) break;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) magnitude = limit;
    }
    if (negative) return static_cast<int>(-magnitude);   // -(INT_MAX + 1) is INT_MIN
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}
