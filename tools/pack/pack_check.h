// Checking a built pack the way the game reads it: the game's own descriptor and
// question readers, its font and its text measuring, and the panel's layout.
#pragma once
#include <string>
#include <vector>

struct PackDiagnostic {
    std::string File;    // file name inside the pack, or the font's path
    int Line = 0;        // from 1; 0 when the problem is the file as a whole
    bool Error = true;   // false for a warning
    std::string Message;
};

// The blackboard: question lines start at y 548 (the board settles at y 468 and the
// text sits 80 below its top), 320 pixels wide at scale 1.2. The board is visible down
// to the bottom of the 768-pixel surface; text must end BoardMargin above that.
constexpr float BoardTextX = 32.0f, BoardTextY = 548.0f, BoardTextWidth = 320.0f, BoardTextScale = 1.2f;
constexpr int BoardBottom = 768, BoardMargin = 6;
// More lines than this are allowed while they fit, but a child reads them slowly.
constexpr int BoardComfortableLines = 6;
// Answers shrink by 0.025 until they fit 200 pixels. Below SmallestAnswerScale (12 px
// letters) they are too small to read; below ShrunkAnswerScale they are still readable
// but noticeably smaller than the other answers.
constexpr float AnswerWidth = 200.0f, SmallestAnswerScale = 0.6f, ShrunkAnswerScale = 0.75f;
// The tip bubble: text from (280, 160), 460 wide at scale 1.5; the game's picture sits
// below it, centred on y 410 (its top is 410 - size / 2).
constexpr float TipTextX = 280.0f, TipTextY = 160.0f, TipTextWidth = 460.0f, TipTextScale = 1.5f;
// A round has 20 questions; fewer means some come up twice in a round.
constexpr int QuestionsPerRound = 20;

// Helv20.tf beside the pack's folder (the game's working folder holds both), or in it;
// "" when there is none.
std::string FindPackFont(const std::string& packFolder);
// Every problem of the pack, in file order. A font that cannot be loaded is itself
// an error, and the checks that need it are left out.
std::vector<PackDiagnostic> CheckPack(const std::string& packFolder, const std::string& fontPath);
// "PACK/q.dat:15: error: message" (no line number for a whole file).
std::string FormatDiagnostic(const std::string& packFolder, const PackDiagnostic& diagnostic);
