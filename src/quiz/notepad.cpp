// The paper notepad that slides up for the name entry, the revision pages and the report card.
#include "quiz/notepad.h"

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/random.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "games/game_scene.h"
#include "platform/video.h"
#include "quiz/grading.h"
#include "quiz/name_entry.h"
#include "quiz/screens.h"
#include "render/blend.h"
#include "render/font.h"
#include "render/pointer.h"
#include "render/text.h"

std::string StudentName;

int NotepadOpen = 0, NameEntryOpen = 0, ReportGrade = 0, RevisionPage = 0, RevisionCounter = 2, PendingGame = 0;
float NotepadY = 768;
std::string ReportText;
int CursorOn = 0;
float CursorTimer = 0, OkButtonAngle = 0;

namespace {

constexpr int Ink = 0x442222;   // dark blue

// Every opener: the page sound, the notepad rising from the bottom edge, the glove.
void RaiseNotepad() {
    PlayEffect(PageSound, 50);
    NotepadOpen = 1;
    NotepadY = static_cast<float>(ScreenHeight);
}

void HandGlove() { SetPointerSprite(GloveQuad, GloveShadowQuad, -28, -16); }

}  // namespace

void OpenNameEntry(int game) {
    RaiseNotepad();
    ReportGrade = 0;
    RevisionPage = 0;
    NameEntryOpen = 1;
    PendingGame = game;
    HandGlove();
}

void OpenRevision(int page) {
    RaiseNotepad();
    ReportGrade = 0;
    RevisionPage = page;
    NameEntryOpen = 0;
    HandGlove();
}

void ShowReport(int grade) {
    RaiseNotepad();
    ReportGrade = grade;
    RevisionPage = 0;
    ReportText = BuildReportText();
    HandGlove();
}

void CloseNotepad() {
    NotepadOpen = 0;
    ReportGrade = 0;
    RestorePointerSprite();
    if (CurrentScreen == 5) SetPointerSprite(WandQuad, WandShadowQuad, -38, -16);   // game 5 points with the wand
    if (NameEntryOpen == 1 && PendingGame > 0) {
        // The game starts whatever the name now is, even empty.
        if (PendingGame == 6) {
            RandomGameMode = 1;
            PendingGame = RandomGameInProgram();
        }
        NameEntryOpen = 0;
        EnterScreen(PendingGame);
    }
    NameEntryOpen = 0;
}

void DrawNotepad() {
    if (NotepadOpen == 1) {
        // Name entry settles at y 80, the other pages at y 14.
        const float drift = NameEntryOpen == 1 ? 8.0f : 1.4f;
        for (int tick = 0; tick < FrameTicks; ++tick) NotepadY = NotepadY * 0.9f + drift;
    } else {
        NotepadY += 32 * FrameFactor;
        if (NotepadY > ScreenHeight) NotepadY = static_cast<float>(ScreenHeight);
    }
    DrawQuad(NotepadQuad, CenterX - 290, Round(NotepadY), 255);

    SetBlend(1);   // the page pictures are multiplied onto the paper
    if (NameEntryOpen == 1) {
        DrawNameEntryPage();
    } else if (ReportGrade > 0) {
        DrawQuad(ResultQuad[ReportGrade], CenterX - 190, Round(NotepadY + 120), 255);
        SetBlend(0);
        ReportText = DrawTextWrapped(MainFont, static_cast<float>(CenterX - 170), NotepadY + 170, ReportText, 360, 255,
                                     Ink, 1.2f, FontDefault);
    } else if (RevisionPage > 0 && RevisionPage <= 5) {
        DrawQuad(RevisionQuad[RevisionPage], CenterX - 190, Round(NotepadY + 120), 255);
    }
    SetBlend(0);
}

void ResetNotepad() {
    StudentName.clear();
    NotepadOpen = NameEntryOpen = ReportGrade = RevisionPage = PendingGame = 0;
    RevisionCounter = 2;
    NotepadY = static_cast<float>(ScreenHeight);
    ReportText.clear();
    CursorOn = 0;
    CursorTimer = OkButtonAngle = 0;
}
