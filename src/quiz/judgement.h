// Answers and lost questions: scoring, the feedback picture, the tick or cross, the
// countdown clock, and what comes when the countdown is over.
#pragma once

extern int QuestionOpen, QuestionForfeited, ChosenAnswer, CorrectAnswer;
extern int Score, CorrectCount, WrongCount, Lives;
extern int FeedbackActive, FeedbackSprite;
extern float FeedbackDelay, TimerAlpha, TimerAngle, FeedbackX, FeedbackY, FeedbackAngle, MarkSize, MarkAlpha;

void SubmitAnswer(int choice);
void ForfeitQuestion();
void StartFeedback();
void StopFeedback();
void CountdownStep();        // may end with the outcome of the answer
void AnswerOutcome();        // what comes once the countdown is over
void DrawCountdownClock();
void DrawFeedbackPicture();
void DrawAnswerMark();
void ResetJudgement();
