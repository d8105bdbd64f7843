#include "catalogue.h"

#include "art.h"
#include "paint.h"

std::vector<ArtEntry> ArtCatalogue() {
  std::vector<ArtEntry> list;
  auto add = [&](std::string file, int w, int h, int mode, Shown shown, std::function<Pixels()> draw) {
    list.push_back({std::move(file), w, h, mode, shown, std::move(draw)});
  };
  const char* colours[4] = {"blue", "yellow", "red", "green"};

  // Question panel.
  add("botbar_left.png", 256, 200, 12, Shown::Normal, DrawBarLeft);
  add("botbar_mid.png", 256, 200, 4, Shown::Normal, DrawBarMid);
  add("botbar_right.png", 256, 200, 12, Shown::Normal, DrawBarRight);
  add("professor.png", 210, 210, 12, Shown::Normal, DrawProfessor);
  add("shad_professor.png", 210, 210, 4, Shown::Multiply, [] { return ShadowOf(DrawProfessor(), 4, 0.45); });
  add("blackboard.png", 360, 360, 12, Shown::Normal, DrawBlackboard);
  add("shad_blackboard.png", 360, 360, 4, Shown::Multiply, [] { return ShadowOf(DrawBlackboard(), 5, 0.5); });
  for (int k = 1; k <= 4; ++k)
    add(std::string("choice_") + colours[k - 1] + ".png", 290, 290, 12, Shown::Normal, [k] { return DrawChoice(k); });
  add("grey.png", 1024, 48, 4, Shown::Multiply, DrawGreyStrip);
  add("life.png", 38, 38, 12, Shown::Normal, DrawLife);
  return list;
}
