// Building a pack folder from its source: QBA.ini, q.dat, subject.png, revis01..05.png.
#pragma once
#include <string>
#include <vector>

#include "pack_source.h"

// Builds the pack; problems that stopped it are added to problems (file names are the
// source's). Returns true when every file of the pack was written.
bool BuildPack(const std::string& sourceFolder, const std::string& packFolder, std::vector<SourceProblem>& problems);
