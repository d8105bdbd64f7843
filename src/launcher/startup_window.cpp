// The parent's options window: built from a table of controls, then driven by the user's
// clicks until "Start >>", "Quit" or the close box.
#include "launcher/startup_window.h"

#include <string>

#include "app/screen.h"
#include "app/sound_control.h"
#include "launcher/banner.h"
#include "launcher/preferences.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/native_window.h"
#include "quiz/notepad.h"

int StartChoice = StartClosed;
Image StartupBanner;

namespace {
struct ControlPlace {
    NativeControlKind kind;
    int x, y, width, height;
    const char* text;
};

// In StartupControl order: creation order is the control's number and its tab order.
const ControlPlace StartupControls[StartupControlCount] = {
    {NativePicture, 0, 0, 418, 78, ""},
    {NativeGroupFrame, 5, 85, 410, 145, "Startup Options"},
    {NativeOptionButton, 140, 105, 85, 20, "Windowed"},
    {NativeOptionButton, 240, 105, 85, 20, "Full-Screen"},
    {NativeSunkenLabel, 10, 105, 125, 20, "Video Mode"},
    {NativeSunkenLabel, 10, 130, 125, 20, "Sound and Music"},
    {NativeCheckBox, 140, 130, 150, 20, "Mute Audio"},
    {NativeSunkenLabel, 10, 155, 125, 20, "Student's Name"},
    {NativeTextField, 140, 155, 270, 20, ""},
    {NativeCheckBox, 10, 180, 200, 20, "Let the student enter their own name"},
    {NativePushButton, 320, 235, 95, 30, "Start >>"},
    {NativeCheckBox, 10, 205, 225, 20, "Remember these settings"},
    {NativePushButton, 250, 235, 65, 30, "Quit"},
    {NativePushButton, 105, 235, 140, 30, "More Subjects Online"},
};

struct ToolTip {
    int control;
    const char* text;
};

const ToolTip StartupToolTips[] = {
    {StartButton, "Click to start the program."},
    {QuitButton, "Click to close the application."},
    {MoreSubjectsButton, "Go online to get more subjects in this series."},
    {RememberBox, "Tick this box to remember these settings next time."},
    {OwnNameBox, "Tick this box and the student will be prompted to enter their own name."},
    {MuteAudioBox, "Tick this box to mute all sound effects and music."},
    {FullScreenOption, "Click this to run fullscreen."},
    {WindowedOption, "Click this to run in a window."},
};

// The page about subject packs is installed beside the game; without it, or without a
// browser, the button quietly does nothing.
void OpenSubjectsPage() {
    std::string address = LocalFileAddress(ResolveGamePath("docs\\subjects.html"));
    if (!address.empty()) OpenWebAddress(address);
}
}  // namespace

void DecodeStartupBanner() {
    if (!DecodePngMemory(BannerPng, BannerPngSize, PictureOwnAlpha, StartupBanner)) {
        StartupBanner = Image();
        return;
    }
    // The banner is a plain colour picture: its black is ink, not a hole.
    for (std::size_t i = 3; i < StartupBanner.rgba.size(); i += 4) StartupBanner.rgba[i] = 255;
}

void SetControlFontStyle(int control, int bold, int italic, int underline, int strikeOut) {
    NativeFont font = NativeControlFont(control);
    if (bold == 1) font.weight = 700;
    font.italic = italic != 0;
    font.underline = underline != 0;
    font.strikeOut = strikeOut != 0;
    SetNativeControlFont(control, font);
}

void BuildStartupWindow() {
    if (!OpenNativeWindow("Quillbrook Learning Rizizer - Parent & Teachers Panel", 418, 271)) return;
    for (const ControlPlace& c : StartupControls) AddNativeControl(c.kind, c.x, c.y, c.width, c.height, c.text);
    if (StartupBanner.rgba.empty()) DecodeStartupBanner();
    SetNativeControlPicture(BannerPicture, StartupBanner);

    SetNativeControlState(WindowedOption, 1);
    SetNativeControlState(FullScreenOption, 0);
    SetNativeControlState(MuteAudioBox, 0);
    SetNativeControlState(OwnNameBox, 1);
    SetNativeControlState(RememberBox, 1);
    EnableNativeControl(NameField, false);
    SetControlFontStyle(StartButton, 1, 0, 0, 0);
    for (const ToolTip& tip : StartupToolTips) SetNativeToolTip(tip.control, tip.text);

    ReadPreferences();
}

int RunStartupWindow() {
    BuildStartupWindow();
    StartChoice = StartClosed;
    for (;;) {
        int event = WaitNativeEvent();
        if (event == NativeCloseEvent) break;
        switch (event) {
        case WindowedOption:
            SetNativeControlState(WindowedOption, 1);
            SetNativeControlState(FullScreenOption, 0);
            break;
        case FullScreenOption:
            SetNativeControlState(WindowedOption, 0);
            SetNativeControlState(FullScreenOption, 1);
            break;
        case OwnNameBox:
            // Handing the name back to the student throws away a name the parent typed.
            if (NativeControlState(OwnNameBox)) {
                SetNativeControlText(NameField, std::string());
                EnableNativeControl(NameField, false);
            } else {
                EnableNativeControl(NameField, true);
            }
            break;
        case StartButton: StartChoice = StartGame; break;
        case QuitButton: StartChoice = StartQuit; break;
        case MoreSubjectsButton: OpenSubjectsPage(); break;
        default: break;
        }
        if (StartChoice > StartClosed) break;
    }

    // Every way out applies the choices; only the result tells them apart.
    if (NativeWindowIsOpen()) {
        Windowed = NativeControlState(WindowedOption);
        SetMute(NativeControlState(MuteAudioBox));
        StudentName = NativeControlText(NameField);
        if (NativeControlState(RememberBox)) WritePreferences();
        CloseNativeWindow();
    }
    // A short rest on every path: the desktop takes the window away before the game's own
    // surface (perhaps full screen) appears.
    SleepMs(2000);
    return StartChoice;
}

void ResetStartupWindow() { StartChoice = StartClosed; }
