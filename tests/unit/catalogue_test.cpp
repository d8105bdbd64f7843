// The picture and sound catalogue.
#include <gtest/gtest.h>

#include <map>

#include "app/catalogue.h"
#include "app/reset.h"
#include "app/sound_control.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/sound.h"
#include "platform/video.h"
#include "temp_folder.h"

namespace {

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        OpenGameWindow("t", 1024, 768);
        OpenDrawingSurface(true, 1024, 768, "t");
    }
    void TearDown() override { SetWorkingFolder(""); }
    static int Presents() {
        int n = 0;
        for (const RecordedDraw& d : FakeDraws()) n += d.kind == RecordedDraw::Present;
        return n;
    }
};

TEST_F(Catalogue, EveryPictureOfTheBuiltGameDecodesAtItsSize) {
    SetWorkingFolder(QB_GAME_DIR);
    std::map<std::string, int> loads;
    for (const CatalogueFile& f : CatalogueFiles()) ++loads[f.path];
    for (const CatalogueFile& f : CatalogueFiles()) {
        SCOPED_TRACE(f.path);
        Image picture;
        ASSERT_TRUE(DecodePngFile(f.path, f.mode, picture));
        // Animation frames are square; a file loaded twice is drawn at two sizes; any other
        // picture is drawn at its own size.
        if (f.mirrored) {
            EXPECT_EQ(picture.width, picture.height);
        } else if (f.width > 0 && loads[f.path] == 1) {
            EXPECT_EQ(picture.width, f.width);
            EXPECT_EQ(picture.height, f.height);
        }
    }
}

TEST_F(Catalogue, SeriesKeepTheZeroOfTheirPrefix) {
    std::map<std::string, int> names;
    for (const CatalogueFile& f : CatalogueFiles()) ++names[f.path];
    for (const char* name : {"graph\\zombie01.png", "graph\\zombie09.png", "graph\\walk00.png", "graph\\walk04.png",
                             "graph\\idle01.png", "graph\\bat04.png", "graph\\hint1.png", "graph\\hint3.png",
                             "subject\\revis01.png", "subject\\revis05.png", "graph\\robo_gofly04.png",
                             "graph\\mute0.png", "graph\\game6.png", "graph\\gem4.png"})
        EXPECT_EQ(names[name], 1) << name;
    for (const char* name : {"graph\\zombie1.png", "graph\\walk0.png", "graph\\hint0.png", "graph\\walk05.png"})
        EXPECT_EQ(names.count(name), 0u) << name;
    EXPECT_EQ(names["graph\\boom.png"], 2);
    EXPECT_EQ(names["graph\\rock.png"], 2);
    EXPECT_EQ(CatalogueFiles().size(), 130u);
}

TEST_F(Catalogue, SizesFollowTheSurface) {
    std::map<std::string, CatalogueFile> files;
    for (const CatalogueFile& f : CatalogueFiles()) files.emplace(f.path, f);
    EXPECT_EQ(files.at("graph\\title.png").height, 939);
    EXPECT_EQ(files.at("graph\\BG1.png").height, 896);
    EXPECT_EQ(files.at("graph\\BG2.png").height, 1024);
    EXPECT_EQ(files.at("graph\\grey.png").width, 1024);
    EXPECT_EQ(files.at("graph\\grey.png").height, 48);
    EXPECT_EQ(files.at("graph\\plat.png").height, 128);
}

TEST_F(Catalogue, SameFileLoadedTwiceGivesTwoIndependentQuads) {
    TempFolder folder;
    folder.WritePicture("graph/boom.png", 100, 100);
    SetWorkingFolder(folder.path.string());
    LoadPictures();
    ASSERT_GT(BoomQuad, 0);
    ASSERT_GT(SmallBoomQuad, 0);
    EXPECT_NE(BoomQuad, SmallBoomQuad);
    EXPECT_EQ(QuadWidth(BoomQuad), 100);
    EXPECT_EQ(QuadWidth(SmallBoomQuad), 16);
    SizeQuad(BoomQuad, 50, 50);
    EXPECT_EQ(QuadWidth(SmallBoomQuad), 16);
}

TEST_F(Catalogue, SpinnerTurnsFromTheThirdPictureOnAndOnlyWithBothClockPictures) {
    TempFolder folder;
    folder.WritePicture("graph/timer0.png", 64, 64);
    folder.WritePicture("graph/timer1.png", 64, 64);
    SetWorkingFolder(folder.path.string());
    LoadPictures();
    const int expected = static_cast<int>(CatalogueFiles().size()) - 2;
    EXPECT_EQ(Presents(), expected);

    std::filesystem::remove(folder.path / "graph/timer1.png");
    FakeDraws().clear();
    ResetCatalogue();
    LoadPictures();
    EXPECT_EQ(Presents(), 0);
    EXPECT_GT(Timer0Quad, 0);
    EXPECT_EQ(Timer1Quad, 0);
}

TEST_F(Catalogue, AliasesRepeatEarlierFramesAndTipPicturesAreFilled) {
    TempFolder folder;
    for (int n = 0; n <= 4; ++n) folder.WritePicture("graph/walk0" + std::to_string(n) + ".png", 150, 150);
    for (int n = 1; n <= 3; ++n) folder.WritePicture("graph/hint" + std::to_string(n) + ".png", 150, 150);
    SetWorkingFolder(folder.path.string());
    LoadPictures();
    EXPECT_EQ(WalkQuad[5], WalkQuad[3]);
    EXPECT_EQ(WalkQuad[6], WalkQuad[2]);
    EXPECT_EQ(WalkQuad[7], WalkQuad[1]);
    EXPECT_EQ(HintQuad[3], HintQuad[1]);
    EXPECT_GT(WalkQuad[4], 0);
}

TEST_F(Catalogue, MissingPicturesLeaveEmptyHandles) {
    TempFolder folder;
    SetWorkingFolder(folder.path.string());
    LoadPictures();
    for (int h : {Timer0Quad, TitleQuad, GemQuad[0], GemQuad[4], ZombieQuad[9], WoodShardQuad}) EXPECT_EQ(h, 0);
    EXPECT_EQ(Presents(), 0);
}

TEST_F(Catalogue, LoadModesDecideTransparency) {
    // one black pixel, one half-transparent red pixel
    Image picture;
    picture.width = 2;
    picture.height = 1;
    picture.rgba = {0, 0, 0, 255, 255, 0, 0, 128};
    TempFolder folder;
    ASSERT_TRUE(EncodePngFile(folder.Path("p.png"), picture));
    Image hole, own;
    ASSERT_TRUE(DecodePngFile(folder.Path("p.png"), PictureBlackIsHole, hole));
    ASSERT_TRUE(DecodePngFile(folder.Path("p.png"), PictureOwnAlpha, own));
    EXPECT_EQ(hole.rgba[3], 0);
    EXPECT_EQ(hole.rgba[7], 255);
    EXPECT_EQ(own.rgba[3], 255);
    EXPECT_EQ(own.rgba[7], 128);
}

TEST_F(Catalogue, DamagedOrHugePicturesAreRefused) {
    TempFolder folder;
    folder.Write("cut.png", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR");
    folder.Write("text.png", "not a picture");
    Image out;
    EXPECT_FALSE(DecodePngFile(folder.Path("cut.png"), 12, out));
    EXPECT_FALSE(DecodePngFile(folder.Path("text.png"), 12, out));
    EXPECT_FALSE(DecodePngFile(folder.Path("missing.png"), 12, out));
    Image huge;
    huge.width = 4097;
    huge.height = 1;
    huge.rgba.assign(4097 * 4, 255);
    ASSERT_TRUE(EncodePngFile(folder.Path("huge.png"), huge));
    EXPECT_FALSE(DecodePngFile(folder.Path("huge.png"), 12, out));
}

TEST_F(Catalogue, SoundsLoadInOrderAndTheEngineLoopsStartSilent) {
    TempFolder folder;
    for (const char* name : {"music.ogg", "boat.wav", "copter.wav", "explode.wav", "hup.wav", "hurt1.wav", "hurt2.wav",
                             "laser.wav", "woodbreak.wav", "page.wav", "good.wav", "wrong.wav"})
        folder.Write(std::string("audio/") + name, "sound");
    SetWorkingFolder(folder.path.string());
    InitSound();
    LoadSounds();
    const auto& calls = FakeSounds();
    ASSERT_EQ(calls.size(), 14u);
    EXPECT_EQ(calls[0].path, "audio\\music.ogg");
    EXPECT_EQ(calls[11].path, "audio\\wrong.wav");
    EXPECT_EQ(calls[12].sound, BoatSound);
    EXPECT_TRUE(calls[12].loop);
    EXPECT_EQ(calls[12].volume, 0);
    EXPECT_EQ(calls[13].sound, CopterSound);
    EXPECT_EQ(WrongSound, 12);
}

}  // namespace
