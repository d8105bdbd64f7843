#include "content/subject_descriptor.h"

#include <vector>

#include "app/screen.h"
#include "content/text_lines.h"
#include "content/windows1252.h"
#include "platform/files.h"
#include "platform/messages.h"

int StartLives = 0;
std::string TipText[6];

void ParseSubjectDescriptor(const unsigned char* data, std::size_t size) {
    std::string text = SubjectFileText(data, size);
    TextCursor cursor = StartText(text);
    // Past the end of the file every line reads as empty, so a short file
    // leaves the later values empty (and the lives 0).
    WindowTitle = "Quillbrook Rizizer - " + LineValue(ReadTextLine(cursor));
    ReadTextLine(cursor);
    StartLives = ReadInteger(LineValue(ReadTextLine(cursor)));
    for (int n = 1; n <= 5; ++n) TipText[n] = LineValue(ReadTextLine(cursor));
}

bool ReadSubjectDescriptor() {
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile("subject\\QBA.ini", bytes)) {
        ShowMessageBox("Error", "Failed to read QBA.ini");
        return false;
    }
    ParseSubjectDescriptor(bytes.data(), bytes.size());
    return true;
}

void ResetSubjectDescriptor() {
    StartLives = 0;
    for (std::string& tip : TipText) tip.clear();
}
