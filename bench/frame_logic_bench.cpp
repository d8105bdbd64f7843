// The same frames on the recording platform: what the game's own logic and drawing calls
// cost, without any pixels being filled.
#include "frame_bench.h"

int main(int argc, char** argv) { return RunFrameBenchmark(argc, argv); }
