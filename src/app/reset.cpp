#include "app/reset.h"

#include "app/random.h"
#include "app/screen.h"
#include "app/sound_control.h"

void ResetGameState() {
    ResetScreenState();
    ResetSoundControl();
}
