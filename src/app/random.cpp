#include "app/random.h"

#include <random>

namespace {
std::mt19937 Generator(12345u);
}

int Random(int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n)(Generator);
}

void SeedRandom(unsigned seed) { Generator.seed(seed); }
