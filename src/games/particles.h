// Bursts of small spinning, fading pictures, and the one explosion flash.
#pragma once
#include <vector>

struct Particle {
    int Quad = 0;
    int Blend = 0;
    float X = 0, Y = 0, VX = 0, VY = 0, Angle = 0, Spin = 0, Alpha = 0, Fade = 0;
    int Gravity = 0;
};

extern std::vector<Particle> Particles;   // live particles are 1..ParticleCount, in spawn order
extern int ParticleCount;
extern int FlashActive;
extern float FlashX, FlashY, FlashSize, FlashAlpha, FlashAngle;

void SpawnParticles(int quad, int count, int blend, float x, float y, int spread, float fade, int gravity);
void UpdateParticles();
void ResetParticles();
void StartFlash(float x, float y);
void DrawFlash();
void ResetEffects();
