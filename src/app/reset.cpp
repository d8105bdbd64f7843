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
#include "launcher/startup_window.h"
#include "games/jumper.h"
#include "games/particles.h"
#include "games/ripples.h"
#include "games/shots.h"
#include "games/tokens.h"
#include "quiz/hub.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/panel.h"
#include "quiz/rounds.h"
#include "quiz/screens.h"
#include "quiz/tip.h"

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
    ResetStartupWindow();
    ResetScreens();
    ResetHub();
    ResetRounds();
    ResetJudgement();
    ResetPanelState();
    ResetNotepad();
    ResetTip();
    ResetEffects();
    ResetTokens();
    ResetShots();
    ResetRipples();
    ResetJumper();
}
