// Question rounds: which question of the bank comes next, and the round's count of twenty.
#pragma once
#include <string>

extern int QuestionNumber;        // 1..20 while the round runs, 21 when it has ended
extern std::string QuestionText;  // as stored in the bank; the panel stores its settled line breaks back
extern std::string ChoiceText[4];
extern float ChoiceScale[4];
// 1 from a hub set-up until the next question is prepared: the first game entered then
// starts the new round with a fresh question on a freshly risen panel.
extern int NewRoundPending;

void NextQuestion();
void ResetRounds();
