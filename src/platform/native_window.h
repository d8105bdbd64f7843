// One native dialog window with controls at fixed places: the parent's options window.
// Controls are numbered 0, 1, 2... in the order they are created; the number names the
// control in events, and the keyboard's tab order follows it. Texts are the game's own
// 8-bit Windows-1252 bytes. Every call on a control that does not exist does nothing.
#pragma once
#include <string>

struct Image;

enum NativeControlKind {
    NativePicture,        // shows a picture at its own size, clipped to the box
    NativeGroupFrame,     // a titled frame drawn around other controls
    NativeOptionButton,   // all option buttons of the window form one group: one is selected
    NativeCheckBox,
    NativeSunkenLabel,    // a label in a sunken box
    NativeTextField,      // one line, scrolls sideways when the text is longer than the box
    NativePushButton,
};

struct NativeFont {
    int weight = 400;   // 400 regular, 700 bold
    bool italic = false, underline = false, strikeOut = false;
};

// What WaitNativeEvent returns for the window's close box.
constexpr int NativeCloseEvent = -1;

// Opens the window centred on the desktop, not resizable; false when no window can be
// opened (no display). An open window is closed first.
bool OpenNativeWindow(const std::string& caption, int clientWidth, int clientHeight);
bool NativeWindowIsOpen();
// The new control's number, or -1 when no window is open.
int AddNativeControl(NativeControlKind kind, int x, int y, int width, int height, const std::string& text);

// Selected or ticked: 1, otherwise 0; any non-zero state selects or ticks.
void SetNativeControlState(int control, int state);
int NativeControlState(int control);
void SetNativeControlText(int control, const std::string& text);
std::string NativeControlText(int control);
void EnableNativeControl(int control, bool enabled);
void SetNativeToolTip(int control, const std::string& tip);
NativeFont NativeControlFont(int control);
void SetNativeControlFont(int control, const NativeFont& font);
void SetNativeControlPicture(int control, const Image& picture);

// Shows the window and blocks until the user clicks an option button, a check box or a
// push button (its number; the click has already changed the control's state) or uses
// the close box (NativeCloseEvent). Typing causes no event. Without a window: NativeCloseEvent.
int WaitNativeEvent();
void CloseNativeWindow();

// The file:// address of a local file, for the browser; "" when the file does not exist.
std::string LocalFileAddress(const std::string& path);
