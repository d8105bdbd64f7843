// Sound on SDL_mixer: effects on free channels so they overlap, looped sounds on
// channels reserved for them, music streamed from its file. Without an audio device
// every call does nothing.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cmath>
#include <vector>

#include "platform/files.h"
#include "platform/sound.h"

namespace {

struct Sound {
    Mix_Chunk* chunk = nullptr;
    Mix_Music* music = nullptr;
};

constexpr int Channels = 32;
constexpr int LoopChannels = 4;   // channels 0..3 carry only looped sounds
constexpr int EffectGroup = 1;    // the other channels carry effects

bool Open = false;
std::vector<Sound> Sounds(1);
int ChannelOwner[Channels];

int MixerVolume(int volume) {
    if (volume < 0) volume = 0;
    if (volume > 100) volume = 100;
    return static_cast<int>(std::lround(volume * MIX_MAX_VOLUME / 100.0));
}

Sound* Find(int sound) {
    if (!Open || sound <= 0 || sound >= static_cast<int>(Sounds.size())) return nullptr;
    return &Sounds[sound];
}

}  // namespace

bool InitSound() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_OGG);
    Mix_AllocateChannels(Channels);
    Mix_ReserveChannels(LoopChannels);
    Mix_GroupChannels(LoopChannels, Channels - 1, EffectGroup);
    for (int& owner : ChannelOwner) owner = 0;
    Open = true;
    return true;
}

int LoadSound(const std::string& path) {
    if (!Open) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV(ResolveGamePath(path).c_str());
    if (!chunk) return 0;
    Sounds.push_back(Sound{chunk, nullptr});
    return static_cast<int>(Sounds.size()) - 1;
}

int LoadMusic(const std::string& path) {
    if (!Open) return 0;
    Mix_Music* music = Mix_LoadMUS(ResolveGamePath(path).c_str());
    if (!music) return 0;
    Sounds.push_back(Sound{nullptr, music});
    return static_cast<int>(Sounds.size()) - 1;
}

void PlaySound(int sound, int volume, bool loop) {
    Sound* s = Find(sound);
    if (!s) return;
    if (s->music) {
        Mix_VolumeMusic(MixerVolume(volume));
        Mix_PlayMusic(s->music, loop ? -1 : 0);
        return;
    }
    int channel = -1;
    if (loop) {
        for (int c = 0; c < LoopChannels; ++c)
            if (!Mix_Playing(c)) {
                channel = c;
                break;
            }
        if (channel < 0) return;
    } else {
        channel = Mix_GroupAvailable(EffectGroup);
        if (channel < 0) channel = Mix_GroupOldest(EffectGroup);   // all busy: the oldest effect gives way
        if (channel < 0) return;
        Mix_HaltChannel(channel);
    }
    Mix_Volume(channel, MixerVolume(volume));
    if (Mix_PlayChannel(channel, s->chunk, loop ? -1 : 0) >= 0) ChannelOwner[channel] = sound;
}

void SetSoundVolume(int sound, int volume) {
    Sound* s = Find(sound);
    if (!s) return;
    if (s->music) {
        Mix_VolumeMusic(MixerVolume(volume));
        return;
    }
    for (int c = 0; c < Channels; ++c)
        if (ChannelOwner[c] == sound && Mix_Playing(c)) Mix_Volume(c, MixerVolume(volume));
}

void CloseSound() {
    if (!Open) return;
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    for (Sound& s : Sounds) {
        if (s.chunk) Mix_FreeChunk(s.chunk);
        if (s.music) Mix_FreeMusic(s.music);
    }
    Sounds.assign(1, Sound{});
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    Open = false;
}
