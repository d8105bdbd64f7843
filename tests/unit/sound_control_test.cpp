// Mute and volumes.
#include <gtest/gtest.h>

#include "app/reset.h"
#include "app/sound_control.h"
#include "platform/fake/fake_platform.h"
#include "platform/sound.h"

namespace {

class SoundControl : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        InitSound();
        MusicSound = 101;
        BoatSound = 102;
        CopterSound = 103;
        GoodSound = 104;
    }
    static int LastVolume(int sound) {
        int volume = -1;
        for (const RecordedSound& s : FakeSounds())
            if (s.kind == RecordedSound::Volume && s.sound == sound) volume = s.volume;
        return volume;
    }
    static int Plays(int sound) {
        int n = 0;
        for (const RecordedSound& s : FakeSounds()) n += s.kind == RecordedSound::Play && s.sound == sound;
        return n;
    }
};

TEST_F(SoundControl, MutedEffectsAreSkippedNotPlayedSilently) {
    SetMute(1);
    PlayEffect(GoodSound, 40);
    SetMute(0);
    EXPECT_EQ(Plays(GoodSound), 0);
    PlayEffect(GoodSound, 40);
    PlayEffect(GoodSound, 40);
    EXPECT_EQ(Plays(GoodSound), 2) << "two quick right answers overlap";
}

TEST_F(SoundControl, MuteSetsMusicAndEnginesAtOnce) {
    BoatVolume = 30;
    SetMute(1);
    EXPECT_EQ(LastVolume(MusicSound), 0);
    EXPECT_EQ(LastVolume(BoatSound), 0);
    SetMute(0);
    EXPECT_EQ(LastVolume(MusicSound), 10);
    EXPECT_EQ(LastVolume(BoatSound), 30);
}

TEST_F(SoundControl, EngineTargetsRoundHalvesToEven) {
    const float targets[] = {12.5f, 13.5f, 0.5f, 29.6f};
    const int volumes[] = {12, 14, 0, 30};
    for (int i = 0; i < 4; ++i) {
        BoatVolume = CopterVolume = targets[i];
        UpdateLoopVolumes();
        EXPECT_EQ(LastVolume(BoatSound), volumes[i]);
        EXPECT_EQ(LastVolume(CopterSound), volumes[i]);
    }
    SetMute(1);
    UpdateLoopVolumes();
    EXPECT_EQ(LastVolume(CopterSound), 0);
}

TEST_F(SoundControl, NoSoundDeviceMeansEveryCallDoesNothing) {
    FakePlatformReset();
    FakeSetSoundAvailable(false);
    EXPECT_FALSE(InitSound());
    EXPECT_EQ(LoadSound("audio\\good.wav"), 0);
    PlayEffect(GoodSound, 40);
    SetMute(1);
    EXPECT_TRUE(FakeSounds().empty());
}

}  // namespace
