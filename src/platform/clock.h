// Monotonic millisecond clock and sleep.
#pragma once
#include <cstdint>

std::uint64_t TickCount();
void SleepMs(int milliseconds);
