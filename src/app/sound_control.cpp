// Mute and volumes. Effects go through PlayEffect; the music and the two engine
// loops play for the whole run and are heard only through their volumes.
#include "app/sound_control.h"

#include "app/rounding.h"
#include "platform/sound.h"

int Muted = 0;
int MusicSound = 0, BoatSound = 0, CopterSound = 0, ExplodeSound = 0, HupSound = 0, Hurt1Sound = 0, Hurt2Sound = 0,
    LaserSound = 0, WoodbreakSound = 0, PageSound = 0, GoodSound = 0, WrongSound = 0;
float BoatVolume = 0, CopterVolume = 0;

void PlayEffect(int sound, int volume) {
    if (Muted == 1) return;
    PlaySound(sound, volume, false);
}

void SetMute(int m) {
    Muted = m;
    SetSoundVolume(MusicSound, 10 - 10 * m);
    SetSoundVolume(BoatSound, Round(BoatVolume - BoatVolume * m));
    SetSoundVolume(CopterSound, Round(CopterVolume - CopterVolume * m));
}

void UpdateLoopVolumes() {
    SetSoundVolume(BoatSound, Round(BoatVolume * (1 - Muted)));
    SetSoundVolume(CopterSound, Round(CopterVolume * (1 - Muted)));
}

void ResetSoundControl() {
    Muted = 0;
    MusicSound = BoatSound = CopterSound = ExplodeSound = HupSound = Hurt1Sound = Hurt2Sound = LaserSound =
        WoodbreakSound = PageSound = GoodSound = WrongSound = 0;
    BoatVolume = CopterVolume = 0;
}
