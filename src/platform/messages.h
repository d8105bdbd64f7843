// Messages to the user and the user's own places.
#pragma once
#include <string>

// A modal box with a title, the text and one OK button. The text also goes to standard error,
// so that it is read where no box can open.
void ShowMessageBox(const std::string& title, const std::string& text);
// Opens an address in the user's default browser; false when that could not be done.
bool OpenWebAddress(const std::string& address);
// The user's home folder, or "" when the system reports none.
std::string ProfileFolder();
