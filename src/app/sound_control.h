// Mute and every volume rule: effects, the quiet background music and the two engine loops.
#pragma once

extern int Muted;
extern int MusicSound, BoatSound, CopterSound, ExplodeSound, HupSound, Hurt1Sound, Hurt2Sound, LaserSound,
    WoodbreakSound, PageSound, GoodSound, WrongSound;
extern float BoatVolume, CopterVolume;   // engine targets before muting, 0..30

void PlayEffect(int sound, int volume);   // skipped, not played silently, while muted
void SetMute(int m);
void UpdateLoopVolumes();
void ResetSoundControl();
