// Start-up, the frame loop and shutdown. Every way out ends the process with exit code 0.
#include "app/game.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/keys.h"
#include "app/reset.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "content/question_bank.h"
#include "content/subject_descriptor.h"
#include "games/particles.h"
#include "launcher/startup_window.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "platform/video.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/panel.h"
#include "quiz/rounds.h"
#include "quiz/screens.h"
#include "quiz/tip.h"
#include "render/blend.h"
#include "render/font.h"
#include "render/pointer.h"

int QuitRequested = 0;

namespace {

void Fail(const std::string& message) { ShowMessageBox("Error", message); }

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// The working folder holds subject/, graph/, audio/ and the font. It is the current
// folder; a game started from elsewhere finds it beside the program.
void ChooseWorkingFolder(const char* programPath) {
    SetWorkingFolder("");
    if (FileExists("subject/QBA.ini") || !programPath) return;
    std::string folder = programPath;
    const std::size_t slash = folder.rfind('/');
    if (slash == std::string::npos) return;
    folder.resize(slash + 1);
    if (FileExists(folder + "subject/QBA.ini")) SetWorkingFolder(folder);
}

// F6: read the question file again and show the question at the same index with its new text.
bool ReloadQuestions() {
    const int saved = QuestionCursor;
    if (!LoadQuestions(QuestionFilePath)) return false;
    QuestionCursor = saved - 1;
    NextQuestion();
    return true;
}

}  // namespace

bool StartProgram() {
    QuitRequested = 0;
    QuestionFilePath = "subject\\q.dat";
    if (!ReadSubjectDescriptor()) return false;   // it has said why

    StudentName.clear();
    ScreenWidth = 1024;
    ScreenHeight = 768;
    ScreenDepth = 32;
    Windowed = 1;
    CenterX = ScreenWidth / 2;
    CenterY = ScreenHeight / 2;
    ResetFrameState();
    Lives = StartLives;
    CurrentBlend = -1;
    RevisionCounter = 2;
    ReportGrade = NameEntryOpen = PendingGame = 0;
    DecodeStartupBanner();

    InitSound();   // without a sound device the game runs silently
    LoadSounds();

    if (RunStartupWindow() < 2) return false;

    if (!InitSprites()) {
        Fail("Sprite system can't be initialized");
        return false;
    }
    if (!InitQuadDrawing()) {
        Fail("Sprite3D system can't be initialized correctly");
        return false;
    }
    if (Windowed == 1 && !OpenGameWindow(WindowTitle, ScreenWidth, ScreenHeight)) {
        Fail("Cannot open application window");
        return false;
    }
    if (!OpenDrawingSurface(Windowed == 1, ScreenWidth, ScreenHeight, WindowTitle)) {
        Fail("Failed to start DirectX9 application");
        return false;
    }
    if (BeginQuads()) {
        SetQuadCulling(false);   // mirrored quads must stay visible
        EndQuads();
    }
    SetQuadFiltering(true);
    CapFrameRate(100);

    // Every word a child reads is drawn with this font: without it the quiz cannot be played.
    if (!LoadFont(MainFont, "Helv20.tf")) {
        Fail("The font file Helv20.tf is missing or damaged. Please reinstall the game.");
        return false;
    }
    LoadPictures();

    CapturePointer();
    if (!LoadQuestions(QuestionFilePath)) return false;   // it has said why

    PlaySound(MusicSound, 0, true);
    SetMute(Muted);

    EnterScreen(0);
    ResetPanel();
    NextQuestion();
    return true;
}

bool RunFrame() {
    MeasureFrame();
    ReadPointer();

    if (TipShown == 0 && NotepadOpen == 0) UpdateGame();
    else OverlayInput();

    if (BeginQuads()) {
        ClearFrame(0);
        DrawScreen();
        if (FlashActive == 1) DrawFlash();
        if (NotepadOpen == 1 || NotepadY < ScreenHeight - 200) DrawNotepad();
        if (CurrentScreen > 0) DrawQuestionPanel();
        DrawPointer();
        EndQuads();
    }
    if (QuitRequested) return false;   // the hub's exit button

    UpdateLoopVolumes();

    if (SurfaceActive()) {
        ReadKeyboard();
        if (KeyReleased(KeyF5)) NextQuestion();
        if (KeyReleased(KeyF6) && !ReloadQuestions()) return false;
    }

    PresentFrame();
    SleepMs(10);

    if (KeyDown(KeyEscape) && CurrentScreen > 0) EnterScreen(0);

    // A full-screen game ignores close requests: only the hub's exit button ends it.
    if (PollWindowClose() && Windowed == 1) return false;
    return true;
}

void ShutDownGame() {
    CloseSound();
    CloseVideo();
}

void RunGame(const char* programPath) {
    ChooseWorkingFolder(programPath);
    ResetGameState();
    if (StartProgram())
        while (RunFrame()) {
        }
    ShutDownGame();
}
