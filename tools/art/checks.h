// Checks on every finished picture that catch the faults the game would show: a wrong size,
// a hole punched into a multiplied or added picture, a background with see-through pixels.
#pragma once
#include <string>

#include "catalogue.h"

// Returns an empty string when the picture is fit for the game, else what is wrong with it.
std::string CheckPicture(const ArtEntry& entry, const Pixels& pic);
