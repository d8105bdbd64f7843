// End of a round: the report card's text, the grades, and the revision pages along the way.
#include "quiz_test_support.h"

#include "quiz/grading.h"

namespace {

class Report : public QuizTest {
protected:
    void SetUp() override {
        QuizTest::SetUp();
        StudentName = "Ann";
        StartUp();
        for (int n = 1; n <= 5; ++n) TipSeen[n] = 1;
        EnterScreen(1);
    }
    // The countdown of the answer just given runs out.
    static void Outcome() {
        while (FeedbackActive == 1) CountdownStep();
    }
    // One question of the round answered right, after `failures` wrong answers.
    static void Answer(int failures) {
        for (int i = 0; i < failures; ++i) {
            SubmitAnswer(CorrectAnswer % 4 + 1);
            Outcome();
        }
        SubmitAnswer(CorrectAnswer);
        Outcome();
        if (ReportGrade == 0 && NotepadOpen == 1) CloseNotepad();   // a revision page
    }
};

TEST_F(Report, FullRoundCard) {
    for (int q = 1; q <= 20; ++q) Answer(q == 3 || q == 9 || q == 17 ? 1 : 0);
    EXPECT_EQ(ReportText, "Name: Ann;Questions Complete: 20/20;Correct: 20;Incorrect: 03;---;Accuracy: 95%");
    EXPECT_EQ(ReportGrade, 2);
    EXPECT_EQ(NotepadOpen, 1);
    EXPECT_EQ(QuestionNumber, 21);

    // The card is drawn line by line in dark blue ink.
    for (int i = 0; i < 300; ++i) DrawNotepad();
    FakeDraws().clear();
    DrawNotepad();
    std::vector<std::string> lines;
    for (const DrawnText& t : DrawnTexts()) {
        EXPECT_EQ(t.tint, 0x222244u);
        EXPECT_FLOAT_EQ(t.scale, 1.2f);
        lines.push_back(t.text);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"Name: Ann", "Questions Complete: 20/20", "Correct: 20", "Incorrect: 03",
                                               "---", "Accuracy: 95%"}));
}

TEST_F(Report, CardAfterTheLivesRanOut) {
    for (int q = 1; q <= 6; ++q) Answer(0);
    ASSERT_EQ(QuestionNumber, 7);
    for (int i = 0; i < 3; ++i) {
        SubmitAnswer(CorrectAnswer % 4 + 1);
        Outcome();
    }
    EXPECT_EQ(ReportText, "Name: Ann;Questions Complete: 06/20;Correct: 06;Incorrect: 03;---;Accuracy: 71%");
    EXPECT_EQ(ReportGrade, 5);
}

TEST_F(Report, NamelessCard) {
    StudentName = "";
    ShowReport(4);
    EXPECT_EQ(ReportText.substr(0, 7), "Name: ;");
}

// A full round ends with 20 right answers, so its grade depends on the failures alone.
TEST_F(Report, GradeOfAFullRound) {
    struct Case {
        int failures, accuracy, grade;
    };
    const Case cases[] = {{0, 100, 1}, {1, 98, 2}, {11, 82, 2}, {12, 80, 3},
                          {17, 72, 3}, {18, 70, 4}, {60, 0, 4},   {61, 0, 4}};
    for (const Case c : cases) {
        SCOPED_TRACE(c.failures);
        CorrectCount = 20;
        WrongCount = c.failures;
        EXPECT_EQ(RoundAccuracy(20), c.accuracy);
        EXPECT_EQ(GradeForAccuracy(RoundAccuracy(20)), c.grade);
    }
}

TEST_F(Report, RoundWithoutAFailureIsAA) {
    for (int q = 1; q <= 20; ++q) Answer(0);
    EXPECT_EQ(ReportGrade, 1);
    EXPECT_NE(ReportText.find("Accuracy: 100%"), std::string::npos);
}

// Skipped questions count towards the twenty but not as right answers. Here the round's
// last answer is also its 18th counted one, due for a revision page: the report card wins.
TEST_F(Report, TwoSkipsCostTheTopGrade) {
    for (int q = 1; q <= 20; ++q) {
        if (q == 5 || q == 12) NextQuestion();
        else Answer(0);
    }
    EXPECT_EQ(ReportGrade, 2);
    EXPECT_NE(ReportText.find("Correct: 18;"), std::string::npos);
    EXPECT_NE(ReportText.find("Accuracy: 90%"), std::string::npos);
}

TEST_F(Report, DismissedCardClearsTheCounters) {
    for (int q = 1; q <= 20; ++q) Answer(0);
    Frames(3);
    ClickFrame();
    EXPECT_EQ(CurrentScreen, 0);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(CorrectCount, 0);
    EXPECT_EQ(StudentName, "Ann");
}

// Revision pages open after the 2nd, 6th, 10th, 14th and 18th counted right answers.
TEST_F(Report, RevisionPagesDuringARound) {
    std::vector<int> openedAfter;
    for (int q = 1; q <= 20; ++q) {
        SubmitAnswer(CorrectAnswer);
        Outcome();
        if (NotepadOpen == 1 && ReportGrade == 0) {
            openedAfter.push_back(q);
            EXPECT_EQ(RevisionPage, static_cast<int>(openedAfter.size()));
            CloseNotepad();
        }
    }
    EXPECT_EQ(openedAfter, (std::vector<int>{2, 6, 10, 14, 18}));
}

TEST_F(Report, PagesBeyondTheFifthOpenNothing) {
    RevisionPage = 5;
    RevisionCounter = 3;
    QuestionNumber = 2;
    SubmitAnswer(CorrectAnswer);
    Outcome();
    EXPECT_EQ(RevisionPage, 6);
    EXPECT_EQ(NotepadOpen, 0);
    EXPECT_EQ(RevisionCounter, 0) << "the counter keeps cycling";
}

// A right answer that moves random mode on to a game whose tip is still to come is not counted.
TEST_F(Report, RightAnswerIntoAnUnseenGameIsNotCounted) {
    RandomGameMode = 1;
    TipSeen[2] = 0;
    RevisionCounter = 3;
    SubmitAnswer(CorrectAnswer);
    Outcome();
    EXPECT_EQ(CurrentScreen, 2);
    EXPECT_EQ(RevisionCounter, 3);
    EXPECT_EQ(TipShown, 1);
    EXPECT_EQ(NotepadOpen, 0);
}

}  // namespace
