// The background music: the tune played by the band into a stereo loop whose length is exactly
// the 32 bars. Notes ringing past the last bar wrap round into the first, so the end flows into
// the start with nothing cut off and nothing missing.
#pragma once
#include "synth.h"

struct StereoLoop {
    Signal left, right;
};

StereoLoop MakeMusic();
int MusicLoopLength();  // samples
