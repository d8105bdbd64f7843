#include "render/font.h"
#include "render/text.h"

void ResetFonts() {
    for (BitmapFont* font : FontTable) FreeFont(font);
    FontTable.assign(2, nullptr);
    SemicolonAsSpace = 0;
}
