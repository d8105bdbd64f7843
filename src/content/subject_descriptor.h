// The subject descriptor "subject\QBA.ini": eight label=value lines taken by position.
// Line 1 names the subject (the window caption), line 2 is not used, line 3 gives
// the lives, lines 4 to 8 the tips of games 1 to 5.
#pragma once
#include <cstddef>
#include <string>

extern int StartLives;           // lives at the hub and after every right answer
extern std::string TipText[6];   // TipText[n]: the tip of game n, 1..5; element 0 unused

constexpr int DescriptorLineCount = 8;

// Reads "subject\QBA.ini". When it cannot be read, shows "Failed to read QBA.ini"
// and returns false: the start-up then shuts down.
bool ReadSubjectDescriptor();
// Takes the descriptor's values from a file's bytes: sets WindowTitle, StartLives
// and TipText. Missing lines read as empty.
void ParseSubjectDescriptor(const unsigned char* data, std::size_t size);

void ResetSubjectDescriptor();
