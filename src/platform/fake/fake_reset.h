// Each fake service's own reset, gathered by FakePlatformReset.
#pragma once

void ResetFakeVideo();
void ResetFakeInput();
void ResetFakeClock();
void ResetFakeSound();
void ResetFakeMessages();
void ResetFakeNativeWindow();
