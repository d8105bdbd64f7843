// Arbitrary bytes as a font file, through the loader the game uses. Whatever loads is then
// drawn, wrapped and measured with every character code, so wild metrics are exercised too.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/fake/fake_platform.h"
#include "render/font.h"
#include "render/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakePlatformReset();   // drops the quads and draw records of earlier inputs
    ResetFonts();
    if (!LoadFontFromMemory(MainFont, data, size)) return 0;

    std::string every;
    for (int code = 1; code < 256; ++code) every += static_cast<char>(code);
    every += "aaaa bbbb;  cc, dd. ee? ;";
    DrawText(MainFont, 10, 10, every, -1, -1, -1, 15.0f);
    SemicolonAsSpace = 1;
    std::string settled = DrawTextWrapped(MainFont, 11, 20, every, 120, 200, 0x123456, 1.5f, FontDefault);
    SemicolonAsSpace = 0;
    DrawTextWrapped(MainFont, 11, 20, settled, 120, 200, 0x123456, 1.5f, FontDefault);
    TextWidth(MainFont, every, FontDefault);
    TextHeight(MainFont, every, 2.0f);
    return 0;
}
