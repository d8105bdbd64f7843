#include "app/catalogue.h"

#include "app/frame.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "platform/pictures.h"
#include "platform/sound.h"
#include "platform/video.h"
#include "quiz/judgement.h"
#include "quiz/tip.h"
#include "render/blend.h"
#include "render/mirror.h"

int Timer0Quad, Timer1Quad, MuteQuad[2];
int BotbarLeftQuad, BotbarMidQuad, BotbarRightQuad;
int ProfessorQuad, ProfessorShadowQuad, BlackboardQuad, BlackboardShadowQuad;
int ChoiceQuad[4], GreyQuad, LifeQuad, GloveQuad, GloveShadowQuad;
int Tick1Quad, Tick0Quad, BoomQuad, BoomGlowQuad, SmallBoomQuad, SparkleQuad;
int WrongQuad, CorrectQuad, OopsQuad, TapQuad, BubbleQuad, HintQuad[4];
int NotepadQuad, HudOpt2Quad, HudOptTurnQuad, RevisionQuad[6], NameQuad, ResultQuad[6];
int GemQuad[5];
int TitleQuad, LogoQuad, SubjectQuad, GameButtonQuad[7];
int Bg1Quad, ZombieQuad[10], BatQuad[5], PlatQuad, VinesQuad, IdleQuad[3], WalkQuad[8];
int JumpQuad, FallQuad, DeadQuad;
int Bg2Quad, RockQuad, RocketQuad, LaserQuad, SmallRockQuad;
int Bg3Quad, Plat2Quad, Fg3Quad, GrabberQuad, Grabber2Quad;
int RoboBoredQuad[4], RoboIdleQuad[2], RoboDriveQuad[2], RoboFlyQuad[4], RoboGoFlyQuad[4];
int Bg4Quad, WaterQuad, Water2Quad, RingQuad, RoundShadowQuad, RippleQuad, BoatQuad, BoatShadowQuad;
int Bg5Quad, CoffinQuad[4], WandQuad, WandShadowQuad, WoodShardQuad;

namespace {

enum class Sizing { Natural, Fixed, Mirror, StripWide, Title, TallBackground, SquareBackground, ScreenBackground };

// One row of the picture table. A numbered series is a prefix and a run of file numbers:
// prefix "graph\zombie0" with numbers 1..9 opens "graph\zombie01.png" ... "graph\zombie09.png".
struct Row {
    const char* file;   // the whole path, or a series' prefix
    int firstNumber;    // series only
    int count;          // 0 = a single file
    int mode;
    Sizing sizing;
    int size;           // Fixed: width and height (square); Mirror: side
    int* slots;         // handle of the file, or of the series' first file
    int fixedHeight = 0;   // Fixed pictures that are not square
};

std::vector<Row> Table() {
    using S = Sizing;
    return {
        {"graph\\timer0.png", 0, 0, 4, S::Fixed, 64, &Timer0Quad},
        {"graph\\timer1.png", 0, 0, 4, S::Fixed, 64, &Timer1Quad},
        {"graph\\mute", 0, 2, 12, S::Fixed, 64, &MuteQuad[0]},
        {"graph\\botbar_left.png", 0, 0, 12, S::Natural, 0, &BotbarLeftQuad},
        {"graph\\botbar_mid.png", 0, 0, 4, S::Natural, 0, &BotbarMidQuad},
        {"graph\\botbar_right.png", 0, 0, 12, S::Natural, 0, &BotbarRightQuad},
        {"graph\\professor.png", 0, 0, 12, S::Fixed, 210, &ProfessorQuad},
        {"graph\\shad_professor.png", 0, 0, 4, S::Fixed, 210, &ProfessorShadowQuad},
        {"graph\\blackboard.png", 0, 0, 12, S::Fixed, 360, &BlackboardQuad},
        {"graph\\shad_blackboard.png", 0, 0, 4, S::Fixed, 360, &BlackboardShadowQuad},
        {"graph\\choice_blue.png", 0, 0, 12, S::Fixed, Round(290.0), &ChoiceQuad[0]},
        {"graph\\choice_yellow.png", 0, 0, 12, S::Fixed, Round(290.0), &ChoiceQuad[1]},
        {"graph\\choice_red.png", 0, 0, 12, S::Fixed, Round(290.0), &ChoiceQuad[2]},
        {"graph\\choice_green.png", 0, 0, 12, S::Fixed, Round(290.0), &ChoiceQuad[3]},
        {"graph\\grey.png", 0, 0, 4, S::StripWide, 48, &GreyQuad},
        {"graph\\life.png", 0, 0, 12, S::Fixed, 38, &LifeQuad},
        {"graph\\glove.png", 0, 0, 12, S::Fixed, 80, &GloveQuad},
        {"graph\\shad_glove.png", 0, 0, 4, S::Fixed, 80, &GloveShadowQuad},
        {"graph\\tick1.png", 0, 0, 12, S::Natural, 0, &Tick1Quad},
        {"graph\\tick0.png", 0, 0, 12, S::Natural, 0, &Tick0Quad},
        {"graph\\boom.png", 0, 0, 12, S::Natural, 0, &BoomQuad},
        {"graph\\boomglow.png", 0, 0, 4, S::Natural, 0, &BoomGlowQuad},
        {"graph\\boom.png", 0, 0, 12, S::Fixed, 16, &SmallBoomQuad},
        {"graph\\sparkle.png", 0, 0, 4, S::Fixed, 80, &SparkleQuad},
        {"graph\\wrong.png", 0, 0, 12, S::Fixed, 400, &WrongQuad},
        {"graph\\correct.png", 0, 0, 12, S::Fixed, 400, &CorrectQuad},
        {"graph\\oops.png", 0, 0, 12, S::Fixed, 400, &OopsQuad},
        {"graph\\tap.png", 0, 0, 4, S::Natural, 0, &TapQuad},
        {"graph\\tbubble.png", 0, 0, 12, S::Natural, 0, &BubbleQuad},
        {"graph\\hint", 1, 3, 12, S::Fixed, 150, &HintQuad[0]},
        {"graph\\notepad.png", 0, 0, 12, S::Fixed, 580, &NotepadQuad},
        {"graph\\HUD_opt2.png", 0, 0, 12, S::Fixed, 120, &HudOpt2Quad},
        {"graph\\HUD_optturn.png", 0, 0, 12, S::Fixed, 140, &HudOptTurnQuad},
        {"subject\\revis0", 1, 5, 4, S::Fixed, 360, &RevisionQuad[1]},
        {"graph\\name.png", 0, 0, 4, S::Fixed, 360, &NameQuad},
        {"graph\\results_aa.png", 0, 0, 4, S::Fixed, 360, &ResultQuad[1]},
        {"graph\\results_a.png", 0, 0, 4, S::Fixed, 360, &ResultQuad[2]},
        {"graph\\results_b.png", 0, 0, 4, S::Fixed, 360, &ResultQuad[3]},
        {"graph\\results_c.png", 0, 0, 4, S::Fixed, 360, &ResultQuad[4]},
        {"graph\\results_f.png", 0, 0, 4, S::Fixed, 360, &ResultQuad[5]},
        {"graph\\bomb.png", 0, 0, 12, S::Fixed, 86, &GemQuad[0]},
        {"graph\\gem", 1, 4, 12, S::Fixed, 64, &GemQuad[1]},
        {"graph\\title.png", 0, 0, 4, S::Title, 0, &TitleQuad},
        {"graph\\logo_quillbrook.png", 0, 0, 12, S::Fixed, 480, &LogoQuad},
        {"subject\\subject.png", 0, 0, 12, S::Fixed, 380, &SubjectQuad},
        {"graph\\exit.png", 0, 0, 12, S::Fixed, 200, &GameButtonQuad[0]},
        {"graph\\game", 1, 6, 12, S::Natural, 0, &GameButtonQuad[1]},
        {"graph\\BG1.png", 0, 0, 4, S::TallBackground, 0, &Bg1Quad},
        {"graph\\zombie0", 1, 9, 4, S::Mirror, 150, &ZombieQuad[1]},
        {"graph\\bat0", 1, 4, 4, S::Mirror, 80, &BatQuad[1]},
        {"graph\\plat.png", 0, 0, 12, S::Fixed, 200, &PlatQuad, 128},
        {"graph\\vines.png", 0, 0, 12, S::Fixed, 140, &VinesQuad},
        {"graph\\idle0", 1, 3, 4, S::Mirror, 150, &IdleQuad[0]},
        {"graph\\walk0", 0, 5, 4, S::Mirror, 150, &WalkQuad[0]},
        {"graph\\jump.png", 0, 0, 4, S::Mirror, 160, &JumpQuad},
        {"graph\\fall.png", 0, 0, 4, S::Mirror, 160, &FallQuad},
        {"graph\\dead.png", 0, 0, 4, S::Mirror, 160, &DeadQuad},
        {"graph\\BG2.png", 0, 0, 4, S::SquareBackground, 0, &Bg2Quad},
        {"graph\\rock.png", 0, 0, 12, S::Natural, 0, &RockQuad},
        {"graph\\rocket.png", 0, 0, 12, S::Fixed, 100, &RocketQuad},
        {"graph\\laser.png", 0, 0, 12, S::Fixed, 64, &LaserQuad},
        {"graph\\rock.png", 0, 0, 12, S::Fixed, 24, &SmallRockQuad},
        {"graph\\BG3.png", 0, 0, 4, S::TallBackground, 0, &Bg3Quad},
        {"graph\\plat2.png", 0, 0, 12, S::Fixed, 200, &Plat2Quad},
        {"graph\\FG3.png", 0, 0, 12, S::Fixed, 400, &Fg3Quad},
        {"graph\\grabber.png", 0, 0, 12, S::Fixed, 220, &GrabberQuad},
        {"graph\\grabber2.png", 0, 0, 12, S::Fixed, 220, &Grabber2Quad},
        {"graph\\robo_bored0", 1, 4, 4, S::Mirror, 200, &RoboBoredQuad[0]},
        {"graph\\robo_idle0", 1, 2, 4, S::Mirror, 200, &RoboIdleQuad[0]},
        {"graph\\robo_drive0", 1, 2, 4, S::Mirror, 200, &RoboDriveQuad[0]},
        {"graph\\robo_fly0", 1, 3, 4, S::Mirror, 200, &RoboFlyQuad[0]},
        {"graph\\robo_gofly0", 1, 4, 4, S::Mirror, 200, &RoboGoFlyQuad[0]},
        {"graph\\BG4.png", 0, 0, 4, S::ScreenBackground, 0, &Bg4Quad},
        {"graph\\water.png", 0, 0, 4, S::Fixed, 800, &WaterQuad},
        {"graph\\water2.png", 0, 0, 4, S::Fixed, 900, &Water2Quad},
        {"graph\\ring.png", 0, 0, 12, S::Fixed, 96, &RingQuad},
        {"graph\\shad_round.png", 0, 0, 4, S::Fixed, 82, &RoundShadowQuad},
        {"graph\\ripple.png", 0, 0, 12, S::Natural, 0, &RippleQuad},
        {"graph\\boat.png", 0, 0, 12, S::Fixed, 120, &BoatQuad},
        {"graph\\boat_shad.png", 0, 0, 4, S::Fixed, 120, &BoatShadowQuad},
        {"graph\\BG5.png", 0, 0, 4, S::ScreenBackground, 0, &Bg5Quad},
        {"graph\\coff_blue.png", 0, 0, 12, S::Fixed, 260, &CoffinQuad[0]},
        {"graph\\coff_yellow.png", 0, 0, 12, S::Fixed, 260, &CoffinQuad[1]},
        {"graph\\coff_red.png", 0, 0, 12, S::Fixed, 260, &CoffinQuad[2]},
        {"graph\\coff_green.png", 0, 0, 12, S::Fixed, 260, &CoffinQuad[3]},
        {"graph\\wand.png", 0, 0, 12, S::Fixed, 128, &WandQuad},
        {"graph\\shad_wand.png", 0, 0, 4, S::Fixed, 128, &WandShadowQuad},
        {"graph\\shard_wood.png", 0, 0, 12, S::Fixed, 80, &WoodShardQuad},
    };
}

// The drawn size a row gives its pictures on the current surface (0 x 0: natural).
void RowSize(const Row& row, int& width, int& height) {
    width = height = 0;
    switch (row.sizing) {
        case Sizing::Natural: break;
        case Sizing::Fixed:
            width = row.size;
            height = row.fixedHeight ? row.fixedHeight : row.size;
            break;
        case Sizing::Mirror: width = height = row.size; break;
        case Sizing::StripWide:
            width = ScreenWidth;
            height = row.size;
            break;
        case Sizing::Title:
            width = ScreenWidth;
            height = Round((ScreenWidth - ScreenHeight) / 1.5 + ScreenHeight);
            break;
        case Sizing::TallBackground:
            width = ScreenWidth;
            height = ScreenHeight + (ScreenWidth - ScreenHeight) / 2;
            break;
        case Sizing::SquareBackground: width = height = ScreenWidth; break;
        case Sizing::ScreenBackground:
            width = ScreenWidth;
            height = ScreenHeight;
            break;
    }
}

std::string RowFile(const Row& row, int index) {
    if (row.count == 0) return row.file;
    return std::string(row.file) + std::to_string(row.firstNumber + index) + ".png";
}

}  // namespace

std::vector<CatalogueFile> CatalogueFiles() {
    std::vector<CatalogueFile> files;
    for (const Row& row : Table()) {
        int width, height;
        RowSize(row, width, height);
        const int count = row.count == 0 ? 1 : row.count;
        for (int i = 0; i < count; ++i)
            files.push_back({RowFile(row, i), row.mode, width, height, row.sizing == Sizing::Mirror});
    }
    return files;
}

int LoadQuad(const std::string& path, int mode) {
    Image picture;
    const bool decoded = DecodePngFile(path, mode, picture);
    if (Timer0Quad > 0 && Timer1Quad > 0) DrawLoadingSpinner();
    return decoded ? CreateQuad(picture) : 0;
}

void DrawLoadingSpinner() {
    TimerAngle = TimerAngle + FrameFactor * 2.0f;
    if (TimerAngle >= 360.0f) TimerAngle -= 360.0f;
    if (!BeginQuads()) return;
    ClearFrame(0);
    SetBlend(3);
    TurnQuad(Timer1Quad, TimerAngle, 0);
    DrawQuad(Timer0Quad, CenterX - 32, CenterY - 32, 255);
    DrawQuad(Timer1Quad, CenterX - 32, CenterY - 32, 255);
    SetBlend(0);
    EndQuads();
    PresentFrame();
}

void LoadPictures() {
    for (const Row& row : Table()) {
        int width, height;
        RowSize(row, width, height);
        const int count = row.count == 0 ? 1 : row.count;
        for (int i = 0; i < count; ++i) {
            const int quad = LoadQuad(RowFile(row, i), row.mode);
            row.slots[i] = quad;
            if (row.sizing == Sizing::Mirror) MirrorQuad(quad, static_cast<float>(row.size), 0);
            else if (width > 0) SizeQuad(quad, width, height);
        }
    }
    // Animations run through their arrays in order; these slots repeat earlier frames.
    HintQuad[3] = HintQuad[1];
    WalkQuad[5] = WalkQuad[3];
    WalkQuad[6] = WalkQuad[2];
    WalkQuad[7] = WalkQuad[1];
    RoboFlyQuad[3] = RoboFlyQuad[1];

    const int pictures[6] = {0, WalkQuad[1], RocketQuad, RoboGoFlyQuad[1], BoatQuad, WandQuad};
    const float sizes[6] = {0, 220, 180, 240, 140, 150};
    for (int n = 1; n <= 5; ++n) {
        TipPicture[n] = pictures[n];
        TipPictureSize[n] = sizes[n];
    }
}

void LoadSounds() {
    MusicSound = LoadMusic("audio\\music.ogg");
    BoatSound = LoadSound("audio\\boat.wav");
    CopterSound = LoadSound("audio\\copter.wav");
    ExplodeSound = LoadSound("audio\\explode.wav");
    HupSound = LoadSound("audio\\hup.wav");
    Hurt1Sound = LoadSound("audio\\hurt1.wav");
    Hurt2Sound = LoadSound("audio\\hurt2.wav");
    LaserSound = LoadSound("audio\\laser.wav");
    WoodbreakSound = LoadSound("audio\\woodbreak.wav");
    PageSound = LoadSound("audio\\page.wav");
    GoodSound = LoadSound("audio\\good.wav");
    WrongSound = LoadSound("audio\\wrong.wav");
    // The engine loops run for the whole game; their volumes make them heard.
    PlaySound(BoatSound, 0, true);
    PlaySound(CopterSound, 0, true);
}

void ResetCatalogue() {
    for (const Row& row : Table()) {
        const int count = row.count == 0 ? 1 : row.count;
        for (int i = 0; i < count; ++i) row.slots[i] = 0;
    }
    HintQuad[3] = WalkQuad[5] = WalkQuad[6] = WalkQuad[7] = RoboFlyQuad[3] = 0;
}
