// Rounds of twenty questions taken from the bank in file order.
#include "quiz/rounds.h"

#include "content/question_bank.h"
#include "games/particles.h"
#include "quiz/grading.h"
#include "quiz/judgement.h"
#include "render/font.h"
#include "render/text.h"

int QuestionNumber = 0;
std::string QuestionText;
std::string ChoiceText[4];
float ChoiceScale[4] = {1, 1, 1, 1};
int NewRoundPending = 0;

namespace {
constexpr int QuestionsPerRound = 20;
constexpr int ChoiceWidth = 200;   // room for a choice's text on its button
}  // namespace

void NextQuestion() {
    ++QuestionNumber;
    NewRoundPending = 0;
    StopFeedback();   // an answer still counting down loses its outcome

    QuestionOpen = 1;
    FlashActive = 0;
    QuestionForfeited = 0;
    FeedbackSprite = 0;
    ChosenAnswer = 0;
    MarkSize = 160;
    MarkAlpha = 0;

    if (QuestionNumber > QuestionsPerRound) {
        GradeFullRound();   // the question shown stays as it was
        return;
    }

    ++QuestionCursor;
    if (QuestionCursor > QuestionCount) QuestionCursor = 1;
    if (QuestionCursor < 1 || QuestionCursor >= static_cast<int>(QuestionBank.size())) return;   // no bank yet

    const BankQuestion& q = QuestionBank[QuestionCursor];
    QuestionText = q.Text;
    for (int k = 0; k < 4; ++k) {
        ChoiceText[k] = q.ChoiceTexts[k + 1];
        // Shrink in small steps until the text fits its button; the width falls with the scale.
        ChoiceScale[k] = 1.0f;
        while (TextWidth(MainFont, ChoiceText[k], ChoiceScale[k]) > ChoiceWidth) ChoiceScale[k] -= 0.025f;
    }
    CorrectAnswer = q.RightChoice;
}

void ResetRounds() {
    QuestionNumber = 0;
    QuestionText.clear();
    for (int k = 0; k < 4; ++k) {
        ChoiceText[k].clear();
        ChoiceScale[k] = 1.0f;
    }
    NewRoundPending = 0;
}
