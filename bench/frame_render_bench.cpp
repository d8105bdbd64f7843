// Start-up time and the cost of a frame on the real renderer (offscreen without a display),
// for the hub and for game 1 with the question panel up. The clock is scripted, so the figures
// are pure drawing and logic time: a frame must cost well under 10 ms for 100 frames a second.
#include "frame_bench.h"

int main(int argc, char** argv) { return RunFrameBenchmark(argc, argv); }
