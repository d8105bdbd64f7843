// The notepad: typing the name, its motion, its three pages, and how it is dismissed.
#include "quiz_test_support.h"

#include "quiz/name_entry.h"
#include "render/pointer.h"

namespace {

class Notepad : public QuizTest {
protected:
    void SetUp() override {
        QuizTest::SetUp();
        StudentName = "";
        StartUp();
    }
};

TEST_F(Notepad, CapitalLetters) {
    struct Case {
        unsigned char small, capital;
    };
    const Case cases[] = {{'a', 'A'}, {'z', 'Z'}, {0xE0, 0xC0}, {0xE9, 0xC9}, {0xFE, 0xDE},
                          {0xF7, 0xF7}, {0xFF, 0xFF}, {'1', '1'}, {'A', 'A'}, {0xDF, 0xDF}};
    for (const Case c : cases)
        EXPECT_EQ(static_cast<unsigned char>(CapitalLetter(static_cast<char>(c.small))), c.capital)
            << "code " << int(c.small);
}

TEST_F(Notepad, TypingTheName) {
    OpenNameEntry(1);
    for (int key : {30, 49, 49, 30}) TapKey(key);   // a n n a
    EXPECT_EQ(StudentName, "Anna");
    TapKey(KeyBackspace);
    EXPECT_EQ(StudentName, "Ann");
    for (int i = 0; i < 3; ++i) TapKey(KeyBackspace);
    EXPECT_EQ(StudentName, "");
    TapKey(KeyBackspace);
    EXPECT_EQ(StudentName, "") << "Backspace on an empty name does nothing";

    FakeSetKeyCharacter(18, 0xE9);   // e with an acute accent, from some keyboard layout
    TapKey(18);
    EXPECT_EQ(StudentName, "\xC9");
}

TEST_F(Notepad, NameKeepsItsFirstNineteenCharacters) {
    OpenNameEntry(1);
    StudentName = "bcdefghijklmnopqrst";
    for (int key : {30, 31, 32}) TapKey(key);
    EXPECT_EQ(StudentName, "Bcdefghijklmnopqrst");
}

// The cursor blinks every 20 ticks; the name shown is the name before this frame's typing.
TEST_F(Notepad, BlinkingCursor) {
    OpenNameEntry(1);
    StudentName = "Ann";
    std::vector<std::string> shown;
    for (int frame = 1; frame <= 43; ++frame) {
        FakeDraws().clear();
        DrawNotepad();
        for (const DrawnText& t : DrawnTexts()) shown.push_back(t.text);
    }
    ASSERT_EQ(shown.size(), 43u);
    EXPECT_EQ(shown[0], "Ann_");
    EXPECT_EQ(shown[20], "Ann_");
    EXPECT_EQ(shown[21], "Ann");
    EXPECT_EQ(shown[41], "Ann");
    EXPECT_EQ(shown[42], "Ann_");
}

TEST_F(Notepad, RisesToItsPlaceAndSlidesAway) {
    struct Case {
        const char* mode;
        void (*open)();
        float settles;
    };
    const Case cases[] = {{"name entry", [] { OpenNameEntry(2); }, 80},
                          {"revision page", [] { OpenRevision(1); }, 14},
                          {"report card", [] { ShowReport(3); }, 14}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        c.open();
        EXPECT_EQ(NotepadY, 768);
        for (int i = 0; i < 300; ++i) DrawNotepad();
        EXPECT_NEAR(NotepadY, c.settles, 0.01);
        FakeDraws().clear();
        DrawNotepad();
        EXPECT_EQ(DrawsOf(NotepadQuad).at(0).x, 222);
        EXPECT_EQ(DrawsOf(NotepadQuad).at(0).y, static_cast<int>(c.settles));

        NameEntryOpen = 0;
        CloseNotepad();
        const float from = NotepadY;
        DrawNotepad();
        EXPECT_NEAR(NotepadY, from + 32, 1e-3);
        for (int i = 0; i < 30; ++i) DrawNotepad();
        EXPECT_EQ(NotepadY, 768) << "it stops at the bottom edge";
    }
}

TEST_F(Notepad, PagesAreMultipliedOntoThePaper) {
    struct Case {
        const char* mode;
        void (*open)();
        int* page;
    };
    const Case cases[] = {{"revision page 4", [] { OpenRevision(4); }, &RevisionQuad[4]},
                          {"report card B", [] { ShowReport(3); }, &ResultQuad[3]},
                          {"name entry", [] { OpenNameEntry(1); }, &NameQuad}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        c.open();
        FakeDraws().clear();
        DrawNotepad();
        const std::vector<RecordedDraw> page = DrawsOf(*c.page);
        ASSERT_EQ(page.size(), 1u);
        EXPECT_EQ(page[0].source, BlendFactor::Zero);
        EXPECT_EQ(page[0].dest, BlendFactor::SourceColour);
        EXPECT_EQ(page[0].y, std::lround(NotepadY + 120));
        NameEntryOpen = 0;
        CloseNotepad();
    }
}

TEST_F(Notepad, EveryOpenerPlaysThePageSoundAndHandsTheGlove) {
    for (void (*open)() : {+[] { OpenNameEntry(1); }, +[] { OpenRevision(2); }, +[] { ShowReport(1); }}) {
        FakeSounds().clear();
        SetPointerSprite(WandQuad, WandShadowQuad, -38, -16);
        open();
        ASSERT_EQ(PlaysOf(PageSound).size(), 1u);
        EXPECT_EQ(PlaysOf(PageSound)[0].volume, 50);
        EXPECT_EQ(CurrentPointer.PointerQuad, GloveQuad);
        EXPECT_EQ(NotepadOpen, 1);
        NameEntryOpen = 0;
        CloseNotepad();
        EXPECT_EQ(CurrentPointer.PointerQuad, WandQuad) << "closing gives the game its pointer back";
    }
}

TEST_F(Notepad, RevisionPageClosesOnAnyClickAndTheGameGoesOn) {
    EnterGameWithoutTip(3);
    OpenRevision(1);
    PointAt(5, 5);
    ClickFrame();
    EXPECT_EQ(NotepadOpen, 0);
    EXPECT_EQ(CurrentScreen, 3);
}

// The report card leads back to the hub, and the click that closed it does not reach the
// hub's buttons, which start out all on top of each other under the centred pointer.
TEST_F(Notepad, ReportCardLeadsToTheHubAndSwallowsItsClick) {
    StudentName = "Ann";
    EnterGameWithoutTip(3);
    ShowReport(2);
    Frames(5);
    PointAt(512, 384);
    ClickFrame();
    EXPECT_EQ(CurrentScreen, 0);
    EXPECT_EQ(NotepadOpen, 0);
    EXPECT_EQ(ReportGrade, 0);
    EXPECT_EQ(CurrentPointer.PointerQuad, GloveQuad);
    Frames(1);
    EXPECT_EQ(CurrentScreen, 0) << "no game was started by that click";
}

TEST_F(Notepad, EnterClosesARevisionPage) {
    EnterGameWithoutTip(3);
    OpenRevision(2);
    TapKey(KeyEnter);
    EXPECT_EQ(NotepadOpen, 0);
}

}  // namespace
