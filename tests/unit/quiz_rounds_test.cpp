// Question rounds: the order of questions, choices shrunk to fit their buttons, the count
// of twenty, and how a round begins after the hub.
#include "quiz_test_support.h"

namespace {

using Rounds = QuizTest;

TEST_F(Rounds, QuestionsFollowTheFileAndWrapToTheFirst) {
    struct Case {
        int bank, cursor, next;
    };
    for (const Case c : {Case{30, 5, 6}, Case{30, 30, 1}, Case{1, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << c.bank << " questions, cursor " << c.cursor);
        FillBank(c.bank, 3);
        QuestionCursor = c.cursor;
        NextQuestion();
        EXPECT_EQ(QuestionCursor, c.next);
        EXPECT_EQ(QuestionText, "Question " + std::to_string(c.next));
        EXPECT_EQ(ChoiceText[0], "Blue");
        EXPECT_EQ(ChoiceText[3], "Green");
        EXPECT_EQ(CorrectAnswer, 3);
    }
}

TEST_F(Rounds, ChoicesShrinkInSteps) {
    struct Case {
        int letters;   // 10 pixels each at scale 1.0
        float scale;
    };
    // 210 pixels: 0.975 still measures 205; 0.95 measures 199.5, rounded to even 200, which fits.
    for (const Case c : {Case{20, 1.0f}, Case{21, 0.95f}, Case{30, 0.65f}, Case{0, 1.0f}}) {
        SCOPED_TRACE(c.letters);
        FillBank(1);
        QuestionBank[1].ChoiceTexts[2] = std::string(static_cast<std::size_t>(c.letters), 'w');
        NextQuestion();
        EXPECT_NEAR(ChoiceScale[1], c.scale, 1e-4);
        EXPECT_EQ(ChoiceScale[0], 1.0f);
    }
}

TEST_F(Rounds, NewQuestionDropsTheCountdownAndOpensAtOnce) {
    StartUp();
    EnterGameWithoutTip(2);
    SubmitAnswer(1);
    StartFlash(10, 10);
    NextQuestion();
    EXPECT_EQ(FeedbackActive, 0);
    EXPECT_EQ(QuestionOpen, 1);
    EXPECT_EQ(ChosenAnswer, 0);
    EXPECT_EQ(FeedbackSprite, 0);
    EXPECT_EQ(MarkSize, 160);
    EXPECT_EQ(FlashActive, 0);
    EXPECT_EQ(QuestionNumber, 2);
}

TEST_F(Rounds, TheTwentyFirstQuestionEndsTheRoundAndKeepsTheLastOne) {
    StartUp();
    for (int i = 2; i <= 20; ++i) NextQuestion();
    ASSERT_EQ(QuestionNumber, 20);
    const int cursor = QuestionCursor;
    const std::string text = QuestionText;
    EXPECT_EQ(NotepadOpen, 0);
    NextQuestion();
    EXPECT_EQ(QuestionNumber, 21);
    EXPECT_EQ(NotepadOpen, 1);
    EXPECT_GT(ReportGrade, 0);
    EXPECT_EQ(QuestionCursor, cursor);
    EXPECT_EQ(QuestionText, text);
}

TEST_F(Rounds, FirstGameAfterStartUpAsksTheFirstQuestion) {
    StartUp();
    ASSERT_EQ(QuestionNumber, 1);
    const int cursor = QuestionCursor;
    EnterScreen(3);
    EXPECT_EQ(QuestionNumber, 1);
    EXPECT_EQ(QuestionCursor, cursor);
}

// After the hub a round begins with a fresh question numbered 1 on a freshly risen panel,
// and it counts its own twenty questions.
TEST_F(Rounds, RoundAfterTheHubStartsAfresh) {
    StartUp();
    for (int i = 0; i < 6; ++i) NextQuestion();
    const int cursor = QuestionCursor;
    BottomBarY = 568;
    EnterScreen(0);
    EXPECT_EQ(QuestionNumber, 0);
    EXPECT_EQ(QuestionCursor, cursor) << "the hub sets up no question";

    EnterScreen(4);
    EXPECT_EQ(QuestionNumber, 1);
    EXPECT_EQ(QuestionCursor, cursor + 1);
    EXPECT_EQ(BottomBarY, 770) << "the panel rises again";
    EXPECT_EQ(QuestionOpen, 1);

    EnterScreen(4);   // a wrong answer sets the same game up again: same question
    EXPECT_EQ(QuestionNumber, 1);
    for (int i = 2; i <= 20; ++i) NextQuestion();
    EXPECT_EQ(NotepadOpen, 0);
    NextQuestion();
    EXPECT_EQ(NotepadOpen, 1) << "the round ends after its own twentieth question";
}

}  // namespace
