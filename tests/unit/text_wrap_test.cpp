#include <gtest/gtest.h>

#include "app/reset.h"
#include "platform/fake/fake_platform.h"
#include "render/font.h"
#include "render/text.h"
#include "unit/text_test_support.h"

// Widths in the fixture font: letters 10, space 5, ";" "," "." "?" 4; a line is 16 high.
// Drawn at (100, 50), the first line's pen starts at (99.5, 49.5).

namespace {

class TextWrapping : public ::testing::Test {
protected:
    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        ASSERT_NE(LoadTextFixtureFont(), nullptr);
    }
    void TearDown() override { ResetGameState(); }

    std::string Wrap(const std::string& text, float width, float x = 100) {
        FakeDraws().clear();
        return DrawTextWrapped(MainFont, x, 50, text, width, -1, -1, -1, FontDefault);
    }
};

void ExpectGlyphs(const std::vector<DrawnGlyph>& expected) {
    std::vector<DrawnGlyph> drawn = DrawnGlyphs();
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(drawn[i].code, expected[i].code);
        EXPECT_FLOAT_EQ(drawn[i].penX, expected[i].penX);
        EXPECT_FLOAT_EQ(drawn[i].penY, expected[i].penY);
    }
}

TEST_F(TextWrapping, SemicolonStartsTheNextLineOneSemicolonLeft) {
    EXPECT_EQ(Wrap("AB;CD", 400), "AB;CD");
    ExpectGlyphs({{'A', 99.5f, 49.5f}, {'B', 109.5f, 49.5f}, {'C', 95.5f, 65.5f}, {'D', 105.5f, 65.5f}});
}

TEST_F(TextWrapping, OverflowingWordIsMarkedForACleanBreakNextTime) {
    // 'aaaa b' is 55 wide, 'aaaa bb' 65.
    std::string settled = Wrap("aaaa bbbb", 60);
    EXPECT_EQ(settled, "aaaa; bbbb");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"aaaa b", "bbb"}));
    EXPECT_FLOAT_EQ(DrawnGlyphs()[6].penX, 99.5f);

    EXPECT_EQ(Wrap(settled, 60), "aaaa; bbbb");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"aaaa", " bbbb"}));
    // The space stands in the room the ";" stepped back.
    ExpectGlyphs({{'a', 99.5f, 49.5f}, {'a', 109.5f, 49.5f}, {'a', 119.5f, 49.5f}, {'a', 129.5f, 49.5f},
                  {' ', 95.5f, 65.5f}, {'b', 100.5f, 65.5f}, {'b', 110.5f, 65.5f}, {'b', 120.5f, 65.5f},
                  {'b', 130.5f, 65.5f}});
}

TEST_F(TextWrapping, MarksLandBeforeTheirOwnBreakCharacters) {
    struct Case {
        const char* text;
        float width;
        const char* result;
    };
    for (Case c : {
             Case{"aaa bbb ccc ddd eee", 50, "aaa; bbb ccc ddd; eee"},   // two marks in one call
             Case{"aa,bbb", 45, "aa;,bbb"},                             // the mark goes before the comma
             Case{"aaaa bbbb", 50, "aaaa bbbb"},   // overflow right after the space: already clean
             Case{"aaaa.b", 42, "aaaa.b"},         // the punctuation itself overflows
             Case{"aaaaaaaa", 35, "aaaaaaaa"},     // no break position on the line
             Case{"aa;bbbbbbb", 40, "aa;bbbbbbb"},   // a ";" is not a break position
             Case{"aaaa bbbb", 1000, "aaaa bbbb"},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Wrap(c.text, c.width), c.result);
    }
}

TEST_F(TextWrapping, TwoMarksInOneCallSplitTheLinesAtTheEdge) {
    Wrap("aaa bbb ccc ddd eee", 50);
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"aaa b", "bb ccc ", "ddd ee", "e"}));
    std::vector<DrawnGlyph> drawn = DrawnGlyphs();
    EXPECT_FLOAT_EQ(drawn.back().penY, 49.5f + 3 * 16);
}

TEST_F(TextWrapping, LineAfterASemicolonGetsTheSemicolonsRoomBack) {
    // The line after ";" starts 4 below zero wide, so 'aaaa' (40) fits in 38.
    EXPECT_EQ(Wrap("a;aaaa", 38), "a;aaaa");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"a", "aaaa"}));
}

TEST_F(TextWrapping, RunsOfSpacesDrawAsOne) {
    EXPECT_EQ(Wrap("aa  bb", 400), "aa  bb");
    ExpectGlyphs({{'a', 99.5f, 49.5f}, {'a', 109.5f, 49.5f}, {' ', 119.5f, 49.5f}, {'b', 124.5f, 49.5f},
                  {'b', 134.5f, 49.5f}});
}

TEST_F(TextWrapping, SpaceThatOverflowsIsSwallowed) {
    EXPECT_EQ(Wrap("aaaa bb", 42), "aaaa bb");
    ExpectGlyphs({{'a', 99.5f, 49.5f}, {'a', 109.5f, 49.5f}, {'a', 119.5f, 49.5f}, {'a', 129.5f, 49.5f},
                  {'b', 99.5f, 65.5f}, {'b', 109.5f, 65.5f}});
}

TEST_F(TextWrapping, WordLongerThanTheBoxIsSplitAtTheEdge) {
    // The character that overflows starts the next line but is not counted in its width.
    EXPECT_EQ(Wrap("aaaaaaaa", 35), "aaaaaaaa");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"aaa", "aaaa", "a"}));
    std::vector<DrawnGlyph> drawn = DrawnGlyphs();
    EXPECT_FLOAT_EQ(drawn[3].penX, 99.5f);
    EXPECT_FLOAT_EQ(drawn[7].penY, 81.5f);
}

TEST_F(TextWrapping, WordWiderThanTheBoxAfterASpaceSettlesInsteadOfCreepingDown) {
    // The first call marks the break before the long word; after that the word starts its
    // own line, and splitting it again must not add an empty line every frame.
    const std::string texts[] = {"ab aaaaaaaaaa", "ab  aaaaaaaaaa", "ab;aaaaaaaaaaaa", "ab aaaaaaaaaa cd"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        std::string settled = Wrap(text, 35);
        for (int frame = 0; frame < 5; ++frame) settled = Wrap(settled, 35);
        const std::string again = Wrap(settled, 35);
        EXPECT_EQ(again, settled) << "the text keeps changing";
        EXPECT_LE(again.size(), text.size() + 2) << "at most one mark per break";
        EXPECT_EQ(DrawnLines().front().substr(0, 2), "ab");
        const std::string second = DrawnLines()[1];
        EXPECT_EQ(second.substr(second.find_first_not_of(' '), 3), "aaa") << "the long word starts line two";
    }
}

TEST_F(TextWrapping, SemicolonAsSpaceJoinsShortLines) {
    SemicolonAsSpace = 1;
    EXPECT_EQ(Wrap("Hi;there", 400), "Hi there");
    ExpectGlyphs({{'H', 99.5f, 49.5f}, {'i', 109.5f, 49.5f}, {'t', 124.5f, 49.5f}, {'h', 134.5f, 49.5f},
                  {'e', 144.5f, 49.5f}, {'r', 154.5f, 49.5f}, {'e', 164.5f, 49.5f}});

    SemicolonAsSpace = 0;
    EXPECT_EQ(Wrap("Hi;there", 400), "Hi;there");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"Hi", "there"}));
    EXPECT_FLOAT_EQ(DrawnGlyphs()[2].penX, 95.5f);
}

TEST_F(TextWrapping, SemicolonAsSpaceStillBreaksInTheSecondHalf) {
    // 'aaaaaa;' is 64 wide: a break in a box of 100, a space in a box of 140.
    SemicolonAsSpace = 1;
    EXPECT_EQ(Wrap("aaaaaa;bb", 100), "aaaaaa;bb");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"aaaaaa", "bb"}));
    EXPECT_FLOAT_EQ(DrawnGlyphs()[6].penX, 95.5f);

    EXPECT_EQ(Wrap("aaaaaa;bb", 140), "aaaaaa bb");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"aaaaaabb"}));
    EXPECT_FLOAT_EQ(DrawnGlyphs()[6].penX, 164.5f);
}

TEST_F(TextWrapping, UndefinedCharactersTakeNoRoomAndAreNotThePreviousCharacter) {
    // The tab between two spaces does not keep the second space from collapsing.
    EXPECT_EQ(Wrap("a \t b", 400), "a \t b");
    ExpectGlyphs({{'a', 99.5f, 49.5f}, {' ', 109.5f, 49.5f}, {'b', 114.5f, 49.5f}});

    // 'aaaa ' is 45; the first b overflows right after the space, which is still the
    // previous character, so no mark is needed.
    EXPECT_EQ(Wrap("aaaa \tbbbb", 50), "aaaa \tbbbb");
    EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"aaaa ", "bbbb"}));
}

TEST_F(TextWrapping, ContinuationLinesStartOnAWholePixel) {
    struct Case {
        float x, first, next;
    };
    // Round(x - 0.5) - 0.5, halves to even: odd whole x start later lines a pixel left.
    for (Case c : {Case{100, 99.5f, 99.5f}, Case{101, 100.5f, 99.5f}, Case{103, 102.5f, 101.5f},
                   Case{100.25f, 99.75f, 99.5f}, Case{99.75f, 99.25f, 98.5f}}) {
        SCOPED_TRACE(c.x);
        Wrap("aaaa", 25, c.x);
        std::vector<DrawnGlyph> drawn = DrawnGlyphs();
        ASSERT_EQ(drawn.size(), 4u);
        EXPECT_FLOAT_EQ(drawn[0].penX, c.first);
        EXPECT_FLOAT_EQ(drawn[2].penX, c.next);
        EXPECT_FLOAT_EQ(drawn[2].penY, 65.5f);
    }
}

TEST_F(TextWrapping, ScaleSetsLineHeightAndTheSemicolonStep) {
    FakeDraws().clear();
    DrawTextWrapped(MainFont, 100, 50, "aa;bb", 1000, -1, -1, 2.0f, FontDefault);
    std::vector<RecordedDraw> draws = FakeQuadDraws();
    ASSERT_EQ(draws.size(), 4u);
    // Line height TextHeight(2 x 14) + 2 = 30; the pen steps back 2 x 4.
    EXPECT_FLOAT_EQ(draws[2].points[0].x, 99.5f - 8 + 2);
    EXPECT_FLOAT_EQ(draws[2].points[0].y, 49.5f + 30 + 4);
    EXPECT_FLOAT_EQ(draws[3].points[0].x, 99.5f - 8 + 20 + 2);
}

TEST_F(TextWrapping, LineThatFitsLooksExactlyLikeDrawText) {
    struct Style {
        int alpha, colour;
        float scale, slant;
    };
    for (Style st : {Style{100, 0x0000FF, 1.5f, 20.0f}, Style{-1, -1, -1.0f, -1.0f}, Style{255, 0x00FF00, 0.5f, FontDefault}}) {
        SCOPED_TRACE(st.scale);
        FakeDraws().clear();
        DrawText(MainFont, 31, 17, "ab, cd", st.alpha, st.colour, st.scale, st.slant);
        std::vector<RecordedDraw> line = FakeQuadDraws();
        FakeDraws().clear();
        DrawTextWrapped(MainFont, 31, 17, "ab, cd", 1000, st.alpha, st.colour, st.scale, st.slant);
        std::vector<RecordedDraw> wrapped = FakeQuadDraws();
        ASSERT_EQ(wrapped.size(), line.size());
        for (std::size_t i = 0; i < line.size(); ++i) {
            for (int p = 0; p < 4; ++p) {
                EXPECT_FLOAT_EQ(wrapped[i].points[p].x, line[i].points[p].x);
                EXPECT_FLOAT_EQ(wrapped[i].points[p].y, line[i].points[p].y);
            }
            EXPECT_EQ(wrapped[i].u0, line[i].u0);
            EXPECT_EQ(wrapped[i].v1, line[i].v1);
            EXPECT_EQ(wrapped[i].tint, line[i].tint);
            EXPECT_EQ(wrapped[i].alpha, line[i].alpha);
        }
    }
}

}  // namespace
