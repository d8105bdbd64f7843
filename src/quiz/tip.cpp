// The thought bubble with a game's tip, shown on the game's first entry after the hub.
#include "quiz/tip.h"

#include <algorithm>

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "platform/video.h"
#include "quiz/screens.h"
#include "render/blend.h"
#include "render/font.h"
#include "render/pointer.h"
#include "render/text.h"

int TipShown = 0;
int TipSeen[7] = {};
int TipPicture[6] = {};
float TipPictureSize[6] = {};
float BubbleSize = 2, BubbleAlpha = 0, BubbleTextAlpha = 0, BubblePictureSize = 0, HintFrameTimer = 0;
std::string BubbleText;
int BubblePicture = 0, HintFrame = 0;

namespace {

constexpr int TipInk = 0x333333;

// The bubble: three pairs of small crossed clouds trailing away to the lower left, then
// the main cloud centred on (ScreenWidth / 2, 300).
struct CloudCopy {
    float scale;   // side, as a share of the bubble's height B
    float turn;    // degrees
    float dx;      // from the main cloud's left edge
    float top;     // y of the top edge less B / 2
    float alpha;   // share of the bubble's alpha
};
constexpr CloudCopy Clouds[6] = {
    {0.12f, 45, -64, 372, 0.4f}, {0.12f, 90, -64, 372, 0.4f}, {0.18f, 30, -24, 308, 0.6f},
    {0.18f, 75, -24, 308, 0.6f}, {0.25f, 15, 24, 216, 0.8f},  {0.25f, 60, 24, 216, 0.8f},
};

void DrawBubble() {
    const float b = BubbleSize, a = BubbleAlpha;
    const float left = ScreenWidth / 2 - 1.25f * b / 2;
    for (const CloudCopy& c : Clouds) {
        const int side = Round(c.scale * b);
        SizeQuad(BubbleQuad, side, side);
        TurnQuad(BubbleQuad, c.turn, 0);
        DrawQuad(BubbleQuad, Round(left + c.dx), Round(c.top + b / 2), Round(c.alpha * a));
    }
    SizeQuad(BubbleQuad, Round(1.25f * b), Round(b));
    TurnQuad(BubbleQuad, 0, 0);
    DrawQuad(BubbleQuad, Round(left), Round(300 - b / 2), Round(a));
}

void DrawBubbleContents() {
    BubbleTextAlpha = std::min(BubbleTextAlpha + 4 * FrameFactor, 255.0f);
    SemicolonAsSpace = 1;
    BubbleText = DrawTextWrapped(MainFont, 280, 160, BubbleText, 460, Round(BubbleTextAlpha), TipInk, 1.5f, FontDefault);
    SemicolonAsSpace = 0;

    const int side = Round(BubblePictureSize);
    SizeQuad(BubblePicture, side, side);
    DrawQuad(BubblePicture, Round(370 - BubblePictureSize / 2), Round(410 - BubblePictureSize / 2), Round(BubbleAlpha));

    HintFrameTimer -= FrameFactor;
    if (HintFrameTimer < 0) {
        HintFrame = HintFrame >= 3 ? 0 : HintFrame + 1;
        HintFrameTimer = 20;
    }
    DrawQuad(HintQuad[HintFrame], 640, 380, Round(BubbleAlpha));
}

}  // namespace

void ShowTip(int picture, float size, const std::string& text) {
    TipShown = 1;
    BubbleSize = 2;
    BubbleAlpha = 0;
    BubbleText = text;
    BubbleTextAlpha = 0;
    BubblePicture = picture;
    BubblePictureSize = size;
    SetPointerSprite(GloveQuad, GloveShadowQuad, -28, -16);
}

void CloseTip() {
    TipShown = 0;
    RestorePointerSprite();
    if (CurrentScreen == 5) SetPointerSprite(WandQuad, WandShadowQuad, -38, -16);
}

void DrawTipBubble() {
    if (BubbleAlpha <= 0 && TipShown == 0) return;
    int full = 0;
    if (TipShown == 1) {
        BubbleSize += 12 * FrameFactor;
        if (BubbleSize >= 460) {
            BubbleSize = 460;
            ++full;
        }
        BubbleAlpha += 8 * FrameFactor;
        if (BubbleAlpha >= 255) {
            BubbleAlpha = 255;
            ++full;
        }
    } else {
        // Closing: it shrinks and fades without its text, picture or hint.
        BubbleSize = std::max(BubbleSize - 6 * FrameFactor, 2.0f);
        BubbleAlpha = std::max(BubbleAlpha - 6 * FrameFactor, 0.0f);
    }
    if (BubbleAlpha > 0) DrawBubble();
    if (full == 2) DrawBubbleContents();
}

void ResetTip() {
    TipShown = 0;
    for (int& seen : TipSeen) seen = 0;
    for (int n = 0; n < 6; ++n) {
        TipPicture[n] = 0;
        TipPictureSize[n] = 0;
    }
    BubbleSize = 2;
    BubbleAlpha = BubbleTextAlpha = BubblePictureSize = HintFrameTimer = 0;
    BubbleText.clear();
    BubblePicture = HintFrame = 0;
}
