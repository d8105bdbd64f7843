// Previews of layered scenes, blended in software with the game's own formulas and placed
// where the game places each picture.
#include <cmath>
#include <cstdio>

#include "compose.h"
#include "review.h"

namespace {
const ArtLibrary* Art = nullptr;
bool Missing = false;

// Draws a catalogue picture at its own size or at (w, h); notes a missing one.
void Draw(Frame& f, const char* file, int x, int y, Blend blend = kBlendNormal, int w = 0, int h = 0, int alpha = 255) {
  auto it = Art->find(file);
  if (it == Art->end()) {
    Missing = true;
    return;
  }
  const Pixels& p = *it->second.pixels;
  Put(f, p, it->second.entry->loadMode, x, y, w ? w : p.width, h ? h : p.height, blend, alpha);
}

// The question panel as it settles: strip, hearts, score, bar, choices, blackboard, professor.
void Panel(Frame& f) {
  Draw(f, "grey.png", 0, 0, kBlendMultiply);
  for (int i = 1; i <= 5; ++i) Draw(f, "life.png", 1024 - 44 - 38 * (i - 1), 4);
  PutText(f, "Score: 300", 4, 8, 24, 0xffffff);
  PutText(f, "4 / 20", 462, 8, 24, 0xffffff);
  Draw(f, "botbar_left.png", 0, 568);
  for (int x = 256; x <= 1024 - 512; x += 256) Draw(f, "botbar_mid.png", x, 568);
  Draw(f, "botbar_right.png", 768, 568);
  const char* choices[4] = {"choice_blue.png", "choice_yellow.png", "choice_red.png", "choice_green.png"};
  const char* texts[4] = {"Paris", "London", "Madrid", "A very long answer"};
  const int left = 408, top = 488;
  for (int k = 0; k < 4; ++k) {
    const int x = left + (k % 2) * 298, y = top + (k / 2) * 86;
    Draw(f, choices[k], x, y);
  }
  Draw(f, "shad_blackboard.png", 24, 468 + 6, kBlendMultiply);
  Draw(f, "blackboard.png", 18, 468);
  PutText(f, "What is the capital", 32, 548, 24, 0xffffff);
  PutText(f, "city of France?", 32, 572, 24, 0xffffff);
  for (int k = 0; k < 4; ++k) {
    const int x = left + (k % 2) * 298, y = top + (k / 2) * 86;
    PutText(f, texts[k], x + 78, y + 147 - 12, k == 3 ? 19 : 24, 0x222222);
  }
  Draw(f, "shad_professor.png", 8 + 6, 578 + 6, kBlendMultiply);
  Draw(f, "professor.png", 8, 578);
  Draw(f, "tick1.png", left + 250 - 40, top + 147 - 40, kBlendNormal, 80, 80);
}

// The notepad in name entry (settled at y 80) and with the report card (settled at y 14).
void NameEntry(Frame& f) {
  const int y = 80;
  Draw(f, "notepad.png", 512 - 290, y);
  Draw(f, "name.png", 512 - 186, y + 120, kBlendMultiply);
  Draw(f, "HUD_optturn.png", 512 + 56, y + 412);
  Draw(f, "HUD_opt2.png", 512 + 66, y + 422);
  PutText(f, "Anna", 512 - 150, y + 198, 24, 0x22223a);
  Draw(f, "glove.png", 600 - 28, 400 - 16);
}

void ReportCard(Frame& f, const char* card) {
  const int y = 14;
  Draw(f, "notepad.png", 512 - 290, y);
  Draw(f, card, 512 - 190, y + 120, kBlendMultiply);
  const char* lines[6] = {"Name: Anna", "Questions Complete: 20/20", "Correct: 20", "Incorrect: 03", "---", "Accuracy: 87%"};
  for (int i = 0; i < 6; ++i) PutText(f, lines[i], 512 - 170, y + 170 + i * 24, 24, 0x222244);
}

// The hub as it settles: title, logo, subject picture place, buttons on their arc.
void Hub(Frame& f) {
  Draw(f, "title.png", 0, -80);
  Draw(f, "logo_quillbrook.png", 16, -114);
  // The subject picture comes from the subject pack; a frame marks its place.
  Frame mark = NewFrame(380, 380, 1.0f, 1.0f, 1.0f);
  Pixels markPixels = FrameToPixels(mark);
  for (Rgba& p : markPixels.px) p.a = 60;
  Put(f, markPixels, 12, 818 - 190, 90 - 190, 380, 380, kBlendNormal, 255);
  const double cx = 512, cy = 384, r = 0.725 * 512;
  for (int b = 6; b >= 1; --b) {
    const double a = (65 + 15 * (b - 1) - 90) * M_PI / 180;
    const int x = static_cast<int>(std::lround(cx + r * std::cos(a) - 140));
    const int y = static_cast<int>(std::lround(cy + r * std::sin(a) - 140));
    char name[16];
    std::snprintf(name, sizeof name, "game%d.png", b);
    Draw(f, name, x, y);
  }
  Draw(f, "exit.png", 0, 768 - 186);
  Draw(f, "mute0.png", 0, 180);
  PutText(f, "Quillbrook Learning - a subject for every day", 208, 768 - 32, 20, 0xffffff);
}

// Game 1 with a fixed layout: ground, two platform rows with vines, gems, zombie, bat, kid.
void Jungle(Frame& f) {
  Draw(f, "BG1.png", 0, 0);
  const int middle[7] = {0, 0, 0, 1, 0, 0, 1}, top[7] = {0, 1, 0, 0, 1, 0, 0};
  for (int m = 1; m <= 6; ++m) {
    const int left = -100 + 200 * (m - 1);
    Draw(f, "plat.png", left, 540);
    if (middle[m] == 0) {
      if (m == 2 || m == 4) Draw(f, "vines.png", left, 369);
      Draw(f, "plat.png", left, 370);
    }
    if (top[m] == 0) {
      if (m == 3 || m == 5) Draw(f, "vines.png", left, 199);
      Draw(f, "plat.png", left, 200);
    }
  }
  Draw(f, "gem1.png", 300 + 68, 115);
  Draw(f, "gem2.png", 100 + 68, 285);
  Draw(f, "gem3.png", 700 + 68, 285);
  Draw(f, "gem4.png", 880, 455);
  Draw(f, "zombie04.png", 720 - 55, 433, kBlendNormal, 110, 110);
  Draw(f, "bat02.png", 300 - 40, 255, kBlendNormal, 80, 80);
  Draw(f, "walk02.png", 440 - 75, 548 - 158, kBlendNormal, 160, 160);
}

// Game 2: the rocket among drifting rocks and gems, one bolt in flight.
void Space(Frame& f) {
  Draw(f, "BG2.png", 0, -60);
  const int rocks[5][3] = {{150, 140, 120}, {820, 420, 96}, {300, 470, 60}, {700, 90, 136}, {950, 230, 44}};
  for (auto& r : rocks) Draw(f, "rock.png", r[0] - r[2] / 2, r[1] - r[2] / 2, kBlendNormal, r[2], r[2]);
  Draw(f, "gem1.png", 120 - 32, 300 - 32);
  Draw(f, "gem2.png", 420 - 32, 120 - 32);
  Draw(f, "gem3.png", 640 - 32, 200 - 32);
  Draw(f, "gem4.png", 900 - 32, 110 - 32);
  Draw(f, "laser.png", 512 - 32, 200 - 32);
  Draw(f, "rocket.png", 512 - 50, 270);
}

// Game 3: claws holding the gems and the bomb, the robot flying, the foreground corner.
void Workshop(Frame& f) {
  Draw(f, "BG3.png", 0, 0);
  for (int x = -100; x <= 1024; x += 200) Draw(f, "plat2.png", x, 540);
  const int claws[5][2] = {{620, -60}, {60, 20}, {300, -120}, {760, 60}, {480, 100}};
  for (int j = 0; j < 5; ++j) {
    const int x = claws[j][0], y = claws[j][1];
    if (j == 0) {
      Draw(f, "bomb.png", x + 67, y + 180);
    } else {
      char gem[16];
      std::snprintf(gem, sizeof gem, "gem%d.png", j);
      Draw(f, gem, x + 78, y + 180);
    }
    Draw(f, "grabber.png", x, y);
    if (y > 0) Draw(f, "grabber2.png", x, y - 218);
  }
  Draw(f, "robo_fly01.png", 380 - 75, 470 - 198);
  Draw(f, "FG3.png", -8, 0);
}

// Game 4: the lake's three layers blended as the game blends them, then ripples, rings with
// their shadows and the boat with its shadow (unturned).
void Lake(Frame& f, bool withPlay) {
  Draw(f, "BG4.png", 0, 0);
  for (int y = -300; y <= 768; y += 900)
    for (int x = -400; x <= 1024; x += 900) Draw(f, "water2.png", x, y, kBlendSquare, 0, 0, 128);
  for (int y = -250; y <= 768; y += 800)
    for (int x = -130; x <= 1024; x += 800) Draw(f, "water.png", x, y, kBlendNormal, 0, 0, 100);
  if (!withPlay) return;
  Draw(f, "ripple.png", 300 - 60, 200 - 60, kBlendGlow, 120, 120, 160);
  Draw(f, "ripple.png", 560 - 45, 420 - 50, kBlendGlow, 90, 100, 200);
  const int rings[5][2] = {{300, 200}, {760, 140}, {160, 420}, {850, 380}, {560, 90}};
  const char* inside[5] = {"bomb.png", "gem1.png", "gem2.png", "gem3.png", "gem4.png"};
  for (int i = 0; i < 5; ++i) {
    const int x = rings[i][0], y = rings[i][1];
    Draw(f, "shad_round.png", x - 29, y - 24, kBlendMultiply);
    Draw(f, "ring.png", x - 48, y - 48);
    if (i == 0)
      Draw(f, inside[i], x - 43, y - 43);
    else
      Draw(f, inside[i], x - 36, y - 36, kBlendNormal, 72, 72);
  }
  Draw(f, "boat_shad.png", 560 - 45, 400 - 40, kBlendMultiply);
  Draw(f, "boat.png", 560 - 60, 400 - 60);
}

// Game 5: four coffins bobbing and rocking (unturned here), one opened by a wrong pick with
// its zombie, the wand pointer with its shadow.
void Graveyard(Frame& f) {
  Draw(f, "BG5.png", 0, 0);
  const char* coffins[4] = {"coff_blue.png", "coff_yellow.png", "coff_red.png", "coff_green.png"};
  const int bob[4] = {-20, 30, 0, -40};
  for (int v = 0; v < 4; ++v) {
    const int x = 512 - 500 + 250 * v, y0 = 384 - 190;
    if (v == 2)
      Draw(f, "zombie05.png", x + 50, y0 + 30);
    else
      Draw(f, coffins[v], x, y0 + bob[v]);
  }
  Draw(f, "shad_wand.png", 300 - 38 + 6, 330 - 16 + 6, kBlendMultiply);
  Draw(f, "wand.png", 300 - 38, 330 - 16);
}

// An answer's feedback at rest: the picture centred on (512, 320), the clock at the top right.
void Feedback(Frame& f) {
  Draw(f, "correct.png", 512 - 200, 320 - 200);
  Draw(f, "timer0.png", 1024 - 90, 64, kBlendGlow);
  Draw(f, "timer1.png", 1024 - 90, 64, kBlendGlow);
}

// The tip bubble fully open over game 1 (the small trailing clouds unturned).
void TipBubble(Frame& f) {
  const double b = 460, l = 512 - 1.25 * b / 2;
  const struct {
    double size, x, y, alpha;
  } copies[4] = {{0.12, l - 64, 372 + b / 2, 0.4}, {0.18, l - 24, 308 + b / 2, 0.6}, {0.25, l + 24, 216 + b / 2, 0.8},
                 {0, l, 300 - b / 2, 1.0}};
  for (auto& c : copies) {
    const int w = static_cast<int>(std::lround(c.size > 0 ? c.size * b : 1.25 * b));
    const int h = static_cast<int>(std::lround(c.size > 0 ? c.size * b : b));
    Draw(f, "tbubble.png", static_cast<int>(std::lround(c.x)), static_cast<int>(std::lround(c.y)), kBlendNormal, w, h,
         static_cast<int>(std::lround(255 * c.alpha)));
  }
  PutText(f, "Walk to the gem with the right", 280, 160, 30, 0x333333);
  PutText(f, "answer's colour. Click to jump!", 280, 196, 30, 0x333333);
  Draw(f, "walk01.png", 370 - 110, 410 - 110, kBlendNormal, 220, 220);
  Draw(f, "hint2.png", 640, 380);
}

bool Save(const std::string& dir, const char* name, const Frame& f) {
  return WritePng(dir + "/" + name, FrameToPixels(f), false);
}
}  // namespace

bool WriteScenePreviews(const std::string& dir, const ArtLibrary& art) {
  Art = &art;
  bool ok = true;
  {
    Frame f = NewFrame(1024, 768, 0.45f, 0.7f, 0.9f);
    Panel(f);
    ok = Save(dir, "scene_panel.png", f) && ok;
  }
  {
    Frame f = NewFrame(1024, 768);
    Jungle(f);
    Panel(f);
    Feedback(f);
    ok = Save(dir, "scene_game1_jungle.png", f) && ok;
    Frame t = NewFrame(1024, 768);
    Jungle(t);
    Panel(t);
    TipBubble(t);
    ok = Save(dir, "scene_tip_bubble.png", t) && ok;
  }
  {
    Frame f = NewFrame(1024, 768);
    Space(f);
    Panel(f);
    ok = Save(dir, "scene_game2_space.png", f) && ok;
  }
  {
    Frame f = NewFrame(1024, 768);
    Workshop(f);
    Panel(f);
    ok = Save(dir, "scene_game3_workshop.png", f) && ok;
  }
  {
    Frame f = NewFrame(1024, 768);
    Lake(f, false);
    ok = Save(dir, "scene_lake_layers.png", f) && ok;
    Frame g = NewFrame(1024, 768);
    Lake(g, true);
    Panel(g);
    ok = Save(dir, "scene_game4_lake.png", g) && ok;
  }
  {
    Frame f = NewFrame(1024, 768);
    Graveyard(f);
    Panel(f);
    ok = Save(dir, "scene_game5_graveyard.png", f) && ok;
  }
  {
    Frame f = NewFrame(1024, 768);
    Hub(f);
    ok = Save(dir, "scene_hub.png", f) && ok;
  }
  {
    Frame f = NewFrame(1024, 768, 0.45f, 0.7f, 0.9f);
    NameEntry(f);
    ok = Save(dir, "scene_name_entry.png", f) && ok;
  }
  const char* cards[5] = {"results_aa.png", "results_a.png", "results_b.png", "results_c.png", "results_f.png"};
  for (int g = 0; g < 5; ++g) {
    Frame f = NewFrame(1024, 768, 0.45f, 0.7f, 0.9f);
    ReportCard(f, cards[g]);
    char name[40];
    std::snprintf(name, sizeof name, "scene_report_%d.png", g + 1);
    ok = Save(dir, name, f) && ok;
  }
  if (Missing) std::fprintf(stderr, "forge_art: some previews lack pictures that are not drawn yet\n");
  return ok;
}
