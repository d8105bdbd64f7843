// Every picture the forge writes into the game's "graph" folder: its file name, size, how the
// game loads and blends it, and the drawer that makes it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "png_out.h"

// How the game puts the picture on the screen; the review pages show each picture the same way.
enum class Shown { Normal, Multiply, Glow, Water };

struct ArtEntry {
  std::string file;  // name under graph/, exactly as the game opens it
  int width;
  int height;
  int loadMode;      // 4: black is a hole; 12: own alpha
  Shown shown;
  std::function<Pixels()> draw;
};

// The whole list, in the order the game loads its pictures.
std::vector<ArtEntry> ArtCatalogue();
