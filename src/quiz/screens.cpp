// Screen set-up and the per-frame dispatch between the hub and the five games. The games
// plug in through their scene table, so nothing here names a game.
#include "quiz/screens.h"

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/keys.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "content/subject_descriptor.h"
#include "games/game_scene.h"
#include "games/particles.h"
#include "games/ripples.h"
#include "games/shots.h"
#include "games/tokens.h"
#include "platform/video.h"
#include "quiz/hub.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/panel.h"
#include "quiz/rounds.h"
#include "quiz/tip.h"
#include "render/pointer.h"

int CurrentScreen = 0;
int RandomGameMode = 0;

void EnterScreen(int n) {
    // A round begun on the hub gets its first question when its first game opens.
    if (n >= 1 && NewRoundPending == 1) {
        NextQuestion();
        ResetPanel();
    }

    StopFeedback();   // a countdown still running is dropped with its outcome
    NotepadY = static_cast<float>(ScreenHeight);
    QuestionOpen = 1;
    QuestionForfeited = 0;
    FlashActive = 0;
    ChosenAnswer = 0;
    FeedbackSprite = 0;
    MarkSize = 160;
    MarkAlpha = 0;
    CurrentScreen = n;
    SetPointerSprite(0, 0, 0, 0);   // the screen chooses its own pointer

    ResetParticles();
    ResetTokens();
    ResetRipples();
    ResetShots();
    for (int k = 1; k <= 4; ++k) {
        SizeQuad(GemQuad[k], 64, 64);
        TurnQuad(GemQuad[k], 0, 0);
    }

    if (n == 0) {
        SetUpHub();
    } else if (const GameScene* scene = GameSceneFor(n); scene && scene->Enter) {
        scene->Enter();
    }

    if (n >= 1 && n <= 5 && TipSeen[n] == 0) {
        ShowTip(TipPicture[n], TipPictureSize[n], TipText[n]);
        TipSeen[n] = 1;
    }
}

void UpdateGame() {
    // During the feedback a game goes on animating but sees no pointer movement or button.
    if (CurrentScreen > 0 && QuestionOpen == 0) {
        PointerDeltaX = PointerDeltaY = 0;
        PointerHeld = PointerClicked = 0;
    }
    // The engine loops are heard only in their own games.
    if (CurrentScreen != 4) BoatVolume = 0;
    if (CurrentScreen != 3) CopterVolume = 0;

    if (CurrentScreen == 0) return;
    if (const GameScene* scene = GameSceneFor(CurrentScreen); scene && scene->Update) scene->Update();
}

void DrawScreen() {
    if (CurrentScreen == 0) {
        DrawHub();   // ends with the particles itself: its click may set a new screen up
        return;
    }
    if (const GameScene* scene = GameSceneFor(CurrentScreen); scene && scene->Draw) scene->Draw();
    UpdateParticles();
}

void OverlayInput() {
    const int enter = KeyReleased(KeyEnter);
    int dismiss = 0;
    if (NameEntryOpen == 0) {
        if (PointerClicked == 1 || enter == 1) dismiss = 1;
    } else {
        // The name entry closes only through Enter or its OK button.
        const bool onOk = CenterX + 66 < PointerX && PointerX < CenterX + 186 && Round(NotepadY + 422) < PointerY &&
                          PointerY < Round(NotepadY + 542);
        if (enter == 1 || (PointerClicked == 1 && onOk)) dismiss = 1;
    }
    if (dismiss == 0) return;

    if (ReportGrade > 0) EnterScreen(0);   // the report card leads back to the hub
    if (NameEntryOpen == 0) CloseTip();
    CloseNotepad();   // after a name entry this starts the pending game
    // The tip bubble shows these pictures at other sizes; the games draw them at these.
    SizeQuad(RocketQuad, 100, 100);
    SizeQuad(BoatQuad, 120, 120);
    SizeQuad(WandQuad, 128, 128);
    PointerClicked = 0;   // the click that closed the overlay reaches nothing else
    if (CurrentScreen == 0) SetPointerSprite(GloveQuad, GloveShadowQuad, -28, -16);
}

void ResetScreens() {
    CurrentScreen = 0;
    RandomGameMode = 0;
}
