// The drifting tokens of games 2 and 4: an answer gem of one colour, or a hazard
// (a rock in game 2, the bomb in game 4).
#pragma once
#include <vector>

struct Token {
    int Sprite = 0;
    int Kind = 0;       // 0 hazard, 1..4 choice (blue, yellow, red, green), -1 spent
    float Size = 0;     // drawn size and hit-box base of a rock; 64 for gems
    float Angle = 0;
    float Spin = 0;     // the games turn a token by Spin x 0.2 a tick
    float X = 0, Y = 0; // centre
    float VX = 0, VY = 0;   // before the game's own speed factor
};

extern std::vector<Token> Tokens;   // live tokens are 1..TokenCount; element 0 is never used
extern int TokenCount;

void ResetTokens();
void AddToken(int kind, float size, float x, float y);        // game 2
void AddSpacedToken(int kind, float x, float y);              // game 4: keeps away from the others
// Grows the list by one token (zeroed if new) and returns it, for callers that fill
// a token themselves (the rock fragments of game 2).
Token& AppendToken();
