#include "app/screen.h"

int ScreenWidth = 1024, ScreenHeight = 768, ScreenDepth = 32;
int CenterX = 512, CenterY = 384;
int Windowed = 1;
std::string WindowTitle;

void ResetScreenState() {
    ScreenWidth = 1024;
    ScreenHeight = 768;
    ScreenDepth = 32;
    CenterX = ScreenWidth / 2;
    CenterY = ScreenHeight / 2;
    Windowed = 1;
    WindowTitle.clear();
}
