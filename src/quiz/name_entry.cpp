// Typing the student's name on the notepad.
#include "quiz/name_entry.h"

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/keys.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "platform/video.h"
#include "quiz/notepad.h"
#include "render/blend.h"
#include "render/font.h"
#include "render/text.h"

namespace {

constexpr int Ink = 0x442222;   // dark blue

void TurnOkRing() {
    OkButtonAngle += FrameFactor;
    if (OkButtonAngle > 360) OkButtonAngle -= 360;
}

}  // namespace

char CapitalLetter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
    // The accented small letters of Windows-1252 sit 0x20 above their capitals; 0xF7 is the division sign.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    return c;
}

void EditStudentName() {
    StudentName += TypedText();
    if (KeyReleased(KeyBackspace) && !StudentName.empty()) StudentName.pop_back();
    if (StudentName.size() > LongestName) StudentName.resize(LongestName);
    if (!StudentName.empty()) StudentName[0] = CapitalLetter(StudentName[0]);
}

void DrawNameEntryPage() {
    CursorTimer -= FrameFactor;
    if (CursorTimer < 0) {
        CursorOn = 1 - CursorOn;
        CursorTimer = 20;
    }
    DrawQuad(NameQuad, CenterX - 186, Round(NotepadY + 120), 255);
    SetBlend(0);

    std::string shown = StudentName;   // as it stood before this frame's typing
    EditStudentName();

    const int okX = CenterX + 66, okY = Round(NotepadY + 422);
    TurnOkRing();
    TurnQuad(HudOptTurnQuad, OkButtonAngle, 0);
    DrawQuad(HudOptTurnQuad, CenterX + 56, Round(NotepadY + 412), 255);
    DrawQuad(HudOpt2Quad, okX, okY, 255);
    if (okX < PointerX && PointerX < CenterX + 186 && okY < PointerY && PointerY < Round(NotepadY + 542)) {
        SetBlend(3);
        DrawQuad(HudOpt2Quad, okX, okY, 90);
        SetBlend(0);
        TurnOkRing();   // the ring turns twice as fast under the pointer
    }

    if (CursorOn == 1) shown += "_";
    DrawText(MainFont, static_cast<float>(CenterX - 150), NotepadY + 198, shown, 255, Ink, 1.2f, FontDefault);
}
