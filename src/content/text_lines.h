// Reading the lines of a subject file held in memory. Both subject files (the
// descriptor and the question file) share these rules: a line ends at a carriage
// return, a line feed, a carriage return followed by a line feed, or a zero byte;
// only spaces (never tabs) are trimmed; numbers are read leniently.
#pragma once
#include <cstddef>
#include <string>

// A reading position in a file's bytes. The reader never looks at Data[Size] or beyond.
struct TextCursor {
    const unsigned char* Data = nullptr;
    std::size_t Size = 0;
    std::size_t Position = 0;
    int LineNumber = 1;   // number of the line that the next ReadTextLine returns
};

TextCursor StartText(const std::string& text);
bool AtEndOfText(const TextCursor& cursor);
// The next line without its line end; "" once the end has been reached.
std::string ReadTextLine(TextCursor& cursor);

// The text with spaces removed from both ends (tabs stay).
std::string TrimSpaces(const std::string& text);
// The value of a label=value line: after the first "=" up to the next "=" or the
// line end, spaces trimmed; "" when the line has no "=".
std::string LineValue(const std::string& line);
// Leading spaces and tabs skipped, an optional "+" or "-", then decimal digits,
// or "$" and hexadecimal digits, or "%" and binary digits, up to the first other
// character. No digits reads as 0; values beyond the integer range stop at its ends.
int ReadInteger(const std::string& text);
