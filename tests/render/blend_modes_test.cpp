// The four blend modes on the real renderer, read back from the back buffer.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/pictures.h"
#include "platform/video.h"
#include "render/blend.h"

namespace {

class RealRenderer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ASSERT_TRUE(InitSprites());
        ASSERT_TRUE(InitQuadDrawing());
        ASSERT_TRUE(OpenGameWindow("blend test", 64, 64));
        ASSERT_TRUE(OpenDrawingSurface(true, 64, 64, "blend test"));
    }
    static void TearDownTestSuite() { CloseVideo(); }

    static int SolidQuad(int r, int g, int b, int a) {
        Image picture;
        picture.width = picture.height = 8;
        picture.rgba.resize(8 * 8 * 4);
        for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
            picture.rgba[i] = static_cast<unsigned char>(r);
            picture.rgba[i + 1] = static_cast<unsigned char>(g);
            picture.rgba[i + 2] = static_cast<unsigned char>(b);
            picture.rgba[i + 3] = static_cast<unsigned char>(a);
        }
        return CreateQuad(picture);
    }

    // Clears to a colour, draws the quad over the middle in the mode, and reads the centre pixel.
    static void Blend(unsigned clear, int quad, int mode, int alpha, unsigned char out[4]) {
        ASSERT_TRUE(BeginQuads());
        CurrentBlend = -1;
        SetBlend(0);
        ClearFrame(clear);
        SizeQuad(quad, 32, 32);
        SetBlend(mode);
        DrawQuad(quad, 16, 16, alpha);
        SetBlend(0);
        EndQuads();
        std::vector<unsigned char> pixels;
        int w = 0, h = 0;
        ASSERT_TRUE(ReadFramePixels(pixels, w, h));
        const std::size_t at = (static_cast<std::size_t>(32) * w + 32) * 4;
        for (int i = 0; i < 4; ++i) out[i] = pixels[at + i];
    }
};

// Colours below are 0x00BBGGRR for ClearFrame.
TEST_F(RealRenderer, EachModeCombinesAsItsFactorsSay) {
    struct Case {
        const char* name;
        int mode;
        unsigned clear;       // background
        int r, g, b, a;       // the quad's picture
        int alpha;            // DrawQuad's alpha
        int expectR, expectG, expectB;
    };
    const Case cases[] = {
        // multiply: destination x source colour; the source alpha plays no part
        {"multiply", 1, 0x3264C8, 128, 128, 128, 255, 255, 100, 50, 25},
        {"multiply ignores alpha", 1, 0x3264C8, 128, 128, 128, 255, 40, 100, 50, 25},
        // source + destination squared: 0.2 + 0.4^2 = 0.36
        {"source plus destination squared", 2, 0x666666, 51, 51, 51, 255, 255, 92, 92, 92},
        // additive glow: source x source alpha + destination x destination alpha (held at 1)
        {"additive", 3, 0x146432, 100, 100, 100, 255, 128, 100, 150, 70},
        // any other number blends ordinarily: source x alpha + destination x (1 - alpha)
        {"ordinary", 0, 0x000000, 200, 100, 0, 255, 128, 100, 50, 0},
        {"ordinary for an unknown mode", 7, 0xFFFFFF, 0, 0, 0, 255, 128, 127, 127, 127},
        // an opaque picture at full alpha simply covers; a picture's own alpha still blends
        {"opaque picture covers", 0, 0xFFFFFF, 10, 20, 30, 255, 255, 10, 20, 30},
        {"picture's own alpha", 0, 0x000000, 200, 100, 0, 128, 255, 100, 50, 0},
        {"opaque picture multiplied", 1, 0x3264C8, 128, 128, 128, 255, 255, 100, 50, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int quad = SolidQuad(c.r, c.g, c.b, c.a);
        unsigned char px[4];
        Blend(c.clear, quad, c.mode, c.alpha, px);
        EXPECT_NEAR(px[0], c.expectR, 3);
        EXPECT_NEAR(px[1], c.expectG, 3);
        EXPECT_NEAR(px[2], c.expectB, 3);
        EXPECT_EQ(px[3], 255) << "the back buffer's alpha stays 1";
    }
}

TEST_F(RealRenderer, AdditiveGlowKeepsAddingAfterEarlierGlows) {
    // Destination alpha stays 1 after every mode, so a second glow still adds its light.
    const int quad = SolidQuad(40, 40, 40, 255);
    ASSERT_TRUE(BeginQuads());
    CurrentBlend = -1;
    ClearFrame(0);
    SizeQuad(quad, 32, 32);
    SetBlend(3);
    DrawQuad(quad, 16, 16, 255);
    DrawQuad(quad, 16, 16, 255);
    SetBlend(0);
    EndQuads();
    std::vector<unsigned char> pixels;
    int w = 0, h = 0;
    ASSERT_TRUE(ReadFramePixels(pixels, w, h));
    EXPECT_NEAR(pixels[(32 * w + 32) * 4], 80, 2);
}

TEST_F(RealRenderer, MirroredQuadIsDrawnNotCulled) {
    const int quad = SolidQuad(255, 0, 0, 255);
    const QuadCorner mirrored[4] = {{32, 0}, {0, 0}, {0, 32}, {32, 32}};
    ASSERT_TRUE(BeginQuads());
    CurrentBlend = -1;
    SetBlend(0);
    ClearFrame(0);
    ShapeQuad(quad, mirrored);
    DrawQuad(quad, 16, 16, 255);
    EndQuads();
    std::vector<unsigned char> pixels;
    int w = 0, h = 0;
    ASSERT_TRUE(ReadFramePixels(pixels, w, h));
    EXPECT_GT(pixels[(32 * w + 32) * 4], 250);
}

}  // namespace
