// snapshot: plays the real program with a script and writes chosen frames as PNG files.
//
//   snapshot [--game FOLDER] [--out FOLDER] [--display] SCRIPT
//
// The game's frames are drawn by the real renderer; the pointer, the keys and the clock are
// scripted, so every run gives the same pictures. Without --display it needs no X server.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/game.h"
#include "app/random.h"
#include "app/reset.h"
#include "app/sound_control.h"
#include "platform/fake/fake_native_window.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"
#include "platform/files.h"
#include "platform/video.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/screens.h"
#include "script.h"

namespace {

std::string OutFolder = ".";

int Usage() {
    std::fprintf(stderr,
                 "usage: snapshot [--game FOLDER] [--out FOLDER] [--display] SCRIPT\n"
                 "Script commands, one a line (# starts a comment):\n"
                 "  wait N            run N frames (10 ms each)\n"
                 "  move X Y          move the pointer to (X, Y) in one frame\n"
                 "  nudge DX DY       move the pointer by (DX, DY) in one frame\n"
                 "  click             press the left button for one frame, release in the next\n"
                 "  press / release   hold or let go of the left button (one frame)\n"
                 "  hold N            hold the left button for N frames, then release\n"
                 "  key SCAN          tap a key (PC set-1 scan code: 28 Enter, 1 Escape, 63 F5)\n"
                 "  keydown / keyup SCAN\n"
                 "  type TEXT         type letters, digits and spaces, one key at a time\n"
                 "  shot NAME         run one frame and write it to OUT/NAME.png\n"
                 "  seed N            seed the game's random numbers\n"
                 "  answer right|wrong|forfeit   answer the open question at once\n"
                 "  game N            enter screen N at once (0 is the hub)\n"
                 "  name TEXT         set the student's name\n"
                 "  muted 0|1         switch the sound off or on\n");
    return 2;
}

bool Frame() { return RunFrame(); }

bool Frames(int n) {
    for (int i = 0; i < n; ++i)
        if (!Frame()) return false;
    return true;
}

// Set-1 scan code of a letter, digit or space on a US keyboard.
int ScanCodeOf(char c) {
    static const char* rows[] = {"1234567890", "qwertyuiop", "asdfghjkl", "zxcvbnm"};
    static const int starts[] = {2, 16, 30, 44};
    if (c == ' ') return 57;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (int r = 0; r < 4; ++r)
        for (int i = 0; rows[r][i]; ++i)
            if (rows[r][i] == c) return starts[r] + i;
    return 0;
}

bool TapKey(int scan) {
    FakeSetKey(scan, true);
    if (!Frame()) return false;
    FakeSetKey(scan, false);
    return Frame();
}

bool Run(const ScriptCommand& c) {
    auto number = [&](std::size_t i) { return std::atoi(c.words[i].c_str()); };
    if (c.verb == "wait") return Frames(number(0));
    if (c.verb == "move") {
        FakeMoveMouse(static_cast<float>(number(0) - FakePointerX()), static_cast<float>(number(1) - FakePointerY()));
        return Frame();
    }
    if (c.verb == "nudge") {
        FakeMoveMouse(static_cast<float>(number(0)), static_cast<float>(number(1)));
        return Frame();
    }
    if (c.verb == "click") {
        FakeSetMouseButton(true);
        if (!Frame()) return false;
        FakeSetMouseButton(false);
        return Frame();
    }
    if (c.verb == "press" || c.verb == "release") {
        FakeSetMouseButton(c.verb == "press");
        return Frame();
    }
    if (c.verb == "hold") {
        FakeSetMouseButton(true);
        if (!Frames(number(0))) return false;
        FakeSetMouseButton(false);
        return Frame();
    }
    if (c.verb == "key") return TapKey(number(0));
    if (c.verb == "keydown" || c.verb == "keyup") {
        FakeSetKey(number(0), c.verb == "keydown");
        return Frame();
    }
    if (c.verb == "type") {
        for (char ch : c.words[0]) {
            const int scan = ScanCodeOf(ch);
            if (scan == 0) continue;
            FakeSetKeyCharacter(scan, ch);
            if (!TapKey(scan)) return false;
        }
        return true;
    }
    if (c.verb == "shot") {
        CaptureNextFrame(OutFolder + "/" + c.words[0] + ".png");
        return Frame();
    }
    if (c.verb == "seed") {
        SeedRandom(static_cast<unsigned>(number(0)));
        return true;
    }
    if (c.verb == "answer") {
        if (QuestionOpen != 1) return true;
        if (c.words[0] == "right") SubmitAnswer(CorrectAnswer);
        else if (c.words[0] == "wrong") SubmitAnswer(CorrectAnswer % 4 + 1);
        else ForfeitQuestion();
        return true;
    }
    if (c.verb == "game") {
        EnterScreen(number(0));
        return true;
    }
    if (c.verb == "name") {
        StudentName = c.words[0];
        return true;
    }
    if (c.verb == "muted") {
        SetMute(number(0) ? 1 : 0);
        return true;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameFolder = ".", scriptPath;
    bool display = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--game" && i + 1 < argc) gameFolder = argv[++i];
        else if (arg == "--out" && i + 1 < argc) OutFolder = argv[++i];
        else if (arg == "--display") display = true;
        else if (!arg.empty() && arg[0] == '-') return Usage();
        else scriptPath = arg;
    }
    if (scriptPath.empty()) return Usage();
    std::ifstream file(scriptPath);
    if (!file) {
        std::fprintf(stderr, "snapshot: cannot read the script %s\n", scriptPath.c_str());
        return 1;
    }
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ScriptCommand> script;
    std::string error;
    if (!ReadScript(text.str(), script, error)) {
        std::fprintf(stderr, "snapshot: %s: %s\n", scriptPath.c_str(), error.c_str());
        return 1;
    }
    if (!display) setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    ResetFakeInput();
    ResetFakeClock();
    ResetFakeSound();
    ResetFakeMessages();
    ResetFakeNativeWindow();
    FakeSetProfileFolder("/nonexistent-snapshot-profile");   // never read or write the user's preferences
    FakeClickControl(10);   // "Start >>" in the options window
    SetWorkingFolder(gameFolder);
    ResetGameState();
    SeedRandom(1);
    if (!StartProgram()) {
        for (const RecordedMessage& m : FakeMessages()) std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
        std::fprintf(stderr, "snapshot: the game did not start\n");
        ShutDownGame();
        return 1;
    }
    int status = 0;
    for (const ScriptCommand& command : script)
        if (!Run(command)) {
            std::fprintf(stderr, "snapshot: the game ended at line %d\n", command.line);
            break;
        }
    ShutDownGame();
    return status;
}
