#include "quiz/notepad.h"

std::string StudentName;
