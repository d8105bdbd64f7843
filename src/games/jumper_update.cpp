// Game 1's logic, once a frame: the bat and the zombie patrol, the kid lands, collects,
// gets hurt, jumps, falls and walks, in that order.
#include "app/catalogue.h"
#include "app/frame.h"
#include "app/random.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "games/jumper.h"
#include "games/particles.h"
#include "quiz/judgement.h"
#include "render/mirror.h"

namespace {

// To and fro across the surface; the turn comes only once the centre is past an edge,
// so the creature is half off the surface when it turns round.
void Patrol(float& x, int& goingRight, float speed, int* pictures, int pictureCount, float size) {
    if (!goingRight) {
        x -= speed * FrameFactor;
        if (x < 0) {
            for (int i = 1; i <= pictureCount; ++i) MirrorQuad(pictures[i], size, 1);
            goingRight = 1;
        }
    } else {
        x += speed * FrameFactor;
        if (x > static_cast<float>(ScreenWidth)) {
            for (int i = 1; i <= pictureCount; ++i) MirrorQuad(pictures[i], size, 0);
            goingRight = 0;
        }
    }
}

void Animate(int& frame, float& timer, float ticksPerFrame, int lastFrame) {
    timer -= FrameFactor;
    if (timer < 0) {
        timer = ticksPerFrame;
        ++frame;
        if (frame > lastFrame) frame = 1;
    }
}

// Platforms catch the kid only from above, with the feet inside the landing band of a row.
bool LandOnPlatform() {
    for (int m = 1; m <= 6; ++m) {
        const float left = static_cast<float>(JumperColumnLeft(m));
        const bool over = left < PlayerX && PlayerX < left + ColumnWidth;
        if (PlatformLayout[1][m] == 0 && PlayerY >= MiddleFeetY && PlayerY < 470 && over) {
            PlayerY = MiddleFeetY;
            PlayerVY = 0;
            return true;
        }
        if (PlatformLayout[2][m] == 0 && PlayerY >= TopFeetY && PlayerY < 300 && over) {
            PlayerY = TopFeetY;
            PlayerVY = 0;
            return true;
        }
    }
    return false;
}

// The kid's test point is 80 pixels above the feet.
void CollectGems() {
    for (int k = 1; k <= 4; ++k) {
        if (QuestionOpen != 1) return;
        const float x = static_cast<float>(GemX[k]);
        const float y = static_cast<float>(GemY[k]);
        if (x < PlayerX && PlayerX < x + 64 && y < PlayerY - 80 && PlayerY - 80 < y + 64) {
            SpawnParticles(SparkleQuad, 20, 3, x + 32, y + 32, 8, 4.0f, 1);
            SubmitAnswer(k);
            GemX[k] = GemY[k] = -80;   // off the surface
        }
    }
}

void Hurt() {
    PlayEffect(Random(1) == 0 ? Hurt1Sound : Hurt2Sound, 20);
    ForfeitQuestion();
}

void CheckHazards() {
    if (QuestionOpen == 1 && QuestionForfeited == 0 && BatX - 32 < PlayerX && PlayerX < BatX + 32 &&
        191 < PlayerY - 80 && PlayerY - 80 < 319)
        Hurt();
    if (QuestionOpen == 1 && QuestionForfeited == 0 && ZombieX - 64 < PlayerX && PlayerX < ZombieX + 64 &&
        PlayerY - 80 > 432)
        Hurt();
}

void WalkAndAnimate(bool grounded) {
    const int airborneSprite = PlayerVY > 0 ? FallQuad : JumpQuad;
    if (PointerDeltaX == 0) {
        if (grounded) {
            PlayerFrameTimer -= FrameFactor;
            if (PlayerFrameTimer < 0) {
                ++PlayerFrame;
                PlayerFrameTimer = 18;
            }
            if (PlayerFrame > 2) PlayerFrame = 0;
            PlayerSprite = IdleQuad[PlayerFrame];
        } else {
            PlayerSprite = airborneSprite;
        }
        return;
    }
    float speed = 3.5f;   // steering in the air is a little slower than walking
    if (grounded) {
        PlayerFrameTimer -= FrameFactor;
        if (PlayerFrameTimer < 0) {
            ++PlayerFrame;
            PlayerFrameTimer = 7;
        }
        if (PlayerFrame > 7) PlayerFrame = 0;
        PlayerSprite = WalkQuad[PlayerFrame];
        speed = 3.6f;
    } else {
        PlayerSprite = airborneSprite;
    }
    // Only the direction of the pointer's movement counts, not its amount.
    if (PointerDeltaX < 0) {
        PlayerFacing = 1;
        PlayerX -= speed * FrameFactor;
    } else {
        PlayerFacing = 0;
        PlayerX += speed * FrameFactor;
    }
}

}  // namespace

void JumperUpdate() {
    Patrol(BatX, BatGoingRight, 1.2f, BatQuad, 4, 80);
    Animate(BatFrame, BatFrameTimer, 5, 4);
    Patrol(ZombieX, ZombieGoingRight, 0.5f, ZombieQuad, 9, 110);
    Animate(ZombieFrame, ZombieFrameTimer, 8, 9);

    bool grounded = PlayerY >= GroundFeetY;
    if (grounded) PlayerY = GroundFeetY;
    if (!grounded && PlayerVY >= 0) grounded = LandOnPlatform();

    // A rising kid passes through gems; only falling or standing collects.
    if (PlayerVY > 0 || grounded) CollectGems();
    CheckHazards();

    if (grounded && PlayerVY >= 0 && PointerClicked == 1) {
        PlayEffect(HupSound, 8);
        PlayerVY = -9;
        grounded = false;
    }

    if (QuestionForfeited == 1) {
        // The fallen kid floats up and off the top of the surface.
        PlayerVY = -1.25f;
        PlayerY += PlayerVY * FrameFactor;
    } else if (!grounded) {
        PlayerVY += 0.2f * FrameFactor;
        PlayerY += PlayerVY * FrameFactor;
    }

    WalkAndAnimate(grounded);

    const float leftLimit = 40, rightLimit = static_cast<float>(ScreenWidth - 40);
    if (PlayerX < leftLimit) PlayerX = leftLimit;
    if (PlayerX > rightLimit) PlayerX = rightLimit;
}
