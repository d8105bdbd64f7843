// A clock that only moves when the test (or the game's own sleep) moves it.
#include "platform/clock.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"

namespace {
std::uint64_t Now = 1000;
std::uint64_t Slept = 0;
}  // namespace

void ResetFakeClock() {
    Now = 1000;
    Slept = 0;
}

void FakeSetTime(std::uint64_t milliseconds) { Now = milliseconds; }
void FakeAdvanceTime(std::uint64_t milliseconds) { Now += milliseconds; }
std::uint64_t FakeSleptMs() { return Slept; }

std::uint64_t TickCount() { return Now; }

void SleepMs(int milliseconds) {
    if (milliseconds <= 0) return;
    Now += static_cast<std::uint64_t>(milliseconds);
    Slept += static_cast<std::uint64_t>(milliseconds);
}
