// Sound that records every call. A sound loads when its file can be read.
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"
#include "platform/files.h"
#include "platform/sound.h"

namespace {
std::vector<RecordedSound> Calls;
bool Available = true;
bool Open = false;
int Loaded = 0;

int Load(const std::string& path) {
    if (!Open) return 0;
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(path, bytes)) return 0;
    RecordedSound call;
    call.kind = RecordedSound::Load;
    call.sound = ++Loaded;
    call.path = path;
    Calls.push_back(call);
    return Loaded;
}
}  // namespace

void ResetFakeSound() {
    Calls.clear();
    Available = true;
    Open = false;
    Loaded = 0;
}

std::vector<RecordedSound>& FakeSounds() { return Calls; }
void FakeSetSoundAvailable(bool available) { Available = available; }

bool InitSound() {
    Open = Available;
    return Open;
}

int LoadSound(const std::string& path) { return Load(path); }
int LoadMusic(const std::string& path) { return Load(path); }

void PlaySound(int sound, int volume, bool loop) {
    if (!Open || sound <= 0) return;
    RecordedSound call;
    call.kind = RecordedSound::Play;
    call.sound = sound;
    call.volume = volume;
    call.loop = loop;
    Calls.push_back(call);
}

void SetSoundVolume(int sound, int volume) {
    if (!Open || sound <= 0) return;
    RecordedSound call;
    call.kind = RecordedSound::Volume;
    call.sound = sound;
    call.volume = volume;
    Calls.push_back(call);
}

void CloseSound() { Open = false; }
