// Test doubles of the platform services. Tests set the clock, script the pointer and
// keys before each frame, and read back every drawing and sound call.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/video.h"

// ---- video ----
struct RecordedDraw {
    enum Kind { Quad, Region, Clear, Present, Blend, Begin, End } kind = Quad;
    int quad = 0;
    QuadCorner points[4];   // on the surface, clockwise from the texture's top-left
    int alpha = 255;
    unsigned tint = 0xFFFFFF;   // 0xRRGGBB
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
    BlendFactor source = BlendFactor::SourceAlpha, dest = BlendFactor::OneMinusSourceAlpha;
    unsigned colour = 0;   // ClearFrame's colour
    int x = 0, y = 0;      // DrawQuad's position
    int width = 0, height = 0;   // drawn size of the quad at the time
    float angle = 0;
};

std::vector<RecordedDraw>& FakeDraws();
// Only the quad drawings (DrawQuad and DrawQuadRegion) of the record.
std::vector<RecordedDraw> FakeQuadDraws();
int FakeCreateQuad(int width, int height);   // a quad of that natural size, without a picture
int FakeQuadCount();
float FakeQuadAngle(int quad);
bool FakeQuadShaped(int quad);
void FakeQuadCorners(int quad, QuadCorner out[4]);

// Start-up failures to simulate, by step name: "sprites", "quads", "window", "surface".
void FakeFailVideoStep(const std::string& step);
void FakeSetSurfaceActive(bool active);
void FakeSetBeginQuadsFails(bool fails);
bool FakeSurfaceOpen();
bool FakeSurfaceWindowed();
std::string FakeSurfaceTitle();
int FakeFrameCap();

// ---- input ----
void FakeMoveMouse(float dx, float dy);      // movement for the next reading
void FakeSetMouseButton(bool down);
void FakeSetKey(int scanCode, bool down);
void FakeSetKeyCharacter(int scanCode, int character);   // default: a US layout without modifiers
void FakeRequestClose();
bool FakePointerCaptured();
int FakePointerX();
int FakePointerY();

// ---- clock ----
void FakeSetTime(std::uint64_t milliseconds);
void FakeAdvanceTime(std::uint64_t milliseconds);
std::uint64_t FakeSleptMs();   // total of every SleepMs since the reset

// ---- sound ----
struct RecordedSound {
    enum Kind { Load, Play, Volume } kind = Play;
    int sound = 0;
    int volume = 0;
    bool loop = false;
    std::string path;
};
std::vector<RecordedSound>& FakeSounds();
void FakeSetSoundAvailable(bool available);

// ---- messages ----
struct RecordedMessage {
    std::string title, text;
};
std::vector<RecordedMessage>& FakeMessages();
std::vector<std::string>& FakeOpenedAddresses();
void FakeSetProfileFolder(const std::string& folder);

// Puts every fake back as it was when the process started.
void FakePlatformReset();
