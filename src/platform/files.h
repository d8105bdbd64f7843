// Files of the working folder. Game paths use backslashes ("graph\boom.png");
// they are turned into paths of this system below the working folder.
#pragma once
#include <string>
#include <vector>

void SetWorkingFolder(const std::string& folder);   // "" = the current folder
const std::string& WorkingFolder();
std::string ResolveGamePath(const std::string& gamePath);
bool ReadWholeFile(const std::string& gamePath, std::vector<unsigned char>& out);
// Writes a file so that a crash or a full disk never leaves a truncated one behind:
// the bytes go to a temporary file in the same folder, which then replaces the old one.
bool WriteFileSafely(const std::string& path, const std::vector<unsigned char>& bytes);
