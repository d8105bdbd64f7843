#include "catalogue.h"

#include <memory>
#include <optional>

#include "art.h"
#include "paint.h"

namespace {
// A drawer that draws once: sprites whose shadows are made from them are not drawn twice.
std::function<Pixels()> Once(std::function<Pixels()> draw) {
  auto memo = std::make_shared<std::optional<Pixels>>();
  return [memo, draw] {
    if (!*memo) *memo = draw();
    return **memo;
  };
}

std::string Numbered(const std::string& prefix, int n) { return prefix + std::to_string(n) + ".png"; }
}  // namespace

std::vector<ArtEntry> ArtCatalogue() {
  std::vector<ArtEntry> list;
  auto add = [&](std::string file, int w, int h, int mode, Shown shown, std::function<Pixels()> draw) {
    list.push_back({std::move(file), w, h, mode, shown, std::move(draw)});
  };
  const char* colours[4] = {"blue", "yellow", "red", "green"};
  const auto professor = Once(DrawProfessor), blackboard = Once(DrawBlackboard), glove = Once(DrawGlove);
  const auto wand = Once(DrawWand), boat = Once(DrawBoat);

  // Clock (also the loading spinner), sound button, question panel.
  add("timer0.png", 64, 64, 4, Shown::Glow, DrawTimerFace);
  add("timer1.png", 64, 64, 4, Shown::Glow, DrawTimerHand);
  add("mute0.png", 64, 64, 12, Shown::Normal, [] { return DrawMute(false); });
  add("mute1.png", 64, 64, 12, Shown::Normal, [] { return DrawMute(true); });
  add("botbar_left.png", 256, 200, 12, Shown::Normal, DrawBarLeft);
  add("botbar_mid.png", 256, 200, 4, Shown::Normal, DrawBarMid);
  add("botbar_right.png", 256, 200, 12, Shown::Normal, DrawBarRight);
  add("professor.png", 210, 210, 12, Shown::Normal, professor);
  add("shad_professor.png", 210, 210, 4, Shown::Multiply, [professor] { return ShadowOf(professor(), 4, 0.45); });
  add("blackboard.png", 360, 360, 12, Shown::Normal, blackboard);
  add("shad_blackboard.png", 360, 360, 4, Shown::Multiply, [blackboard] { return ShadowOf(blackboard(), 5, 0.5); });
  for (int k = 1; k <= 4; ++k)
    add(std::string("choice_") + colours[k - 1] + ".png", 290, 290, 12, Shown::Normal, [k] { return DrawChoice(k); });
  add("grey.png", 1024, 48, 4, Shown::Multiply, DrawGreyStrip);
  add("life.png", 38, 38, 12, Shown::Normal, DrawLife);
  add("glove.png", 80, 80, 12, Shown::Normal, glove);
  add("shad_glove.png", 80, 80, 4, Shown::Multiply, [glove] { return ShadowOf(glove(), 2, 0.45); });

  // Feedback, effects, tip bubble, notepad.
  add("tick1.png", 240, 240, 12, Shown::Normal, DrawTick);
  add("tick0.png", 240, 240, 12, Shown::Normal, DrawCross);
  add("boom.png", 200, 200, 12, Shown::Normal, DrawBoom);
  add("boomglow.png", 200, 200, 4, Shown::Glow, DrawBoomGlow);
  add("sparkle.png", 80, 80, 4, Shown::Glow, DrawSparkle);
  add("wrong.png", 400, 400, 12, Shown::Normal, DrawWrong);
  add("correct.png", 400, 400, 12, Shown::Normal, DrawCorrect);
  add("oops.png", 400, 400, 12, Shown::Normal, DrawOops);
  add("tap.png", 48, 48, 4, Shown::Glow, DrawTap);
  add("tbubble.png", 575, 460, 12, Shown::Normal, DrawBubble);
  for (int n = 1; n <= 3; ++n) add(Numbered("hint", n), 150, 150, 12, Shown::Normal, [n] { return DrawHint(n); });
  add("notepad.png", 580, 580, 12, Shown::Normal, DrawNotepad);
  add("HUD_opt2.png", 120, 120, 12, Shown::Normal, DrawOkButton);
  add("HUD_optturn.png", 140, 140, 12, Shown::Normal, DrawOkRing);
  add("name.png", 360, 360, 4, Shown::Multiply, DrawNamePage);
  const char* grades[5] = {"aa", "a", "b", "c", "f"};
  for (int g = 1; g <= 5; ++g)
    add(std::string("results_") + grades[g - 1] + ".png", 360, 360, 4, Shown::Multiply, [g] { return DrawGradeCard(g); });
  add("bomb.png", 86, 86, 12, Shown::Normal, DrawBomb);
  for (int k = 1; k <= 4; ++k) add(Numbered("gem", k), 64, 64, 12, Shown::Normal, [k] { return DrawGem(k); });

  // Hub.
  add("title.png", 1024, 939, 4, Shown::Normal, DrawTitle);
  add("logo_quillbrook.png", 480, 480, 12, Shown::Normal, DrawLogo);
  add("exit.png", 200, 200, 12, Shown::Normal, DrawExitButton);
  for (int n = 1; n <= 6; ++n) add(Numbered("game", n), 280, 280, 12, Shown::Normal, [n] { return DrawGameButton(n); });

  // Game 1: jungle.
  add("BG1.png", 1024, 896, 4, Shown::Normal, DrawJungle);
  for (int n = 1; n <= 9; ++n) add(Numbered("zombie0", n), 150, 150, 4, Shown::Normal, [n] { return DrawZombie(n); });
  for (int n = 1; n <= 4; ++n) add(Numbered("bat0", n), 80, 80, 4, Shown::Normal, [n] { return DrawBat(n); });
  add("plat.png", 200, 128, 12, Shown::Normal, DrawPlatform);
  add("vines.png", 140, 140, 12, Shown::Normal, DrawVines);
  for (int n = 0; n <= 2; ++n) add(Numbered("idle0", n + 1), 160, 160, 4, Shown::Normal, [n] { return DrawKidIdle(n); });
  for (int n = 0; n <= 4; ++n) add(Numbered("walk0", n), 160, 160, 4, Shown::Normal, [n] { return DrawKidWalk(n); });
  add("jump.png", 160, 160, 4, Shown::Normal, DrawKidJump);
  add("fall.png", 160, 160, 4, Shown::Normal, DrawKidFall);
  add("dead.png", 160, 160, 4, Shown::Normal, DrawKidDead);

  // Game 2: space.
  add("BG2.png", 1024, 1024, 4, Shown::Normal, DrawSpace);
  add("rock.png", 136, 136, 12, Shown::Normal, DrawRock);
  add("rocket.png", 100, 100, 12, Shown::Normal, DrawRocket);
  add("laser.png", 64, 64, 12, Shown::Normal, DrawLaser);

  // Game 3: workshop.
  add("BG3.png", 1024, 896, 4, Shown::Normal, DrawWorkshop);
  add("plat2.png", 200, 200, 12, Shown::Normal, DrawFloorTile);
  add("FG3.png", 400, 400, 12, Shown::Normal, DrawWorkshopFront);
  add("grabber.png", 220, 220, 12, Shown::Normal, DrawGrabber);
  add("grabber2.png", 220, 220, 12, Shown::Normal, DrawGrabberArm);
  auto robot = [&](const char* prefix, int count, Pixels (*draw)(int)) {
    for (int n = 0; n < count; ++n)
      add(Numbered(prefix, n + 1), 200, 200, 4, Shown::Normal, [draw, n] { return draw(n); });
  };
  robot("robo_bored0", 4, DrawRobotBored);
  robot("robo_idle0", 2, DrawRobotIdle);
  robot("robo_drive0", 2, DrawRobotDrive);
  robot("robo_fly0", 3, DrawRobotFly);
  robot("robo_gofly0", 4, DrawRobotGoFly);

  // Game 4: lake.
  add("BG4.png", 1024, 768, 4, Shown::Normal, DrawLake);
  add("water.png", 800, 800, 4, Shown::Water, DrawWaterTop);
  add("water2.png", 900, 900, 4, Shown::Water, DrawWaterDeep);
  add("ring.png", 96, 96, 12, Shown::Normal, DrawRing);
  add("shad_round.png", 82, 82, 4, Shown::Multiply, DrawRoundShadow);
  add("ripple.png", 128, 128, 12, Shown::Glow, DrawRipple);
  add("boat.png", 120, 120, 12, Shown::Normal, boat);
  add("boat_shad.png", 120, 120, 4, Shown::Multiply, [boat] { return ShadowOf(boat(), 4, 0.45, 0.95); });

  // Game 5: graveyard.
  add("BG5.png", 1024, 768, 4, Shown::Normal, DrawGraveyard);
  for (int k = 1; k <= 4; ++k)
    add(std::string("coff_") + colours[k - 1] + ".png", 260, 260, 12, Shown::Normal, [k] { return DrawCoffin(k); });
  add("wand.png", 128, 128, 12, Shown::Normal, wand);
  add("shad_wand.png", 128, 128, 4, Shown::Multiply, [wand] { return ShadowOf(wand(), 3, 0.45); });
  add("shard_wood.png", 80, 80, 12, Shown::Normal, DrawWoodShard);
  return list;
}
