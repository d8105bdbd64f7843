// The subject descriptor reader on any bytes: it must never read past the end,
// and whatever the file, the caption starts with the game's name.
#include <cstddef>
#include <cstdint>

#include "app/screen.h"
#include "content/subject_descriptor.h"
#include "content/windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ParseSubjectDescriptor(data, size);
    if (WindowTitle.rfind("Quillbrook Rizizer - ", 0) != 0) __builtin_trap();
    // Converting never makes a text longer: every character becomes one byte.
    if (SubjectFileText(data, size).size() > size) __builtin_trap();
    return 0;
}
