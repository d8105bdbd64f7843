// Review pages written beside the game folder: a contact sheet of every picture with its file
// name, and previews of the layered scenes blended exactly as the game blends them.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "catalogue.h"
#include "png_out.h"

struct Drawn {
  const ArtEntry* entry;
  const Pixels* pixels;
};
using ArtLibrary = std::map<std::string, Drawn>;

bool WriteContactSheets(const std::string& dir, const std::vector<ArtEntry>& list, const std::vector<Pixels>& pics);
// One preview per scene; returns false when a page cannot be written.
bool WriteScenePreviews(const std::string& dir, const ArtLibrary& art);
