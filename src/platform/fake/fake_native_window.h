// Test double of the native window: tests script the user's clicks, typing and the close
// box before the window runs, then read back every control as the user would see it.
#pragma once
#include <string>
#include <vector>

#include "platform/native_window.h"

struct FakeControl {
    NativeControlKind kind = NativePicture;
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
    int state = 0;
    bool enabled = true;
    std::string toolTip;
    NativeFont font;
    int pictureWidth = 0, pictureHeight = 0;   // 0 x 0 until a picture is set
};

// Scripted user actions, taken one by one by WaitNativeEvent. A click on a disabled control
// or on one that reports no clicks (picture, frame, label, text field) is lost, as on screen.
void FakeClickControl(int control);
void FakeTypeText(int control, const std::string& text);   // appended; lost when the field is disabled
void FakeUseCloseBox();
// True when WaitNativeEvent found the script empty and answered with the close event.
bool FakeNativeScriptRanOut();

void FakeFailNativeWindow(bool fail);   // OpenNativeWindow fails, as without a display
bool FakeNativeWindowShown();           // a window was opened since the reset
std::string FakeNativeWindowCaption();
int FakeNativeWindowWidth();
int FakeNativeWindowHeight();
// The controls of the last window, kept after it closed.
const std::vector<FakeControl>& FakeNativeControls();
