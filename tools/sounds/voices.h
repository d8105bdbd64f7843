// The player's cartoon voice: two "ouch"es and the jump "hup".
#pragma once
#include "synth.h"

Signal MakeHurtOw();    // "ow!": an open vowel closing to "oo", pitch rising then falling
Signal MakeHurtOof();   // "oof!": a pushed "oo" ending in a breathy "f"
Signal MakeJumpHup();   // "hup": breath, a short rising vowel, lips closing
