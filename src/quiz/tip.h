// The thought bubble that shows a game's tip on its first entry after the hub.
#pragma once
#include <string>

extern int TipShown;          // the bubble is up and the game is paused
extern int TipSeen[7];        // game n's tip shown since the last hub entry
extern int TipPicture[6];     // the hero, vehicle or tool of game n
extern float TipPictureSize[6];
extern float BubbleSize, BubbleAlpha, BubbleTextAlpha, BubblePictureSize, HintFrameTimer;
extern std::string BubbleText;
extern int BubblePicture, HintFrame;

void ShowTip(int picture, float size, const std::string& text);
void CloseTip();
void DrawTipBubble();
void ResetTip();
