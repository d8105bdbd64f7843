// The maths pack's sums, worked out again: the right answer of every question of the
// form "What is a × b?", "a + b", "a - b", "double n" and "half of n" is the true result,
// and no wrong answer happens to be it too.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "content/question_bank.h"
#include "content/subject_content.h"

namespace {

// An answer as a number of halves ("4½" is 9); -1 when it is not a number.
int Halves(const std::string& answer) {
    int whole = 0, used = 0;
    if (std::sscanf(answer.c_str(), "%d%n", &whole, &used) != 1) return -1;
    std::string rest = answer.substr(static_cast<std::size_t>(used));
    if (rest.empty()) return 2 * whole;
    if (rest == "\xBD") return 2 * whole + 1;   // ½ in Windows-1252
    return -1;
}

// The true result in halves of a question the test knows how to work out; -1 otherwise.
int WorkedOut(const std::string& question) {
    int a = 0, b = 0;
    char end = 0;
    if (std::sscanf(question.c_str(), "What is %d \xD7 %d%c", &a, &b, &end) == 3 && end == '?') return 2 * a * b;
    if (std::sscanf(question.c_str(), "What is %d + %d%c", &a, &b, &end) == 3 && end == '?') return 2 * (a + b);
    if (std::sscanf(question.c_str(), "What is %d - %d%c", &a, &b, &end) == 3 && end == '?') return 2 * (a - b);
    if (std::sscanf(question.c_str(), "What is double %d%c", &a, &end) == 2 && end == '?') return 4 * a;
    if (std::sscanf(question.c_str(), "What is half of %d%c", &a, &end) == 2 && end == '?') return a;
    return -1;
}

TEST(MathsPack, EverySumHasItsTrueResultAsTheRightAnswer) {
    ResetSubjectContent();
    std::ifstream in(std::filesystem::path(QB_SOURCE_DIR) / "subjects" / "maths" / "questions.txt", std::ios::binary);
    std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ParseQuestions(reinterpret_cast<const unsigned char*>(file.data()), file.size());
    ASSERT_GE(QuestionCount, 60);
    int worked = 0;
    for (int q = 1; q <= QuestionCount; ++q) {
        const BankQuestion& question = QuestionBank[q];
        int result = WorkedOut(question.Text);
        if (result < 0) continue;
        ++worked;
        ASSERT_GE(question.RightChoice, 1) << question.Text;
        ASSERT_LE(question.RightChoice, 4) << question.Text;
        for (int k = 1; k <= 4; ++k) {
            int value = Halves(question.ChoiceTexts[k]);
            if (k == question.RightChoice)
                EXPECT_EQ(value, result) << question.Text << " answer " << k;
            else
                EXPECT_NE(value, result) << question.Text << " answer " << k;
        }
    }
    // Most of the pack is plain sums; the word problems are checked by hand.
    EXPECT_GE(worked, 50);
}

}  // namespace
