// The preferences file "quillbrook_prefs.ini" in the user's home folder: three little-endian
// 32-bit integers (mute, windowed, student enters the name) and the name's bytes, no terminator.
#pragma once
#include <string>
#include <vector>

// "$HOME/quillbrook_prefs.ini", or the file in the working folder when there is no home folder.
std::string PreferencesPath();
// Integer 0, 1 or 2 of the file; bytes missing at the end of a short file count as 0.
int PreferenceValue(const std::vector<unsigned char>& bytes, int index);
// The name after the integers, up to the first zero byte or line end.
std::string PreferenceName(const std::vector<unsigned char>& bytes);
// The file's bytes; any non-zero flag is written as 1.
std::vector<unsigned char> PreferenceBytes(int muteAudio, int windowed, int studentEntersName,
                                           const std::string& name);

// Sets the options window's controls from the file; a missing file leaves them as they are.
void ReadPreferences();
// Writes the window's choices; a file that cannot be written is silently left alone.
void WritePreferences();
