// Sound output. Handle 0 is "no sound"; every call on it does nothing.
// When no audio device could be opened every call does nothing and the game runs on.
#pragma once
#include <string>

bool InitSound();
int LoadSound(const std::string& path);   // a WAV file, held whole
int LoadMusic(const std::string& path);   // an Ogg Vorbis file, streamed while it plays
// Starts a new, overlapping instance; volume 0..100 scales the amplitude by volume / 100.
void PlaySound(int sound, int volume, bool loop);
// Sets the volume of every playing instance of the sound.
void SetSoundVolume(int sound, int volume);
void CloseSound();
