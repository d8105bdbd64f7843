#include "content/question_bank.h"

#include "app/random.h"
#include "content/text_lines.h"
#include "content/windows1252.h"
#include "platform/files.h"
#include "platform/messages.h"

std::vector<BankQuestion> QuestionBank(1);
int QuestionCount = 0;
int QuestionCursor = 0;
std::string QuestionFilePath = "subject\\q.dat";

void ParseQuestions(const unsigned char* data, std::size_t size, std::vector<QuestionBlockPlace>* places) {
    std::string text = SubjectFileText(data, size);
    TextCursor cursor = StartText(text);
    QuestionCount = 0;
    if (places) places->clear();
    // The end of the file is only tested before a header: once a header is found,
    // the block's six lines are taken as they come, blank or missing.
    while (!AtEndOfText(cursor)) {
        QuestionBlockPlace place;
        place.HeaderLine = cursor.LineNumber;
        if (TrimSpaces(ReadTextLine(cursor)).empty()) continue;
        ++QuestionCount;
        if (static_cast<int>(QuestionBank.size()) <= QuestionCount) QuestionBank.resize(QuestionCount + 1);
        int linesLeft = cursor.LineNumber;
        BankQuestion& question = QuestionBank[QuestionCount];
        question.Text = TrimSpaces(ReadTextLine(cursor));
        question.RightChoice = ReadInteger(ReadTextLine(cursor));
        for (int k = 1; k <= 4; ++k) question.ChoiceTexts[k] = TrimSpaces(ReadTextLine(cursor));
        if (places) {
            // ReadTextLine counts a line only while there is one to read.
            place.LinesPresent = cursor.LineNumber - linesLeft;
            places->push_back(place);
        }
    }
}

bool LoadQuestions(const std::string& path) {
    QuestionCount = 0;
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, bytes)) {
        ShowMessageBox("Error", "Could not read question file.. " + path);
        return false;
    }
    ParseQuestions(bytes.data(), bytes.size());
    if (QuestionCount == 0) {
        ShowMessageBox("Error", "The question file holds no questions: " + path);
        return false;
    }
    QuestionCursor = Random(QuestionCount - 1) + 1;
    return true;
}

void ResetQuestionBank() {
    QuestionBank.assign(1, BankQuestion());
    QuestionCount = 0;
    QuestionCursor = 0;
    QuestionFilePath = "subject\\q.dat";
}
