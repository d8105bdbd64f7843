#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_reset.h"

void FakePlatformReset() {
    ResetFakeVideo();
    ResetFakeInput();
    ResetFakeClock();
    ResetFakeSound();
    ResetFakeMessages();
    ResetFakeNativeWindow();
}
