// Every picture and sound of the game, loaded once at start-up into handles that live
// until the program ends. Handle 0 means the file was missing or damaged: it draws nothing.
#pragma once
#include <string>
#include <vector>

// ---- pictures ----
extern int Timer0Quad, Timer1Quad, MuteQuad[2];
extern int BotbarLeftQuad, BotbarMidQuad, BotbarRightQuad;
extern int ProfessorQuad, ProfessorShadowQuad, BlackboardQuad, BlackboardShadowQuad;
extern int ChoiceQuad[4], GreyQuad, LifeQuad, GloveQuad, GloveShadowQuad;
extern int Tick1Quad, Tick0Quad, BoomQuad, BoomGlowQuad, SmallBoomQuad, SparkleQuad;
extern int WrongQuad, CorrectQuad, OopsQuad, TapQuad, BubbleQuad, HintQuad[4];
extern int NotepadQuad, HudOpt2Quad, HudOptTurnQuad, RevisionQuad[6], NameQuad, ResultQuad[6];
extern int GemQuad[5];   // 0 is the bomb, 1..4 the gems blue, yellow, red, green
extern int TitleQuad, LogoQuad, SubjectQuad, GameButtonQuad[7];
extern int Bg1Quad, ZombieQuad[10], BatQuad[5], PlatQuad, VinesQuad, IdleQuad[3], WalkQuad[8];
extern int JumpQuad, FallQuad, DeadQuad;
extern int Bg2Quad, RockQuad, RocketQuad, LaserQuad, SmallRockQuad;
extern int Bg3Quad, Plat2Quad, Fg3Quad, GrabberQuad, Grabber2Quad;
extern int RoboBoredQuad[4], RoboIdleQuad[2], RoboDriveQuad[2], RoboFlyQuad[4], RoboGoFlyQuad[4];
extern int Bg4Quad, WaterQuad, Water2Quad, RingQuad, RoundShadowQuad, RippleQuad, BoatQuad, BoatShadowQuad;
extern int Bg5Quad, CoffinQuad[4], WandQuad, WandShadowQuad, WoodShardQuad;

// One picture file of the catalogue, in load order, with the size the game gives it.
struct CatalogueFile {
    std::string path;   // game path, "graph\zombie01.png"
    int mode;           // 4 or 12
    int width, height;  // drawn size after loading; 0 x 0 = the picture's own size
    bool mirrored;      // an animation frame shaped square by MirrorQuad; games draw it at other sizes too
};

// The whole picture table, expanded for the current surface size (numbered series
// become one entry per file; the two files loaded twice appear twice).
std::vector<CatalogueFile> CatalogueFiles();

int LoadQuad(const std::string& path, int mode);
void DrawLoadingSpinner();
void LoadPictures();   // every picture in catalogue order, then the aliases and the tip pictures
void LoadSounds();     // the twelve sounds in order, then the two engine loops started at volume 0
void ResetCatalogue();
