// The hub: its set-up, its eased animation, hover and clicks.
#include "quiz/hub.h"

#include <cmath>
#include <numbers>

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/game.h"
#include "app/random.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "content/subject_descriptor.h"
#include "games/game_scene.h"
#include "games/particles.h"
#include "platform/video.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/rounds.h"
#include "quiz/screens.h"
#include "quiz/tip.h"
#include "render/blend.h"
#include "render/font.h"
#include "render/pointer.h"
#include "render/text.h"

float LogoY = -240;
float SubjectPictureSize = 8;
float ButtonX[7], ButtonY[7];
float ButtonTargetX[7], ButtonTargetY[7];
float ButtonSize[7];

namespace {

constexpr int NothingHovered = -1;
constexpr int ExitHovered = 0;
constexpr int MuteHovered = 99;
constexpr int White = 0xFFFFFF;
const char* const FooterLine = "Quillbrook Learning";

bool NameIsBlank() { return StudentName.find_first_not_of(' ') == std::string::npos; }

// The glow drawn over a button under the pointer.
void Highlight(int quad, int x, int y, int alpha) {
    SetBlend(3);
    DrawQuad(quad, x, y, alpha);
    SetBlend(0);
}

// Buttons 1..5 need their game; the sixth needs at least one.
bool ButtonOffered(int button) {
    if (button != 6) return GameInProgram(button);
    for (int n = 1; n <= 5; ++n)
        if (GameInProgram(n)) return true;
    return false;
}

void StartGameFromButton(int button) {
    if (NameIsBlank()) {
        OpenNameEntry(button);   // the game starts when the name entry closes
        return;
    }
    int game = button;
    if (button == 6) {
        RandomGameMode = 1;
        game = RandomGameInProgram();
    }
    EnterScreen(game);
}

}  // namespace

void SetUpHub() {
    RandomGameMode = 0;
    Lives = StartLives;
    Score = CorrectCount = WrongCount = 0;
    QuestionNumber = 0;
    NewRoundPending = 1;
    RevisionCounter = 2;
    RevisionPage = 0;
    for (int n = 1; n <= 5; ++n) TipSeen[n] = 0;
    // A bubble left open by Escape would be invisible here and still swallow the next click.
    TipShown = 0;
    BubbleAlpha = 0;
    CloseNotepad();
    SetPointerSprite(GloveQuad, GloveShadowQuad, -28, -16);
    LogoY = -240;
    SubjectPictureSize = 8;
    // The buttons grow out of the surface centre and fly to their places on an arc.
    const double radius = 0.725 * CenterX;
    for (int b = 1; b <= 6; ++b) {
        const double degrees = 65.0 + 15.0 * (b - 1) - 90.0;
        const double radians = degrees * std::numbers::pi / 180.0;
        ButtonX[b] = static_cast<float>(CenterX);
        ButtonY[b] = static_cast<float>(CenterY);
        ButtonTargetX[b] = static_cast<float>(CenterX + radius * std::cos(radians));
        ButtonTargetY[b] = static_cast<float>(CenterY + radius * std::sin(radians));
        ButtonSize[b] = 8;
    }
}

void DrawHub() {
    int hovered = NothingHovered;
    // Easing runs once per tick so the hub moves at the same speed at any frame rate.
    for (int tick = 0; tick < FrameTicks; ++tick) {
        LogoY = LogoY * 0.9f - 11.4f;
        SubjectPictureSize = SubjectPictureSize * 0.94f + 22.8f;
        for (int b = 1; b <= 6; ++b) {
            ButtonX[b] = ButtonX[b] * 0.96f + ButtonTargetX[b] * 0.04f;
            ButtonY[b] = ButtonY[b] * 0.96f + ButtonTargetY[b] * 0.04f;
            float target = 280;
            // The name entry makes the game buttons inert, and so does a game not in the program.
            if (NameEntryOpen == 0 && ButtonOffered(b) && Round(ButtonX[b] - 130) < PointerX && PointerX < Round(ButtonX[b] + 130) &&
                Round(ButtonY[b] - 50) < PointerY && PointerY < Round(ButtonY[b] + 50)) {
                hovered = b;
                target = 265;   // the button under the pointer shrinks a little
            }
            ButtonSize[b] = ButtonSize[b] * 0.92f + target * 0.08f;
        }
    }

    DrawQuad(TitleQuad, 0, -80, 255);
    DrawQuad(LogoQuad, 16, Round(LogoY), 255);
    const int s = Round(SubjectPictureSize);
    SizeQuad(SubjectQuad, s, s);
    DrawQuad(SubjectQuad, Round(ScreenWidth - 206 - SubjectPictureSize / 2), Round(90 - SubjectPictureSize / 2), 255);

    // Button 1 is drawn last, on top.
    for (int b = 6; b >= 1; --b) {
        const int size = Round(ButtonSize[b]);
        const int x = Round(ButtonX[b] - ButtonSize[b] / 2), y = Round(ButtonY[b] - ButtonSize[b] / 2);
        SizeQuad(GameButtonQuad[b], size, size);
        DrawQuad(GameButtonQuad[b], x, y, ButtonOffered(b) ? 255 : 90);
        if (b == hovered) Highlight(GameButtonQuad[b], x, y, 128);
    }

    DrawQuad(GameButtonQuad[0], 0, ScreenHeight - 186, 255);
    if (PointerX < 170 && ScreenHeight - 146 < PointerY && PointerY < ScreenHeight - 46) {
        hovered = ExitHovered;
        Highlight(GameButtonQuad[0], 0, ScreenHeight - 186, 128);
    }
    const int mute = Muted == 1 ? 1 : 0;
    DrawQuad(MuteQuad[mute], 0, 180, 255);
    if (PointerX < 70 && 180 < PointerY && PointerY < 244) {
        hovered = MuteHovered;
        Highlight(MuteQuad[mute], 0, 180, 80);
    }

    DrawText(MainFont, 208, static_cast<float>(ScreenHeight - 32), FooterLine, 255, White, 1.0f, FontDefault);

    // Later tests win: the mute button beats the exit button, which beats the game buttons.
    if (PointerHeld == 1 && PointerClicked == 1) {
        if (hovered == MuteHovered) {
            SetMute(1 - Muted);
        } else if (hovered == ExitHovered) {
            QuitRequested = 1;   // the spine shuts the program down after this frame
        } else if (hovered >= 1 && hovered <= 6) {
            StartGameFromButton(hovered);
        }
    }

    UpdateParticles();
}

void ResetHub() {
    LogoY = -240;
    SubjectPictureSize = 8;
    for (int b = 0; b <= 6; ++b) {
        ButtonX[b] = ButtonY[b] = ButtonTargetX[b] = ButtonTargetY[b] = 0;
        ButtonSize[b] = 8;
    }
}
