// forge_art: draws every picture of the game's "graph" folder, the options window's banner,
// and review pages (contact sheet and blended scene previews) for people to look at.
//
//   forge_art --banner FILE                 the banner only
//   forge_art --game DIR [--review DIR]     DIR/graph/*.png, and the review pages
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "banner.h"
#include "catalogue.h"
#include "checks.h"
#include "lettering.h"
#include "png_out.h"
#include "review.h"

namespace {
bool MakeDir(const std::string& path) {
  return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

bool ForgeGame(const std::string& gameDir, const std::string& reviewDir) {
  const std::string graph = gameDir + "/graph";
  if (!MakeDir(gameDir) || !MakeDir(graph)) {
    std::fprintf(stderr, "forge_art: cannot make %s\n", graph.c_str());
    return false;
  }
  const std::vector<ArtEntry> list = ArtCatalogue();
  std::vector<Pixels> pics;
  pics.reserve(list.size());
  bool ok = true;
  for (const ArtEntry& e : list) {
    pics.push_back(e.draw());
    const Pixels& p = pics.back();
    const std::string fault = CheckPicture(e, p);
    if (!fault.empty()) {
      std::fprintf(stderr, "forge_art: %s %s\n", e.file.c_str(), fault.c_str());
      ok = false;
    }
    ok = WritePng(graph + "/" + e.file, p, true) && ok;
  }
  if (!reviewDir.empty() && MakeDir(reviewDir)) {
    ArtLibrary art;
    for (size_t i = 0; i < list.size(); ++i) art[list[i].file] = {&list[i], &pics[i]};
    ok = WriteContactSheets(reviewDir, list, pics) && ok;
    ok = WriteScenePreviews(reviewDir, art) && ok;
  }
  return ok;
}
}  // namespace

int main(int argc, char** argv) {
  std::string bannerPath, gameDir, reviewDir;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--banner") == 0)
      bannerPath = argv[i + 1];
    else if (std::strcmp(argv[i], "--game") == 0)
      gameDir = argv[i + 1];
    else if (std::strcmp(argv[i], "--review") == 0)
      reviewDir = argv[i + 1];
    else {
      std::fprintf(stderr, "forge_art: unknown option %s\n", argv[i]);
      return 2;
    }
  }
  if (bannerPath.empty() && gameDir.empty()) {
    std::fprintf(stderr, "usage: forge_art --banner FILE | --game DIR [--review DIR]\n");
    return 2;
  }
  if (!LoadFonts()) return 1;
  const auto start = std::chrono::steady_clock::now();
  bool ok = true;
  if (!bannerPath.empty()) ok = WritePng(bannerPath, DrawBanner(), false) && ok;
  if (!gameDir.empty()) {
    ok = ForgeGame(gameDir, reviewDir) && ok;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("forge_art: pictures drawn in %.0f ms\n", ms);
  }
  FreeFonts();
  return ok ? 0 : 1;
}
