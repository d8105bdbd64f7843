// Game 1's set-up: a fresh scene for every question, with a new platform layout and new
// places for the four gems.
#include "app/catalogue.h"
#include "app/random.h"
#include "app/screen.h"
#include "games/jumper.h"
#include "render/mirror.h"

namespace {

bool GemPlaced(int k) { return !(GemX[k] == -1 && GemY[k] == -1); }

// One row of platforms, left to right. A gap never follows a gap, so every gap can be
// jumped or walked round. Each platform offers one random colour a place, taken only if
// that gem has none yet; gems in the outer columns move 50 pixels inwards to stay visible.
void BuildRow(int row, int gemY) {
    for (int m = 1; m <= 6; ++m) {
        int& cell = PlatformLayout[row][m];
        cell = Random(1);
        if (m > 1 && PlatformLayout[row][m - 1] == 1) cell = 0;
        if (cell != 0) continue;
        const int k = Random(3) + 1;
        if (GemPlaced(k)) continue;
        GemX[k] = JumperColumnLeft(m) + 68;
        GemY[k] = gemY;
        if (m == 6) GemX[k] -= 50;
        if (m == 1) GemX[k] += 50;
    }
}

// The gems no platform took lie on the ground, clear of the kid's start and of each other.
void PlaceGroundGems() {
    for (int k = 1; k <= 4; ++k) {
        if (GemPlaced(k)) continue;
        GemY[k] = 455;
        GemX[k] = CenterX;
        while (CenterX - 180 < GemX[k] && GemX[k] < CenterX + 180) {
            const int x = Random(ScreenWidth - 100) + 50;
            bool crowded = false;
            for (int j = 1; j <= 4; ++j)
                if (j != k && GemY[j] == GemY[k] && GemX[j] - 100 < x && x < GemX[j] + 100) crowded = true;
            if (!crowded) GemX[k] = x;
        }
    }
}

}  // namespace

void JumperEnter() {
    PlayerX = static_cast<float>(CenterX);
    PlayerY = GroundFeetY;
    PlayerVY = 0;
    PlayerFacing = 0;
    // The picture carries over from the last question; on the very first entry there is none
    // yet, so the kid stands idle behind the tip bubble instead of being missing.
    if (PlayerSprite == 0) PlayerSprite = IdleQuad[0];
    ZombieX = static_cast<float>(ScreenWidth + 80);
    ZombieGoingRight = 0;
    ZombieFrame = 1;
    BatX = static_cast<float>(Random(ScreenWidth));
    BatGoingRight = 0;
    BatFrame = 1;

    // Both start facing left, the way they move.
    for (int i = 1; i <= 4; ++i) MirrorQuad(BatQuad[i], 80, 0);
    for (int i = 1; i <= 9; ++i) MirrorQuad(ZombieQuad[i], 110, 0);

    for (int k = 1; k <= 4; ++k) GemX[k] = GemY[k] = -1;
    BuildRow(2, 115);
    BuildRow(1, 285);
    PlaceGroundGems();
}
