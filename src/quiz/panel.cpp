// The question panel along the bottom of every game, and the score strip along the top.
#include "quiz/panel.h"

#include <algorithm>
#include <string>

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "platform/video.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/rounds.h"
#include "quiz/tip.h"
#include "render/blend.h"
#include "render/font.h"
#include "render/text.h"

float PanelEase = 0.1f, BottomBarY = 0, BlackboardY = 0, ChoicesY = 0, ProfessorX = 64, ProfessorY = 0,
      ProfessorAngle = 50;
float LeaveDelay = 40, TapTimer = 60, TapSize = 2, TapAlpha = 0;
int ProfessorLeaving = 0, TapWaiting = 1, TapVisible = 1, TapCount = 0;

namespace {

constexpr int White = 0xFFFFFF;
constexpr int ChalkGrey = 0x222222;   // the choice texts on the coloured buttons

// Bottom bar and blackboard rise at a speed that itself eases in, frame by frame.
void RiseBoard() {
    PanelEase = std::min(PanelEase + 0.1f, 1.0f);
    BottomBarY = std::max(BottomBarY - 6.5f * FrameFactor * PanelEase, static_cast<float>(ScreenHeight - 200));
    BlackboardY = std::max(BlackboardY - 6.0f * FrameFactor * PanelEase, static_cast<float>(ScreenHeight - 300));
}

void MoveProfessor() {
    if (ProfessorLeaving == 0) {
        for (int tick = 0; tick < FrameTicks; ++tick) {
            ProfessorX = ProfessorX * 0.94f + 0.48f;   // settles at x 8
            ProfessorY = ProfessorY * 0.92f + (ScreenHeight - 190) * 0.08f;
            ProfessorAngle *= 0.92f;
            ChoicesY = ChoicesY * 0.97f + (ScreenHeight - 280) * 0.03f;
        }
        // He taps only once he has risen far enough to be seen.
        if (TapWaiting == 1 && ProfessorY < ScreenHeight - 170) TapWaiting = 0;
        return;
    }
    if (LeaveDelay > 0) {
        LeaveDelay -= FrameFactor;
        return;
    }
    LeaveDelay = 0;
    ProfessorAngle = std::min(ProfessorAngle + 1, 30.0f);
    ProfessorY = std::min(ProfessorY + 4.5f * FrameFactor, static_cast<float>(ScreenHeight + 8));
}

void DrawScoreStrip() {
    SetBlend(1);
    DrawQuad(GreyQuad, 0, 0, 255);
    SetBlend(0);
    for (int i = 1; i <= Lives; ++i) DrawQuad(LifeQuad, ScreenWidth - 44 - 38 * (i - 1), 4, 255);
    DrawText(MainFont, 4, 8, "Score: " + std::to_string(Score), 255, White, 1.2f, FontDefault);
    DrawText(MainFont, static_cast<float>(CenterX - 50), 8, std::to_string(std::min(QuestionNumber, 20)) + " / 20",
             255, White, 1.2f, FontDefault);
}

void DrawBottomBar() {
    const int y = Round(BottomBarY);
    DrawQuad(BotbarLeftQuad, 0, y, 255);
    for (int x = 256; x <= ScreenWidth - 512; x += 256) DrawQuad(BotbarMidQuad, x, y, 255);
    DrawQuad(BotbarRightQuad, ScreenWidth - 256, y, 255);
}

// Top-left corner of choice k's button (0..3): blue and yellow above, red and green below.
int ChoiceLeft(int k) { return ScreenWidth - 616 + 298 * (k % 2); }
int ChoiceTop(int k) { return Round(ChoicesY) + 86 * (k / 2); }

void DrawChoiceButtons() {
    for (int k = 0; k < 4; ++k) {
        // Once an answer is given the choices not taken fade.
        const int alpha = ChosenAnswer > 0 && ChosenAnswer != k + 1 ? 128 : 255;
        DrawQuad(ChoiceQuad[k], ChoiceLeft(k), ChoiceTop(k), alpha);
    }
}

void DrawBlackboard() {
    SetBlend(1);
    DrawQuad(BlackboardShadowQuad, 24, Round(BlackboardY + 6), 255);
    SetBlend(0);
    DrawQuad(BlackboardQuad, 18, Round(BlackboardY), 255);
}

void DrawQuestionTexts() {
    if (QuestionText.empty()) return;
    QuestionText = DrawTextWrapped(MainFont, 32, BlackboardY + 80, QuestionText, 320, 255, White, 1.2f, FontDefault);
    for (int k = 0; k < 4; ++k) {
        // Each text is centred on its button's middle line.
        const float h = static_cast<float>(TextHeight(MainFont, ChoiceText[k], ChoiceScale[k]));
        DrawText(MainFont, static_cast<float>(ChoiceLeft(k) + 78), ChoiceTop(k) + 147 - h / 2, ChoiceText[k], 255,
                 ChalkGrey, ChoiceScale[k], FontDefault);
    }
}

void DrawProfessor() {
    TurnQuad(ProfessorQuad, ProfessorAngle, 0);
    SetBlend(1);
    DrawQuad(ProfessorShadowQuad, Round(ProfessorX + 6), Round(ProfessorY + 6), 255);   // the shadow stays upright
    SetBlend(0);
    DrawQuad(ProfessorQuad, Round(ProfessorX), Round(ProfessorY), 255);
}

}  // namespace

void ResetPanel() {
    BottomBarY = static_cast<float>(ScreenHeight + 2);
    BlackboardY = static_cast<float>(ScreenHeight + 2);
    ChoicesY = static_cast<float>(ScreenHeight + 150);
    ProfessorX = 64;
    ProfessorY = static_cast<float>(ScreenHeight + 12);
    ProfessorAngle = 50;
    PanelEase = 0.1f;
    ResetTap();
}

void ResetTap() {
    TapVisible = 1;
    TapTimer = 60;
    TapCount = 0;
    TapSize = 2;
    TapAlpha = 0;
    ProfessorLeaving = 0;
    TapWaiting = 1;
    LeaveDelay = 40;
}

void DrawTap() {
    if (TapWaiting == 1) return;
    TapTimer -= FrameFactor;
    if (TapTimer < 0) {
        ++TapCount;
        if (TapCount > 2) {
            // Two taps given: the professor leaves after his delay.
            TapVisible = 0;
            ProfessorLeaving = 1;
        } else {
            TapSize = 6;
            TapAlpha = 255;
        }
        TapTimer = 20;
    }
    if (TapAlpha > 0) {
        TapSize = std::min(TapSize + 1.5f * FrameFactor, 48.0f);
        SetBlend(3);
        SizeQuad(TapQuad, Round(TapSize), Round(TapSize));
        DrawQuad(TapQuad, Round(198 - TapSize / 2), Round(608 - TapSize / 2), Round(TapAlpha));
        SetBlend(0);
        TapAlpha -= 10 * FrameFactor;
    } else {
        TapAlpha = 0;
    }
}

void DrawQuestionPanel() {
    RiseBoard();
    MoveProfessor();
    CountdownStep();   // may end with the outcome: a new question, a reset panel, a fresh screen
    DrawCountdownClock();
    DrawFeedbackPicture();
    DrawScoreStrip();
    DrawBottomBar();
    DrawChoiceButtons();
    DrawBlackboard();
    DrawQuestionTexts();
    // The taps wait while the game is paused under an overlay.
    if (TipShown == 0 && NotepadOpen == 0 && TapVisible == 1) DrawTap();
    DrawProfessor();
    DrawAnswerMark();
    DrawTipBubble();
}

// Before the first reset the panel waits below the surface, as after any reset.
void ResetPanelState() { ResetPanel(); }
