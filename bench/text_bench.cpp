// Cost of the text procedures the question panel calls every frame: DrawTextWrapped on a
// 300-character question whose breaks are already settled, and TextWidth.
// Uses the game's "Helv20.tf" when the forge has built it, else a font made here.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/pictures.h"
#include "render/font.h"
#include "render/text.h"

namespace {

void AppendInt16(std::vector<unsigned char>& out, int v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

// Every printable code, 10 wide (the space 5), on a 256 x 256 atlas.
std::vector<unsigned char> MadeFont() {
    std::vector<unsigned char> bytes = {0x54, 0x83, 0x7C, 0x31, 0x2E, 0x30, 0x30, 0x7C};
    for (int code = 32; code < 256; ++code) {
        int advance = code == ' ' ? 5 : 10;
        for (int v : {code, 0, 3, advance, 15, (code % 16) * 16, (code / 16) * 16, 9, 16}) AppendInt16(bytes, v);
    }
    AppendInt16(bytes, 0);
    Image atlas;
    atlas.width = atlas.height = 256;
    atlas.rgba.assign(256 * 256 * 4, 255);
    std::string path = (std::filesystem::temp_directory_path() / "qb_text_bench_atlas.png").string();
    EncodePngFile(path, atlas);
    std::ifstream in(path, std::ios::binary);
    bytes.insert(bytes.end(), std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    return bytes;
}

std::string Question() {
    const std::string words =
        "Which of these animals lives in the sea, breathes air through a blowhole on the top of its head, "
        "sings long songs to other members of its family, and can grow longer than a school bus? Think about "
        "what you read on the revision page, then steer to the gem of the right colour before time runs out. ";
    std::string text;
    while (text.size() < 300) text += words;
    return text.substr(0, 300);
}

template <typename Work>
double MicrosecondsPerCall(int calls, Work work) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) work();
    std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / calls;
}

}  // namespace

int main() {
    FakePlatformReset();
    ResetFonts();
    std::string gameFont = std::string(QB_GAME_DIR) + "/Helv20.tf";
    const char* source = "Helv20.tf";
    if (!LoadFont(MainFont, gameFont)) {
        std::vector<unsigned char> bytes = MadeFont();
        LoadFontFromMemory(MainFont, bytes.data(), bytes.size());
        source = "a font made in memory";
    }
    if (!FindFont(MainFont)) {
        std::printf("no font could be loaded\n");
        return 1;
    }

    // The panel's question box: 320 pixels at scale 1.2.
    const float width = 320, scale = 1.2f;
    std::string text = Question();
    FakeDraws().clear();
    auto settleStart = std::chrono::steady_clock::now();
    int settlingCalls = 0;
    for (std::string previous; previous != text && settlingCalls < 20; ++settlingCalls) {
        previous = text;
        text = DrawTextWrapped(MainFont, 32, 600, text, width, 255, 0xFFFFFF, scale, FontDefault);
    }
    std::chrono::duration<double, std::micro> settling = std::chrono::steady_clock::now() - settleStart;
    std::size_t glyphsPerCall = 0;
    FakeDraws().clear();
    DrawTextWrapped(MainFont, 32, 600, text, width, 255, 0xFFFFFF, scale, FontDefault);
    glyphsPerCall = FakeQuadDraws().size();

    const int calls = 20000;
    double wrapped = MicrosecondsPerCall(calls, [&] {
        FakeDraws().clear();
        DrawTextWrapped(MainFont, 32, 600, text, width, 255, 0xFFFFFF, scale, FontDefault);
    });
    volatile int sink = 0;
    double measured = MicrosecondsPerCall(calls * 10, [&] { sink = sink + TextWidth(MainFont, text, scale); });
    double line = MicrosecondsPerCall(calls, [&] {
        FakeDraws().clear();
        DrawText(MainFont, 32, 600, text, 255, 0xFFFFFF, scale, FontDefault);
    });

    std::printf("font: %s\n", source);
    std::printf("question: %zu characters after settling, %zu glyph quads per call\n", text.size(), glyphsPerCall);
    std::printf("settling: %d call(s) inserted marks, one more found nothing to change; %.1f us in all\n",
                settlingCalls - 1, settling.count());
    std::printf("DrawTextWrapped (settled, fake platform recording included): %.2f us per call\n", wrapped);
    std::printf("DrawText of the same text as one line:                      %.2f us per call\n", line);
    std::printf("TextWidth of the same text:                                  %.3f us per call\n", measured);
    return 0;
}
