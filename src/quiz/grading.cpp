// Grading a round and writing its report card.
#include "quiz/grading.h"

#include <algorithm>

#include "app/rounding.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/rounds.h"

namespace {

// The last two digits, with a leading zero: 5 gives "05", 20 gives "20".
std::string Two(int v) {
    const std::string s = "00" + std::to_string(v);
    return s.substr(s.size() - 2);
}

}  // namespace

int RoundAccuracy(int questions) {
    const double accuracy = 100.0 * (CorrectCount - WrongCount / 3.0) / questions;
    return std::clamp(Round(accuracy), 0, 100);
}

int GradeForAccuracy(int accuracy) {
    int grade = 4;
    if (accuracy > 70) grade = 3;
    if (accuracy > 80) grade = 2;
    if (accuracy > 98) grade = 1;
    return grade;
}

void GradeFullRound() { ShowReport(GradeForAccuracy(RoundAccuracy(20))); }

std::string BuildReportText() {
    const int accuracy = RoundAccuracy(std::clamp(QuestionNumber, 1, 20));
    if (CorrectCount > 20) CorrectCount = 20;
    return "Name: " + StudentName + ";Questions Complete: " + Two(QuestionNumber - 1) + "/20;Correct: " +
           Two(CorrectCount) + ";Incorrect: " + Two(WrongCount) + ";---;Accuracy: " + std::to_string(accuracy) + "%";
}
