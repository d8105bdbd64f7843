// Subject files in either of two encodings. The font and every text of the game use
// Windows-1252, one byte per character; a teacher's editor on Linux saves UTF-8.
// Each file is judged on its own: valid UTF-8 with characters beyond ASCII is
// converted, anything else (plain ASCII, or Windows-1252 bytes that are not valid
// UTF-8) is kept byte for byte.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The Windows-1252 byte of a Unicode character, or -1 when the code page lacks it.
int Windows1252Byte(std::uint32_t codePoint);
// The Unicode character that a Windows-1252 byte stands for (0 for the five unused bytes).
std::uint32_t Windows1252CodePoint(unsigned char byte);

bool IsValidUtf8(const unsigned char* data, std::size_t size);
// Decodes one UTF-8 character at data[0..size); returns its length in bytes, 0 when
// the bytes there are not a well-formed character (overlong, surrogate, cut short).
std::size_t DecodeUtf8(const unsigned char* data, std::size_t size, std::uint32_t& codePoint);

// UTF-8 to Windows-1252: characters outside the code page become "?", and a
// byte-order mark at the start is dropped. The input must be valid UTF-8.
std::string Utf8ToWindows1252(const unsigned char* data, std::size_t size);
// A subject file's bytes as the game's text: converted when it is UTF-8 with
// characters beyond ASCII, unchanged otherwise.
std::string SubjectFileText(const unsigned char* data, std::size_t size);

// The other way: Windows-1252 text as UTF-8, for messages and tools that speak UTF-8.
// Bytes the code page leaves undefined become "?".
std::string Windows1252ToUtf8(const unsigned char* data, std::size_t size);
