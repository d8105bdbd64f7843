// Frame timing and the pointer.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "app/reset.h"
#include "platform/fake/fake_platform.h"
#include "platform/input.h"
#include "platform/video.h"

namespace {

class FramePacing : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        OpenGameWindow("test", 1024, 768);
        OpenDrawingSurface(true, 1024, 768, "test");
        CapturePointer();
    }
};

TEST_F(FramePacing, FrameLengthBecomesFactorAndTicks) {
    struct Case {
        int ms;
        float factor;
        int ticks;
    };
    const Case cases[] = {{25, 2.5f, 3}, {14, 1.4f, 1}, {4, 0.4f, 1}, {0, 0.0f, 1}, {100, 3.0f, 3}, {15, 1.5f, 2}, {10, 1.0f, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ms);
        MeasureFrame();   // settle LastTick on the current time
        FakeAdvanceTime(c.ms);
        MeasureFrame();
        EXPECT_FLOAT_EQ(FrameFactor, c.factor);
        EXPECT_EQ(FrameTicks, c.ticks);
    }
}

TEST_F(FramePacing, FirstFrameAfterLoadingIsClampedToThreeTicks) {
    FakeAdvanceTime(5000);
    MeasureFrame();
    EXPECT_FLOAT_EQ(FrameFactor, 3.0f);
}

TEST_F(FramePacing, HeldButtonClicksInItsFirstFrameOnly) {
    const int expected[] = {1, 0, 0};
    FakeSetMouseButton(true);
    for (int want : expected) {
        ReadPointer();
        EXPECT_EQ(PointerClicked, want);
        EXPECT_EQ(PointerHeld, 1);
    }
    FakeSetMouseButton(false);
    ReadPointer();
    EXPECT_EQ(PointerHeld, 0);
    FakeSetMouseButton(true);
    ReadPointer();
    EXPECT_EQ(PointerClicked, 1) << "a new press is a new click";
}

TEST_F(FramePacing, PointerStaysOnTheSurface) {
    PlacePointer(10, 10);
    FakeMoveMouse(-50, -30);
    ReadPointer();
    EXPECT_EQ(PointerX, 0);
    EXPECT_EQ(PointerY, 0);
    EXPECT_FLOAT_EQ(PointerDeltaX, -50);
    FakeMoveMouse(5000, 5000);
    ReadPointer();
    EXPECT_EQ(PointerX, 1023);
    EXPECT_EQ(PointerY, 767);
}

TEST_F(FramePacing, InactiveSurfaceFreezesThePointer) {
    FakeSetSurfaceActive(false);
    PlacePointer(100, 100);
    ReadPointer();
    FakeMoveMouse(40, 0);
    FakeSetMouseButton(true);
    ReadPointer();
    EXPECT_EQ(PointerX, 100);
    EXPECT_FLOAT_EQ(PointerDeltaX, 0);
    EXPECT_EQ(PointerClicked, 0);
}

}  // namespace
