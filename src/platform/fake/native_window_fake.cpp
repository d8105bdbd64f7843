// The native window, held in memory. Clicks behave as on screen: a check box toggles, an
// option button selects itself and deselects the others, disabled controls ignore the user.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>

#include "platform/fake/fake_native_window.h"
#include "platform/fake/fake_reset.h"
#include "platform/pictures.h"

namespace {
struct ScriptStep {
    enum Kind { Click, Type, Close } kind = Click;
    int control = 0;
    std::string text;
};

std::deque<ScriptStep> Script;
bool ScriptRanOut = false;
bool FailOpen = false;
bool Open = false;
bool Shown = false;
std::string Caption;
int Width = 0, Height = 0;
std::vector<FakeControl> Controls;

FakeControl* Find(int control) {
    if (!Open || control < 0 || control >= static_cast<int>(Controls.size())) return nullptr;
    return &Controls[static_cast<std::size_t>(control)];
}

bool ReportsClicks(NativeControlKind kind) {
    return kind == NativeOptionButton || kind == NativeCheckBox || kind == NativePushButton;
}
}  // namespace

void ResetFakeNativeWindow() {
    Script.clear();
    ScriptRanOut = false;
    FailOpen = false;
    Open = false;
    Shown = false;
    Caption.clear();
    Width = Height = 0;
    Controls.clear();
}

void FakeClickControl(int control) { Script.push_back({ScriptStep::Click, control, {}}); }
void FakeTypeText(int control, const std::string& text) { Script.push_back({ScriptStep::Type, control, text}); }
void FakeUseCloseBox() { Script.push_back({ScriptStep::Close, 0, {}}); }
bool FakeNativeScriptRanOut() { return ScriptRanOut; }
void FakeFailNativeWindow(bool fail) { FailOpen = fail; }
bool FakeNativeWindowShown() { return Shown; }
std::string FakeNativeWindowCaption() { return Caption; }
int FakeNativeWindowWidth() { return Width; }
int FakeNativeWindowHeight() { return Height; }
const std::vector<FakeControl>& FakeNativeControls() { return Controls; }

bool OpenNativeWindow(const std::string& caption, int clientWidth, int clientHeight) {
    Open = false;
    if (FailOpen) return false;
    Open = Shown = true;
    Caption = caption;
    Width = clientWidth;
    Height = clientHeight;
    Controls.clear();
    return true;
}

bool NativeWindowIsOpen() { return Open; }

int AddNativeControl(NativeControlKind kind, int x, int y, int width, int height, const std::string& text) {
    if (!Open) return -1;
    FakeControl control;
    control.kind = kind;
    control.x = x;
    control.y = y;
    control.width = width;
    control.height = height;
    control.text = text;
    Controls.push_back(control);
    return static_cast<int>(Controls.size()) - 1;
}

void SetNativeControlState(int control, int state) {
    if (FakeControl* c = Find(control)) c->state = state != 0 ? 1 : 0;
}

int NativeControlState(int control) {
    const FakeControl* c = Find(control);
    return c ? c->state : 0;
}

void SetNativeControlText(int control, const std::string& text) {
    if (FakeControl* c = Find(control)) c->text = text;
}

std::string NativeControlText(int control) {
    const FakeControl* c = Find(control);
    return c ? c->text : std::string();
}

void EnableNativeControl(int control, bool enabled) {
    if (FakeControl* c = Find(control)) c->enabled = enabled;
}

void SetNativeToolTip(int control, const std::string& tip) {
    if (FakeControl* c = Find(control)) c->toolTip = tip;
}

NativeFont NativeControlFont(int control) {
    const FakeControl* c = Find(control);
    return c ? c->font : NativeFont();
}

void SetNativeControlFont(int control, const NativeFont& font) {
    if (FakeControl* c = Find(control)) c->font = font;
}

void SetNativeControlPicture(int control, const Image& picture) {
    if (FakeControl* c = Find(control)) {
        c->pictureWidth = picture.width;
        c->pictureHeight = picture.height;
    }
}

int WaitNativeEvent() {
    while (Open) {
        if (Script.empty()) {
            ScriptRanOut = true;
            return NativeCloseEvent;
        }
        ScriptStep step = Script.front();
        Script.pop_front();
        if (step.kind == ScriptStep::Close) return NativeCloseEvent;
        FakeControl* c = Find(step.control);
        if (!c || !c->enabled) continue;
        if (step.kind == ScriptStep::Type) {
            if (c->kind == NativeTextField) c->text += step.text;
            continue;
        }
        if (!ReportsClicks(c->kind)) continue;
        if (c->kind == NativeCheckBox) c->state = 1 - c->state;
        if (c->kind == NativeOptionButton) {
            for (FakeControl& other : Controls)
                if (other.kind == NativeOptionButton) other.state = 0;
            c->state = 1;
        }
        return step.control;
    }
    return NativeCloseEvent;
}

void CloseNativeWindow() { Open = false; }

std::string LocalFileAddress(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::string();
    std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error) return std::string();
    // Escaped as the real service does, so that a folder with a blank still gives one address.
    std::string address = "file://";
    for (unsigned char c : full.lexically_normal().string()) {
        if (std::isalnum(c) || (c != 0 && std::strchr("/-._~", c))) {
            address += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            address += escaped;
        }
    }
    return address;
}
