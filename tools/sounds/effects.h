// The game's one-shot sound effects, each synthesised from scratch.
#pragma once
#include "synth.h"

Signal MakeGoodChime();     // a right answer: a rising, ringing arpeggio
Signal MakeWrongBuzz();     // a wrong answer: a soft, falling "uh-uh" buzz
Signal MakePageTurn();      // the notepad opens: a paper swish with a flap
Signal MakeLaserZap();      // the turret fires: a falling "pew"
Signal MakeExplosion();     // a thump, a roar of noise and crackles
Signal MakeWoodBreak();     // a coffin lid cracks: a knock and splinters
