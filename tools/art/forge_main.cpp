// forge_art: draws every picture of the game's "graph" folder, the options window's banner,
// and review pages (contact sheet and blended scene previews) for people to look at.
//
//   forge_art --banner FILE                 the banner only
//   forge_art --game DIR [--review DIR]     DIR/graph/*.png, and the review pages
#include <cstdio>
#include <cstring>
#include <string>

#include "banner.h"
#include "lettering.h"
#include "png_out.h"

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
  bool ok = true;
  if (!bannerPath.empty()) ok = WritePng(bannerPath, DrawBanner(), false) && ok;
  FreeFonts();
  return ok ? 0 : 1;
}
