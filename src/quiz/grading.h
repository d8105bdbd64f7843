// Grading a round and the text of its report card.
#pragma once
#include <string>

// Round(100 x (CorrectCount - WrongCount / 3) / questions), kept within 0..100: each
// failure costs a third of a right answer.
int RoundAccuracy(int questions);
// 1 AA (99 or more), 2 A (81..98), 3 B (71..80), 4 C (70 or less).
int GradeForAccuracy(int accuracy);
// The twentieth question is behind us: grade the round and open the report card.
void GradeFullRound();
// The report card's lines, separated by ";", from the round's counters as they stand.
std::string BuildReportText();
