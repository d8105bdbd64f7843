// The name-entry page of the notepad: the typed name with its blinking cursor and the OK button.
#pragma once
#include <string>

constexpr std::size_t LongestName = 19;

// The Windows-1252 capital of a small letter (a-z and the accented small letters);
// any other character is returned as it is.
char CapitalLetter(char c);
// One frame of typing: the characters typed since the last frame, Backspace, the length
// limit and the capital first letter.
void EditStudentName();
// Draws the page and its OK button at the notepad's current height, and takes the typing.
void DrawNameEntryPage();
