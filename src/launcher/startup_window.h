// The parent's options window shown before the game: window or full screen, mute,
// the student's name, and whether to remember these choices.
#pragma once
#include "platform/pictures.h"

// The controls, numbered in creation order; the number is also the keyboard's tab order.
enum StartupControl {
    BannerPicture, OptionsFrame, WindowedOption, FullScreenOption, VideoModeLabel, SoundLabel, MuteAudioBox,
    NameLabel, NameField, OwnNameBox, StartButton, RememberBox, QuitButton, MoreSubjectsButton,
    StartupControlCount
};

// How the window was left: its close box, "Quit" or "Start >>". Only the last starts the game.
enum { StartClosed = 0, StartQuit = 1, StartGame = 2 };
extern int StartChoice;
extern Image StartupBanner;   // the 418 x 78 banner, decoded once

void DecodeStartupBanner();
// Runs the window until it is left, sets Windowed, Muted and StudentName from it, writes the
// preferences when asked, pauses 2 seconds and returns StartChoice.
int RunStartupWindow();
// Opens the window with its controls and loads the preferences into them.
void BuildStartupWindow();
// A new font for the control from its current one: bold 1 makes it weight 700, 0 keeps its weight.
void SetControlFontStyle(int control, int bold, int italic, int underline, int strikeOut);
void ResetStartupWindow();
