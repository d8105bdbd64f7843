// Game 1's drawing, back to front: sky, platforms, gems, zombie, bat, then the kid.
#include "app/catalogue.h"
#include "app/rounding.h"
#include "games/jumper.h"
#include "platform/video.h"
#include "quiz/judgement.h"
#include "render/blend.h"
#include "render/mirror.h"

void JumperDraw() {
    SetBlend(0);
    DrawQuad(Bg1Quad, 0, 0, 255);

    for (int m = 1; m <= 6; ++m) {
        const int left = JumperColumnLeft(m);
        DrawQuad(PlatQuad, left, 540, 255);
        // Vines hang behind a few platforms only, so the rows do not look stamped out.
        if (PlatformLayout[1][m] == 0) {
            if (m == 2 || m == 4) DrawQuad(VinesQuad, left, 369, 255);
            DrawQuad(PlatQuad, left, 370, 255);
        }
        if (PlatformLayout[2][m] == 0) {
            if (m == 3 || m == 5) DrawQuad(VinesQuad, left, 199, 255);
            DrawQuad(PlatQuad, left, 200, 255);
        }
    }

    for (int k = 1; k <= 4; ++k) DrawQuad(GemQuad[k], GemX[k], GemY[k], 255);

    DrawQuad(ZombieQuad[ZombieFrame], Round(ZombieX - 55), 433, 255);
    DrawQuad(BatQuad[BatFrame], Round(BatX - 40), 255, 255);

    if (QuestionForfeited == 1) PlayerSprite = DeadQuad;
    MirrorQuad(PlayerSprite, 160, PlayerFacing);
    DrawQuad(PlayerSprite, Round(PlayerX - 75), Round(PlayerY - 158), 255);
}
