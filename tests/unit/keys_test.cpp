// The keyboard: levels, release edges and typed characters.
#include <gtest/gtest.h>

#include "app/keys.h"
#include "app/reset.h"
#include "platform/fake/fake_platform.h"

namespace {

class Keys : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
    }
    static void Frame(int key, bool down) {
        FakeSetKey(key, down);
        ReadKeyboard();
    }
};

TEST_F(Keys, HeldKeyIsReportedOnceAfterRelease) {
    for (int i = 0; i < 3; ++i) {
        Frame(KeyEnter, true);
        EXPECT_EQ(KeyDown(KeyEnter), 1);
        EXPECT_EQ(KeyReleased(KeyEnter), 0);
    }
    Frame(KeyEnter, false);
    EXPECT_EQ(KeyDown(KeyEnter), 0);
    EXPECT_EQ(KeyReleased(KeyEnter), 1);
    EXPECT_EQ(KeyReleased(KeyEnter), 0);
}

TEST_F(Keys, TapBetweenTwoReadingsIsNotReported) {
    Frame(KeyF5, false);
    EXPECT_EQ(KeyReleased(KeyF5), 0);
    FakeSetKey(KeyF5, true);
    FakeSetKey(KeyF5, false);   // up again before the next reading
    ReadKeyboard();
    EXPECT_EQ(KeyReleased(KeyF5), 0);
}

TEST_F(Keys, ReleaseOnlyCountsWhenSomeCallSawTheKeyDown) {
    Frame(KeyF6, true);   // down, but nobody asks
    Frame(KeyF6, false);
    EXPECT_EQ(KeyReleased(KeyF6), 0);
}

TEST_F(Keys, TypedTextComesInScanCodeOrderOnRelease) {
    const int keyA = 30, keyB = 48;
    Frame(keyB, true);
    EXPECT_EQ(TypedText(), "");
    Frame(keyA, true);
    EXPECT_EQ(TypedText(), "");
    FakeSetKey(keyA, false);
    FakeSetKey(keyB, false);
    ReadKeyboard();
    EXPECT_EQ(TypedText(), "ab") << "a has the lower scan code although b was typed first";
    EXPECT_EQ(TypedText(), "");
}

TEST_F(Keys, EnterBackspaceAndKeysWithoutCharactersTypeNothing) {
    const int keys[] = {KeyEnter, KeyBackspace, KeyEscape, KeyF5, 42 /* shift */};
    for (int key : keys) Frame(key, true);
    TypedText();
    for (int key : keys) Frame(key, false);
    EXPECT_EQ(TypedText(), "");
}

TEST_F(Keys, NumberPadTypesDigitsAndTheLayoutGivesTheRest) {
    FakeSetKeyCharacter(16, 0xE9);   // a layout whose Q key gives é
    const int keys[] = {71 /* pad 7 */, 83 /* pad . */, 16};
    for (int key : keys) Frame(key, true);
    TypedText();
    for (int key : keys) Frame(key, false);
    EXPECT_EQ(TypedText(), "\xE9" "7.");
}

}  // namespace
