#include "app/reset.h"

#include "app/random.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "app/catalogue.h"
#include "app/frame.h"
#include "app/game.h"
#include "app/keys.h"
#include "render/blend.h"
#include "render/font.h"
#include "render/pointer.h"
#include "content/subject_content.h"

void ResetGameState() {
    ResetScreenState();
    ResetSoundControl();
    ResetFrameState();
    ResetKeys();
    ResetCatalogue();
    ResetPointerSprites();
    ResetFonts();
    CurrentBlend = -1;
    QuitRequested = 0;
    ResetSubjectContent();
}
