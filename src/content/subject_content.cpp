#include "content/subject_content.h"

#include "content/question_bank.h"
#include "content/subject_descriptor.h"

void ResetSubjectContent() {
    ResetSubjectDescriptor();
    ResetQuestionBank();
}
