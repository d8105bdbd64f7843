// A drawing surface that records every call instead of drawing.
#include <cstring>

#include "platform/common/quad_geometry.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"
#include "platform/pictures.h"
#include "platform/video.h"

namespace {

std::vector<QuadShape> Quads(1);
std::vector<bool> Freed(1, true);   // element 0 is "no quad"
std::vector<RecordedDraw> Draws;
std::string FailingStep;
bool Active = true;
bool BeginFails = false;
bool Open = false;
bool WindowOpen = false;
bool Windowed = true;
std::string Title;
int Cap = 0;
BlendFactor Source = BlendFactor::SourceAlpha, Dest = BlendFactor::OneMinusSourceAlpha;

QuadShape* Find(int quad) {
    if (quad <= 0 || quad >= static_cast<int>(Quads.size()) || Freed[quad]) return nullptr;
    return &Quads[quad];
}

RecordedDraw Record(RecordedDraw::Kind kind) {
    RecordedDraw d;
    d.kind = kind;
    d.source = Source;
    d.dest = Dest;
    return d;
}

}  // namespace

void ResetFakeVideo() {
    Quads.assign(1, QuadShape{});
    Freed.assign(1, true);
    Draws.clear();
    FailingStep.clear();
    Active = true;
    BeginFails = false;
    Open = WindowOpen = false;
    Windowed = true;
    Title.clear();
    Cap = 0;
    Source = BlendFactor::SourceAlpha;
    Dest = BlendFactor::OneMinusSourceAlpha;
}

std::vector<RecordedDraw>& FakeDraws() { return Draws; }

std::vector<RecordedDraw> FakeQuadDraws() {
    std::vector<RecordedDraw> out;
    for (const RecordedDraw& d : Draws)
        if (d.kind == RecordedDraw::Quad || d.kind == RecordedDraw::Region) out.push_back(d);
    return out;
}

int FakeCreateQuad(int width, int height) {
    QuadShape shape;
    shape.width = width;
    shape.height = height;
    Quads.push_back(shape);
    Freed.push_back(false);
    return static_cast<int>(Quads.size()) - 1;
}

int FakeQuadCount() { return static_cast<int>(Quads.size()) - 1; }

float FakeQuadAngle(int quad) {
    QuadShape* q = Find(quad);
    return q ? q->angle : 0;
}

bool FakeQuadShaped(int quad) {
    QuadShape* q = Find(quad);
    return q && q->shaped;
}

void FakeQuadCorners(int quad, QuadCorner out[4]) {
    QuadShape* q = Find(quad);
    for (int i = 0; i < 4; ++i) out[i] = q ? q->corners[i] : QuadCorner{};
}

void FakeFailVideoStep(const std::string& step) { FailingStep = step; }
void FakeSetSurfaceActive(bool active) { Active = active; }
void FakeSetBeginQuadsFails(bool fails) { BeginFails = fails; }
bool FakeSurfaceOpen() { return Open; }
bool FakeSurfaceWindowed() { return Windowed; }
std::string FakeSurfaceTitle() { return Title; }
int FakeFrameCap() { return Cap; }

bool InitSprites() { return FailingStep != "sprites"; }
bool InitQuadDrawing() { return FailingStep != "quads"; }

bool OpenGameWindow(const std::string& caption, int, int) {
    if (FailingStep == "window") return false;
    WindowOpen = true;
    Title = caption;
    return true;
}

bool OpenDrawingSurface(bool windowed, int, int, const std::string& title) {
    if (FailingStep == "surface") return false;
    if (windowed && !WindowOpen) return false;
    Windowed = windowed;
    if (!windowed) Title = title;
    Open = true;
    return true;
}

void SetQuadCulling(bool) {}
void SetQuadFiltering(bool) {}
bool SurfaceActive() { return Open && Active; }
void CloseVideo() { Open = WindowOpen = false; }

int CreateQuad(const Image& picture) {
    if (picture.width <= 0 || picture.height <= 0) return 0;
    return FakeCreateQuad(picture.width, picture.height);
}

void FreeQuad(int quad) {
    if (Find(quad)) Freed[quad] = true;
}

int QuadWidth(int quad) {
    QuadShape* q = Find(quad);
    return q ? q->width : 0;
}

int QuadHeight(int quad) {
    QuadShape* q = Find(quad);
    return q ? q->height : 0;
}

void SizeQuad(int quad, int width, int height) {
    if (QuadShape* q = Find(quad)) {
        q->width = width;
        q->height = height;
        q->shaped = false;
    }
}

void TurnQuad(int quad, float degrees, int relative) {
    if (QuadShape* q = Find(quad)) {
        q->angle = relative ? q->angle + degrees : degrees;
        q->shaped = false;
    }
}

void ShapeQuad(int quad, const QuadCorner corners[4]) {
    if (QuadShape* q = Find(quad)) {
        for (int i = 0; i < 4; ++i) q->corners[i] = corners[i];
        q->shaped = true;
    }
}

void DrawQuad(int quad, int x, int y, int alpha) {
    QuadShape* q = Find(quad);
    if (!q) return;
    RecordedDraw d = Record(RecordedDraw::Quad);
    d.quad = quad;
    d.x = x;
    d.y = y;
    d.alpha = alpha;
    d.width = q->width;
    d.height = q->height;
    d.angle = q->angle;
    PlaceQuad(*q, static_cast<float>(x), static_cast<float>(y), d.points);
    Draws.push_back(d);
}

void DrawQuadRegion(int quad, const QuadCorner points[4], float u0, float v0, float u1, float v1, unsigned tint,
                    int alpha) {
    QuadShape* q = Find(quad);
    if (!q) return;
    RecordedDraw d = Record(RecordedDraw::Region);
    d.quad = quad;
    d.points[0] = points[0];
    d.points[1] = points[1];
    d.points[2] = points[3];
    d.points[3] = points[2];
    d.u0 = u0;
    d.v0 = v0;
    d.u1 = u1;
    d.v1 = v1;
    d.tint = tint;
    d.alpha = alpha;
    Draws.push_back(d);
}

void SetBlendFactors(BlendFactor source, BlendFactor dest) {
    Source = source;
    Dest = dest;
    Draws.push_back(Record(RecordedDraw::Blend));
}

bool BeginQuads() {
    if (!Open || BeginFails) return false;
    Draws.push_back(Record(RecordedDraw::Begin));
    return true;
}

void EndQuads() { Draws.push_back(Record(RecordedDraw::End)); }

void ClearFrame(unsigned colour) {
    RecordedDraw d = Record(RecordedDraw::Clear);
    d.colour = colour;
    Draws.push_back(d);
}

void PresentFrame() { Draws.push_back(Record(RecordedDraw::Present)); }
void CapFrameRate(int framesPerSecond) { Cap = framesPerSecond; }

void CaptureNextFrame(const std::string&) {}   // a recording has no pixels to capture
bool ReadFramePixels(std::vector<unsigned char>&, int&, int&) { return false; }
