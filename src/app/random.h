// The game's one random generator, seedable so that tests are repeatable.
#pragma once

int Random(int n);   // an integer 0..n inclusive, evenly; 0 when n <= 0
void SeedRandom(unsigned seed);
