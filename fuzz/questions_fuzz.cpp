// The question file reader on any bytes: it must never read past the end, and
// every block it counts has its place and is in the bank.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "content/question_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<QuestionBlockPlace> places;
    ParseQuestions(data, size, &places);
    if (static_cast<int>(places.size()) != QuestionCount) __builtin_trap();
    if (QuestionCount >= static_cast<int>(QuestionBank.size())) __builtin_trap();
    int previousHeader = 0;
    for (const QuestionBlockPlace& place : places) {
        if (place.HeaderLine <= previousHeader || place.LinesPresent < 0 || place.LinesPresent > 6) __builtin_trap();
        previousHeader = place.HeaderLine;
    }
    return 0;
}
