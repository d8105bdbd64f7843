// The question file "subject\q.dat" and the bank of questions read from it.
// The file is a run of seven-line blocks: a header (any non-blank text), the
// question, the number of the right answer (1..4) and the four answers, blue,
// yellow, red and green. Blank lines may stand only before a header.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct BankQuestion {
    std::string Text;
    std::string ChoiceTexts[5];   // 1..4 in choice order blue, yellow, red, green; element 0 unused
    int RightChoice = 0;          // outside 1..4 every choice is wrong
};

extern std::vector<BankQuestion> QuestionBank;   // 1..QuestionCount in file order; element 0 unused
extern int QuestionCount;
extern int QuestionCursor;            // index of the question presented last
extern std::string QuestionFilePath;  // "subject\q.dat"

// Where a block stands in its file, for the pack checker's messages.
struct QuestionBlockPlace {
    int HeaderLine = 0;     // line number of the block's header, from 1
    int LinesPresent = 0;   // how many of the six lines after the header the file still had
};

// Fills the bank from index 1 with the blocks of a file's bytes and sets QuestionCount.
// The bank grows when needed and never shrinks. When places is given, it receives
// one entry per block.
void ParseQuestions(const unsigned char* data, std::size_t size, std::vector<QuestionBlockPlace>* places = nullptr);
// Reads the question file at a game path into the bank and puts QuestionCursor on a
// random question. A file that cannot be read, or that holds no question, is reported
// in a message box and gives false: the game cannot go on without questions.
bool LoadQuestions(const std::string& path);

void ResetQuestionBank();
