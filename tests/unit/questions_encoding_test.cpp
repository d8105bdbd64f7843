// Subject files saved as UTF-8 are converted to the font's Windows-1252 code page;
// files already in Windows-1252 are kept byte for byte. Each file is judged alone.
#include <gtest/gtest.h>

#include <string>

#include "app/reset.h"
#include "content/question_bank.h"
#include "content/windows1252.h"
#include "platform/fake/fake_platform.h"

namespace {

std::string Text(const std::string& bytes) {
    return SubjectFileText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::string Utf8(std::uint32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

TEST(SubjectEncoding, Utf8CharactersBecomeTheirCodePageBytes) {
    struct Case {
        const char* name;
        std::string file;
        std::string text;
    } cases[] = {
        {"e acute", "caf\xC3\xA9", "caf\xE9"},
        {"euro sign", "\xE2\x82\xAC" "5", "\x80" "5"},
        {"times and divide", "3 \xC3\x97 4 \xC3\xB7 2", "3 \xD7 4 \xF7 2"},
        {"curly quotes and dash", "\xE2\x80\x9CHi\xE2\x80\x9D \xE2\x80\x93 ok", "\x93Hi\x94 \x96 ok"},
        {"check mark is not in the code page", "ok \xE2\x9C\x93", "ok ?"},
        {"minus sign is not in the code page", "5 \xE2\x88\x92 2", "5 ? 2"},
        {"emoji is one question mark", "hi \xF0\x9F\x98\x80!", "hi ?!"},
        {"byte-order mark dropped", "\xEF\xBB\xBFQ1\xC3\xA9", "Q1\xE9"},
        {"plain ASCII unchanged", "What is 2 + 2?\r\n", "What is 2 + 2?\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Text(c.file), c.text) << c.name;
}

TEST(SubjectEncoding, FilesThatAreNotUtf8AreKeptByteForByte) {
    struct Case {
        const char* name;
        std::string file;
    } cases[] = {
        {"Windows-1252 accents", "Caf\xE9 na\xEFve \x80" "5"},
        {"valid UTF-8 beside a stray byte", "caf\xC3\xA9 and caf\xE9"},
        {"overlong slash", "a\xC0\xAF" "b"},
        {"surrogate half", "a\xED\xA0\x80" "b"},
        {"beyond U+10FFFF", "a\xF4\x90\x80\x80"},
        {"character cut short by the end", "abc\xE2\x82"},
        {"lone continuation byte", "\x93quoted\x94"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(IsValidUtf8(reinterpret_cast<const unsigned char*>(c.file.data()), c.file.size())) << c.name;
        EXPECT_EQ(Text(c.file), c.file) << c.name;
    }
}

TEST(SubjectEncoding, EveryCodePageCharacterSurvivesTheTripThroughUtf8) {
    for (int byte = 1; byte < 256; ++byte) {
        std::uint32_t codePoint = Windows1252CodePoint(static_cast<unsigned char>(byte));
        if (codePoint == 0) {
            EXPECT_TRUE(byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) << byte;
            continue;
        }
        EXPECT_EQ(Windows1252Byte(codePoint), byte) << byte;
        std::string bytes = "x" + Utf8(codePoint);
        EXPECT_EQ(Text(bytes), "x" + std::string(1, static_cast<char>(byte))) << byte;
    }
    // C1 control characters look like the high bytes but are not in the code page.
    EXPECT_EQ(Windows1252Byte(0x80), -1);
    EXPECT_EQ(Windows1252Byte(0x9F), -1);
    EXPECT_EQ(Windows1252Byte(0x100), -1);
}

TEST(SubjectEncoding, QuestionFileIsConvertedBeforeItsLinesAreRead) {
    FakePlatformReset();
    ResetGameState();
    std::string file = "Q\nCombien co\xC3\xBBte \xE2\x9C\x93?\n2\n\xE2\x82\xAC" "1\n2 \xE2\x82\xAC\nTr\xC3\xA8s\nNon\n";
    ParseQuestions(reinterpret_cast<const unsigned char*>(file.data()), file.size());
    ASSERT_EQ(QuestionCount, 1);
    EXPECT_EQ(QuestionBank[1].Text, "Combien co\xFBte ??");
    EXPECT_EQ(QuestionBank[1].ChoiceTexts[1], "\x80" "1");
    EXPECT_EQ(QuestionBank[1].ChoiceTexts[2], "2 \x80");
    EXPECT_EQ(QuestionBank[1].ChoiceTexts[3], "Tr\xE8s");
}

}  // namespace

TEST(Windows1252Text, TurnsBackIntoUtf8ForMessages) {
    const std::pair<std::string, std::string> cases[] = {
        {"G\xE9ographie", "G\xC3\xA9ographie"},
        {"\x80 5", "\xE2\x82\xAC 5"},
        {"a\x81" "b", "a?b"},   // undefined in the code page
        {"", ""},
    };
    for (const auto& [windows1252, utf8] : cases) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(windows1252.data());
        EXPECT_EQ(Windows1252ToUtf8(bytes, windows1252.size()), utf8);
        if (windows1252.find('\x81') == std::string::npos) {
            EXPECT_EQ(Utf8ToWindows1252(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size()), windows1252);
        }
    }
}
