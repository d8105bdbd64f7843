// Particle bursts and the explosion flash.
#include "games/particles.h"

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/random.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "platform/video.h"
#include "render/blend.h"

std::vector<Particle> Particles(1);
int ParticleCount = 0;
int FlashActive = 0;
float FlashX = 0, FlashY = 0, FlashSize = 0, FlashAlpha = 0, FlashAngle = 0;

void SpawnParticles(int quad, int count, int blend, float x, float y, int spread, float fade, int gravity) {
    for (int i = 0; i < count; ++i) {
        Particle p;
        p.Quad = quad;
        p.Blend = blend;
        // Whole-pixel steps across a square of side 2 x spread centred on (x, y).
        p.X = x - spread + Random(2 * spread);
        p.Y = y - spread + Random(2 * spread);
        p.Angle = static_cast<float>(Random(360));
        p.Spin = static_cast<float>(Random(60) - 30);
        p.Alpha = 255;
        p.Fade = fade;
        p.VX = static_cast<float>(Random(6) - 3);
        // A falling particle is first thrown upwards.
        p.VY = static_cast<float>(gravity == 1 ? Random(3) - 4 : Random(6) - 3);
        p.Gravity = gravity;
        ++ParticleCount;
        Particles.resize(ParticleCount + 1);
        Particles[ParticleCount] = p;
    }
}

void UpdateParticles() {
    int i = 1;
    while (i <= ParticleCount) {
        Particle& p = Particles[i];
        p.X += p.VX * FrameFactor;
        p.Y += p.VY * FrameFactor;
        if (p.Gravity == 1) p.VY += 0.1f * FrameFactor;
        // Spin and fade are per frame, whatever the frame's length.
        p.Angle += p.Spin;
        p.Spin *= 0.97f;
        p.Alpha -= p.Fade;
        if (p.Alpha < 0) p.Alpha = 0;
        if (p.Quad > 0) {
            SetBlend(p.Blend);
            TurnQuad(p.Quad, p.Angle, 0);
            DrawQuad(p.Quad, Round(p.X), Round(p.Y), Round(p.Alpha));
        }
        if (p.Alpha <= 0 || p.Y > ScreenHeight) {
            // The later particles move down one place, so the drawing order stays the spawn order.
            Particles.erase(Particles.begin() + i);
            --ParticleCount;
            continue;
        }
        ++i;
    }
    SetBlend(0);
}

void ResetParticles() {
    Particles.assign(1, Particle{});
    ParticleCount = 0;
}

void StartFlash(float x, float y) {
    FlashActive = 1;
    FlashX = x;
    FlashY = y;
    FlashSize = 72;
    FlashAlpha = 255;
}

void DrawFlash() {
    FlashSize += 2.0f * FrameFactor;
    if (FlashSize > 48) {
        FlashAlpha -= 4.0f * FrameFactor;
        if (FlashAlpha <= 0) {
            // Drawn once more, invisibly, in this frame.
            FlashAlpha = 0;
            FlashActive = 0;
        }
    }
    FlashAngle += 4.0f * FrameFactor;
    if (FlashAngle > 360) FlashAngle -= 360;

    SetBlend(0);
    TurnQuad(BoomQuad, FlashAngle, 0);
    SizeQuad(BoomQuad, Round(FlashSize), Round(FlashSize));
    DrawQuad(BoomQuad, Round(FlashX - FlashSize / 2), Round(FlashY - FlashSize / 2), Round(FlashAlpha));

    const float glow = FlashSize + 2;
    SetBlend(3);
    TurnQuad(BoomGlowQuad, FlashAngle, 0);
    SizeQuad(BoomGlowQuad, Round(glow), Round(glow));
    DrawQuad(BoomGlowQuad, Round(FlashX - glow / 2), Round(FlashY - glow / 2), Round(FlashAlpha));
    SetBlend(0);
}

void ResetEffects() {
    ResetParticles();
    FlashActive = 0;
    FlashX = FlashY = FlashSize = FlashAlpha = FlashAngle = 0;
}
