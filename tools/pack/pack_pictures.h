// The pack's pictures, drawn with Cairo: the title emblem shown on the hub and the
// five revision pages multiplied onto the notepad.
#pragma once
#include <string>

#include "pack_source.h"

constexpr int SubjectPictureSize = 380;
constexpr int RevisionPageSize = 360;
// The smallest text a revision page may use, in pixels: smaller is hard for a child to read.
constexpr double SmallestRevisionText = 14.0;

// The emblem: the motif (maths, science, geography, or a lettered badge) with the
// subject's name on a ribbon beneath it, on a transparent background.
bool DrawSubjectPicture(const std::string& name, const std::string& motif, const std::string& pngPath);
// A revision page in dark ink on white paper, laid out at the largest text size that fits
// (from 19 px down to SmallestRevisionText). False, with the reason, when it cannot fit.
bool DrawRevisionPage(const RevisionSource& page, const std::string& pngPath, std::string& problem,
                      double* textSize = nullptr);
