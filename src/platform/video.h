// Drawing surface and quad sprites.
// A quad is a picture held as a texture and drawn as four corners; handle 0 is "none"
// and every operation on it does nothing.
#pragma once
#include <string>
#include <vector>

struct Image;

// A corner of a quad, as an offset from the position given to DrawQuad.
struct QuadCorner {
    float x = 0, y = 0;
};

// Factors of the blend stage; colour = src * SourceFactor + dst * DestFactor.
enum class BlendFactor { Zero, One, SourceColour, DestColour, SourceAlpha, DestAlpha, OneMinusSourceAlpha };

// Start-up of the drawing service, one step at a time so that each failure gets its own message.
bool InitSprites();       // video and keyboard subsystems
bool InitQuadDrawing();   // an accelerated renderer that can draw textured quads exists
bool OpenGameWindow(const std::string& caption, int width, int height);
bool OpenDrawingSurface(bool windowed, int width, int height, const std::string& title);
void SetQuadCulling(bool cull);
void SetQuadFiltering(bool bilinear);
bool SurfaceActive();   // windowed: our window has the focus; full screen: the display is ours
void CloseVideo();

// Quads. CreateQuad copies the picture; the quad's drawn size starts as the picture's size.
int CreateQuad(const Image& picture);
void FreeQuad(int quad);    // the handle then names no quad; later calls on it do nothing
int QuadWidth(int quad);    // drawn width (0 for no quad)
int QuadHeight(int quad);
void SizeQuad(int quad, int width, int height);           // drops a corner shape
void TurnQuad(int quad, float degrees, int relative);     // clockwise about the centre; drops a corner shape
void ShapeQuad(int quad, const QuadCorner corners[4]);    // clockwise from the texture's top-left
void DrawQuad(int quad, int x, int y, int alpha);
// Draws the texture rectangle (u0, v0)-(u1, v1) onto four points given as
// top-left, top-right, bottom-left, bottom-right. tint is 0xRRGGBB.
void DrawQuadRegion(int quad, const QuadCorner points[4], float u0, float v0, float u1, float v1,
                    unsigned tint, int alpha);

void SetBlendFactors(BlendFactor source, BlendFactor dest);
bool BeginQuads();
void EndQuads();
void ClearFrame(unsigned colour);   // 0x00BBGGRR
void PresentFrame();
void CapFrameRate(int framesPerSecond);

// The next PresentFrame first writes the finished back buffer to a PNG file (screenshots).
void CaptureNextFrame(const std::string& pngPath);

// The back buffer as RGBA rows (before PresentFrame); false where there is none.
bool ReadFramePixels(std::vector<unsigned char>& rgba, int& width, int& height);
