// The drawing surface on SDL2's OpenGL renderer. Quads are two triangles drawn with
// SDL_RenderGeometry, tinted and faded per vertex; blend modes are custom SDL blend modes
// whose alpha factors keep the back buffer's alpha at 1, so glows add light as they should.
#include <SDL2/SDL.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/clock.h"
#include "platform/common/quad_geometry.h"
#include "platform/pictures.h"
#include "platform/sdl/sdl_video.h"
#include "platform/video.h"

namespace {

struct Quad {
    SDL_Texture* texture = nullptr;
    QuadShape shape;
    SDL_BlendMode blend = SDL_BLENDMODE_INVALID;   // the mode last given to the texture
    bool opaque = false;   // every pixel has alpha 255
    int textureWidth = 0, textureHeight = 0;
    SDL_ScaleMode scale = SDL_ScaleModeLinear;   // the filtering last given to the texture
};

SDL_Window* Window = nullptr;
SDL_Renderer* Renderer = nullptr;
bool Windowed = true;
int SurfaceW = 1024, SurfaceH = 768;
std::vector<Quad> Quads(1);   // element 0 is "no quad"
SDL_BlendMode CurrentBlend = SDL_BLENDMODE_BLEND;
SDL_BlendMode OrdinaryBlend = SDL_BLENDMODE_INVALID;   // the custom mode for ordinary alpha blending
int FrameCap = 0;
std::uint64_t LastPresent = 0;
std::string CapturePath;
// Without a display (SDL's offscreen driver) a present swaps nothing, so the driver never
// hands its queued drawing to the GPU on its own and keeps it all in memory: finish each frame.
void (*FinishDrawing)() = nullptr;

SDL_BlendFactor ToSdl(BlendFactor factor) {
    switch (factor) {
        case BlendFactor::Zero: return SDL_BLENDFACTOR_ZERO;
        case BlendFactor::One: return SDL_BLENDFACTOR_ONE;
        case BlendFactor::SourceColour: return SDL_BLENDFACTOR_SRC_COLOR;
        case BlendFactor::DestColour: return SDL_BLENDFACTOR_DST_COLOR;
        case BlendFactor::SourceAlpha: return SDL_BLENDFACTOR_SRC_ALPHA;
        case BlendFactor::DestAlpha: return SDL_BLENDFACTOR_DST_ALPHA;
        case BlendFactor::OneMinusSourceAlpha: return SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA;
    }
    return SDL_BLENDFACTOR_ONE;
}

Quad* Find(int quad) {
    if (quad <= 0 || quad >= static_cast<int>(Quads.size()) || !Quads[quad].texture) return nullptr;
    return &Quads[quad];
}

void Draw(Quad& q, const QuadCorner points[4], float u0, float v0, float u1, float v1, SDL_Color colour,
          bool exact = false) {
    if (!Renderer) return;
    // A picture drawn at its own size, unturned, on whole pixels samples its texels' centres:
    // plain sampling gives the same pixels as bilinear filtering, for less work.
    const SDL_ScaleMode scale = exact ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
    if (q.scale != scale) {
        SDL_RenderFlush(Renderer);   // draws already queued keep the filtering they were given
        SDL_SetTextureScaleMode(q.texture, scale);
        q.scale = scale;
    }
    // An opaque picture at full alpha blended ordinarily covers what is below: the same pixels
    // come out with blending switched off, and a software renderer fills them much faster.
    SDL_BlendMode mode = CurrentBlend;
    if (mode == OrdinaryBlend && q.opaque && colour.a == 255) mode = SDL_BLENDMODE_NONE;
    if (q.blend != mode) {
        SDL_SetTextureBlendMode(q.texture, mode);
        q.blend = mode;
    }
    // points: top-left, top-right, bottom-right, bottom-left of the texture
    const float u[4] = {u0, u1, u1, u0}, v[4] = {v0, v0, v1, v1};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        vertices[i].position = {points[i].x, points[i].y};
        vertices[i].color = colour;
        vertices[i].tex_coord = {u[i], v[i]};
    }
    static const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(Renderer, q.texture, vertices, 4, indices, 6);
}

Uint8 ClampByte(int v) { return static_cast<Uint8>(v < 0 ? 0 : v > 255 ? 255 : v); }

}  // namespace

SDL_Window* GameSdlWindow() { return Window; }
bool GameSurfaceWindowed() { return Windowed; }
void GameSurfaceSize(int& width, int& height) {
    width = SurfaceW;
    height = SurfaceH;
}

bool InitSprites() {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
}

bool InitQuadDrawing() {
    for (int i = 0, n = SDL_GetNumRenderDrivers(); i < n; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, "opengl") == 0) return true;
    }
    // Without OpenGL, any renderer that draws geometry will do.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
    return SDL_GetNumRenderDrivers() > 0;
}

bool OpenGameWindow(const std::string& caption, int width, int height) {
    Window = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    return Window != nullptr;
}

bool OpenDrawingSurface(bool windowed, int width, int height, const std::string& title) {
    Windowed = windowed;
    SurfaceW = width;
    SurfaceH = height;
    if (!windowed) {
        // Desktop full screen, letterboxed to the game's size: no display mode switch.
        Window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                  SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_SHOWN);
        if (!Window) return false;
    }
    if (!Window) return false;
    Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_ACCELERATED);
    if (!Renderer) Renderer = SDL_CreateRenderer(Window, -1, 0);
    if (!Renderer) return false;
    if (!windowed) SDL_RenderSetLogicalSize(Renderer, width, height);
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && std::strcmp(driver, "offscreen") == 0)
        FinishDrawing = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFinish"));
    SDL_SetRenderDrawBlendMode(Renderer, SDL_BLENDMODE_NONE);
    return true;
}

// SDL's renderer never culls and always filters as each texture says (linear, set at creation).
void SetQuadCulling(bool) {}
void SetQuadFiltering(bool bilinear) {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, bilinear ? "linear" : "nearest");
}

bool SurfaceActive() {
    if (!Window) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && std::strcmp(driver, "offscreen") == 0) return true;   // no desktop to lose focus to
    Uint32 flags = SDL_GetWindowFlags(Window);
    if (flags & SDL_WINDOW_MINIMIZED) return false;
    return (flags & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void CloseVideo() {
    for (Quad& q : Quads)
        if (q.texture) SDL_DestroyTexture(q.texture);
    Quads.assign(1, Quad{});
    if (Renderer) SDL_DestroyRenderer(Renderer);
    if (Window) SDL_DestroyWindow(Window);
    Renderer = nullptr;
    Window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

int CreateQuad(const Image& picture) {
    if (!Renderer || picture.width <= 0 || picture.height <= 0) return 0;
    SDL_Texture* texture = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC,
                                             picture.width, picture.height);
    if (!texture) return 0;
    SDL_UpdateTexture(texture, nullptr, picture.rgba.data(), picture.width * 4);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    Quad q;
    q.texture = texture;
    q.shape.width = picture.width;
    q.shape.height = picture.height;
    q.textureWidth = picture.width;
    q.textureHeight = picture.height;
    q.opaque = true;
    for (std::size_t i = 3; i < picture.rgba.size() && q.opaque; i += 4) q.opaque = picture.rgba[i] == 255;
    Quads.push_back(q);
    return static_cast<int>(Quads.size()) - 1;
}

void FreeQuad(int quad) {
    if (Quad* q = Find(quad)) {
        SDL_DestroyTexture(q->texture);
        *q = Quad{};
    }
}

int QuadWidth(int quad) {
    Quad* q = Find(quad);
    return q ? q->shape.width : 0;
}

int QuadHeight(int quad) {
    Quad* q = Find(quad);
    return q ? q->shape.height : 0;
}

void SizeQuad(int quad, int width, int height) {
    if (Quad* q = Find(quad)) {
        q->shape.width = width;
        q->shape.height = height;
        q->shape.shaped = false;
    }
}

void TurnQuad(int quad, float degrees, int relative) {
    if (Quad* q = Find(quad)) {
        q->shape.angle = relative ? q->shape.angle + degrees : degrees;
        q->shape.shaped = false;
    }
}

void ShapeQuad(int quad, const QuadCorner corners[4]) {
    if (Quad* q = Find(quad)) {
        for (int i = 0; i < 4; ++i) q->shape.corners[i] = corners[i];
        q->shape.shaped = true;
    }
}

void DrawQuad(int quad, int x, int y, int alpha) {
    Quad* q = Find(quad);
    if (!q) return;
    QuadCorner points[4];
    PlaceQuad(q->shape, static_cast<float>(x), static_cast<float>(y), points);
    const bool exact = !q->shape.shaped && q->shape.angle == 0.0f && q->shape.width == q->textureWidth &&
                       q->shape.height == q->textureHeight;
    Draw(*q, points, 0, 0, 1, 1, SDL_Color{255, 255, 255, ClampByte(alpha)}, exact);
}

void DrawQuadRegion(int quad, const QuadCorner points[4], float u0, float v0, float u1, float v1, unsigned tint,
                    int alpha) {
    Quad* q = Find(quad);
    if (!q) return;
    // points come as top-left, top-right, bottom-left, bottom-right
    const QuadCorner clockwise[4] = {points[0], points[1], points[3], points[2]};
    SDL_Color colour{static_cast<Uint8>(tint >> 16), static_cast<Uint8>(tint >> 8), static_cast<Uint8>(tint),
                     ClampByte(alpha)};
    Draw(*q, clockwise, u0, v0, u1, v1, colour);
}

SDL_BlendMode Compose(BlendFactor source, BlendFactor dest) {
    return SDL_ComposeCustomBlendMode(ToSdl(source), ToSdl(dest), SDL_BLENDOPERATION_ADD, SDL_BLENDFACTOR_ZERO,
                                      SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD);
}

void SetBlendFactors(BlendFactor source, BlendFactor dest) {
    if (OrdinaryBlend == SDL_BLENDMODE_INVALID)
        OrdinaryBlend = Compose(BlendFactor::SourceAlpha, BlendFactor::OneMinusSourceAlpha);
    CurrentBlend = Compose(source, dest);
}

bool BeginQuads() { return Renderer != nullptr; }
void EndQuads() {}

void ClearFrame(unsigned colour) {
    if (!Renderer) return;
    SDL_SetRenderDrawColor(Renderer, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, 255);
    SDL_RenderClear(Renderer);
}

void CapFrameRate(int framesPerSecond) { FrameCap = framesPerSecond; }

void CaptureNextFrame(const std::string& pngPath) { CapturePath = pngPath; }

void PresentFrame() {
    if (!Renderer) return;
    if (!CapturePath.empty()) {
        Image shot;
        if (ReadFramePixels(shot.rgba, shot.width, shot.height)) {
            for (std::size_t i = 3; i < shot.rgba.size(); i += 4) shot.rgba[i] = 255;
            EncodePngFile(CapturePath, shot);
        }
        CapturePath.clear();
    }
    if (FrameCap > 0) {
        const std::uint64_t interval = 1000 / static_cast<std::uint64_t>(FrameCap);
        std::uint64_t now = TickCount();
        if (LastPresent != 0 && now - LastPresent < interval) {
            SleepMs(static_cast<int>(interval - (now - LastPresent)));
            now = TickCount();
        }
        LastPresent = now;
    }
    SDL_RenderPresent(Renderer);
    if (FinishDrawing) FinishDrawing();
}

bool ReadFramePixels(std::vector<unsigned char>& rgba, int& width, int& height) {
    if (!Renderer || SDL_GetRendererOutputSize(Renderer, &width, &height) != 0) return false;
    rgba.resize(static_cast<std::size_t>(width) * height * 4);
    return SDL_RenderReadPixels(Renderer, nullptr, SDL_PIXELFORMAT_ABGR8888, rgba.data(), width * 4) == 0;
}
