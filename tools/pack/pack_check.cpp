#include "pack_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <map>

#include "content/question_bank.h"
#include "content/subject_content.h"
#include "content/subject_descriptor.h"
#include "content/text_lines.h"
#include "content/windows1252.h"
#include "platform/fake/fake_platform.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "render/font.h"
#include "render/text.h"

namespace {

struct Checker {
    std::vector<PackDiagnostic> Found;
    BitmapFont* Font = nullptr;

    void Error(const std::string& file, int line, const std::string& message) {
        Found.push_back({file, line, true, message});
    }
    void Warning(const std::string& file, int line, const std::string& message) {
        Found.push_back({file, line, false, message});
    }
};

std::string Quoted(const std::string& windows1252) {
    // Messages are UTF-8; the game's text is Windows-1252.
    return "\"" +
           Windows1252ToUtf8(reinterpret_cast<const unsigned char*>(windows1252.data()), windows1252.size()) + "\"";
}

std::string CharacterName(unsigned char byte) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", byte);
    if (byte == '\t') return "a tab";
    if (byte < 0x20 || byte == 0x7F) return std::string("the control character ") + code;
    if (Windows1252CodePoint(byte) == 0) return std::string("byte ") + code + ", which Windows-1252 leaves unused";
    return Quoted(std::string(1, static_cast<char>(byte))) + " (" + code + ")";
}

// Characters of a UTF-8 file that Windows-1252 lacks: the game shows each as "?".
void CheckCodePage(Checker& check, const std::string& file, const std::vector<unsigned char>& bytes) {
    bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](unsigned char b) { return b >= 0x80; });
    if (!beyondAscii || !IsValidUtf8(bytes.data(), bytes.size())) return;
    std::string raw(bytes.begin(), bytes.end());
    TextCursor cursor = StartText(raw);
    while (!AtEndOfText(cursor)) {
        int line = cursor.LineNumber;
        std::string text = ReadTextLine(cursor);
        const unsigned char* data = reinterpret_cast<const unsigned char*>(text.data());
        for (std::size_t i = 0; i < text.size();) {
            std::uint32_t c = 0;
            std::size_t length = DecodeUtf8(data + i, text.size() - i, c);
            if (length == 0) break;
            bool byteOrderMark = line == 1 && i == 0 && c == 0xFEFF;
            if (!byteOrderMark && Windows1252Byte(c) < 0) {
                char name[16];
                std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
                check.Error(file, line,
                            std::string("character ") + name + " \"" + text.substr(i, length) +
                                "\" is not in the game's code page (Windows-1252) and shows as \"?\"");
            }
            i += length;
        }
    }
}

// Characters of a game text that the font has no glyph for: they are not drawn at all.
void CheckGlyphs(Checker& check, const std::string& file, int line, const std::string& text) {
    if (!check.Font) return;
    std::string reported;
    for (unsigned char byte : text)
        if (!check.Font->Glyphs[byte].Defined && reported.find(static_cast<char>(byte)) == std::string::npos) {
            reported += static_cast<char>(byte);
            check.Error(file, line, "the font has no glyph for " + CharacterName(byte) + ": it would not be drawn");
        }
}

struct WrappedText {
    int Lines = 0;
    float Bottom = 0;       // lowest drawn pixel
    bool Settled = true;    // the line breaks stopped changing from one frame to the next
};

// Draws a text the way the game's panel or bubble does, frame after frame until its
// line breaks settle, and measures the last frame from the recorded glyphs.
WrappedText MeasureWrapped(const std::string& text, float x, float y, float width, float scale, bool semicolonAsSpace) {
    std::string current = text;
    bool settled = false;
    for (int frame = 0; frame < 16 && !settled; ++frame) {
        SemicolonAsSpace = semicolonAsSpace ? 1 : 0;
        std::string next = DrawTextWrapped(MainFont, x, y, current, width, 255, 0xFFFFFF, scale, FontDefault);
        SemicolonAsSpace = 0;
        settled = next == current;
        current = next;
    }
    BitmapFont* font = FindFont(MainFont);
    // The glyph each drawn texture rectangle belongs to, to find its pen position.
    std::map<std::pair<float, float>, int> glyphAt;
    for (int code = 255; code >= 1; --code) {
        const GlyphEntry& g = font->Glyphs[code];
        if (g.Defined && g.Width > 0 && g.Height > 0) glyphAt[{g.U0, g.V0}] = code;
    }
    float lineHeight = static_cast<float>(TextHeight(MainFont, current, scale) + 2);
    FakeDraws().clear();
    SemicolonAsSpace = semicolonAsSpace ? 1 : 0;
    DrawTextWrapped(MainFont, x, y, current, width, 255, 0xFFFFFF, scale, FontDefault);
    SemicolonAsSpace = 0;
    WrappedText result;
    result.Settled = settled;
    for (const RecordedDraw& d : FakeDraws()) {
        if (d.kind != RecordedDraw::Region) continue;
        auto found = glyphAt.find({d.u0, d.v0});
        if (found == glyphAt.end()) continue;
        float penY = d.points[0].y - scale * static_cast<float>(font->Glyphs[found->second].OffsetY);
        int line = static_cast<int>(std::lround((penY - (y - 0.5f)) / std::max(lineHeight, 1.0f)));
        result.Lines = std::max(result.Lines, line + 1);
        result.Bottom = std::max(result.Bottom, d.points[2].y);
    }
    FakeDraws().clear();
    return result;
}

void CheckLongWords(Checker& check, const std::string& file, int line, const std::string& text, float width,
                    float scale, const std::string& where) {
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        char c = i < text.size() ? text[i] : ' ';
        if (c == ' ' || c == ';') {
            if (!word.empty() && static_cast<float>(TextWidth(MainFont, word, scale)) > width)
                check.Warning(file, line, "the word " + Quoted(word) + " is wider than " + where + " and is split");
            word.clear();
        } else {
            word += c;
        }
    }
}

// True when the game's integer reader uses every character of the text.
bool IsWholeNumber(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    const char* digits = "0123456789";
    if (i < text.size() && text[i] == '$') {
        digits = "0123456789abcdefABCDEF";
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        digits = "01";
        ++i;
    }
    return i < text.size() && text.find_first_not_of(digits, i) == std::string::npos;
}

bool ReadPackFile(const std::string& path, std::vector<unsigned char>& bytes) {
    if (std::filesystem::is_directory(path)) return false;
    return ReadWholeFile(path, bytes);
}

void CheckDescriptor(Checker& check, const std::string& folder) {
    const std::string file = "QBA.ini";
    std::vector<unsigned char> bytes;
    if (!ReadPackFile(folder + "/" + file, bytes)) {
        check.Error(file, 0, "cannot be read: the game stops at start-up with \"Failed to read QBA.ini\"");
        return;
    }
    CheckCodePage(check, file, bytes);
    ParseSubjectDescriptor(bytes.data(), bytes.size());

    std::string text = SubjectFileText(bytes.data(), bytes.size());
    TextCursor cursor = StartText(text);
    const char* meaning[DescriptorLineCount + 1] = {"",         "the subject's name", "a version", "the lives",
                                                    "the tip of game 1", "the tip of game 2", "the tip of game 3",
                                                    "the tip of game 4", "the tip of game 5"};
    for (int n = 1; n <= DescriptorLineCount; ++n) {
        if (AtEndOfText(cursor)) {
            check.Error(file, n, std::string("line missing: line ") + std::to_string(n) + " holds " + meaning[n]);
            continue;
        }
        std::string line = ReadTextLine(cursor);
        if (n == 2) continue;   // the game reads this line and uses nothing of it
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            check.Error(file, n, std::string("no \"=\": the value of this line (") + meaning[n] + ") reads as empty");
            continue;
        }
        if (line.find('=', equals + 1) != std::string::npos)
            check.Warning(file, n, "a second \"=\" ends the value: the text after it is not read");
        std::string value = LineValue(line);
        if (n == 1) {
            if (value.empty()) check.Error(file, n, "the subject's name is empty");
            CheckGlyphs(check, file, n, value);
        } else if (n == 3) {
            if (StartLives < 1)
                check.Error(file, n, "lives must be at least 1 (reads as " + std::to_string(StartLives) + ")");
            else if (StartLives > 9)
                check.Warning(file, n, std::to_string(StartLives) + " lives: more than 9 hearts crowd the score line");
            if (StartLives != 0 && !IsWholeNumber(value))
                check.Warning(file, n, "only the number at the start is read: " + Quoted(value) + " gives " +
                                           std::to_string(StartLives));
        } else if (n >= 4) {
            int game = n - 3;
            if (value.empty()) {
                check.Warning(file, n, "the tip of game " + std::to_string(game) + " is empty: its bubble shows no text");
                continue;
            }
            CheckGlyphs(check, file, n, value);
            if (!check.Font) continue;
            static const int pictureSize[6] = {0, 220, 180, 240, 140, 150};
            float pictureTop = 410.0f - static_cast<float>(pictureSize[game]) / 2.0f;
            WrappedText wrapped = MeasureWrapped(value, TipTextX, TipTextY, TipTextWidth, TipTextScale, true);
            if (!wrapped.Settled)
                check.Error(file, n, "the tip's line breaks never settle: each frame the game breaks the line once "
                                     "more and the text creeps down the bubble (a word too wide for it does this)");
            else if (wrapped.Bottom > pictureTop)
                check.Warning(file, n, "the tip takes " + std::to_string(wrapped.Lines) +
                                           " lines in the bubble and runs into the game's picture: shorten it");
            CheckLongWords(check, file, n, value, TipTextWidth, TipTextScale, "the tip bubble");
        }
    }
}

void CheckQuestions(Checker& check, const std::string& folder) {
    const std::string file = "q.dat";
    std::vector<unsigned char> bytes;
    if (!ReadPackFile(folder + "/" + file, bytes)) {
        check.Error(file, 0, "cannot be read: the game stops with \"Could not read question file.. subject\\q.dat\"");
        return;
    }
    CheckCodePage(check, file, bytes);
    std::vector<QuestionBlockPlace> places;
    ParseQuestions(bytes.data(), bytes.size(), &places);
    if (QuestionCount == 0) {
        check.Error(file, 0, "holds no questions");
        return;
    }
    const float boardLimit = static_cast<float>(BoardBottom - BoardMargin);
    for (int q = 1; q <= QuestionCount; ++q) {
        const BankQuestion& question = QuestionBank[q];
        const QuestionBlockPlace& place = places[q - 1];
        int header = place.HeaderLine;
        if (place.LinesPresent < 6)
            check.Error(file, header, "question block cut short by the end of the file: it has " +
                                          std::to_string(place.LinesPresent + 1) + " of its 7 lines");
        // Lines the file does not have are reported once, above; the checks below
        // look at the lines that are there.
        if (place.LinesPresent >= 1) {
            if (question.Text.empty()) {
                check.Error(file, header + 1, "the question is empty");
            } else {
                CheckGlyphs(check, file, header + 1, question.Text);
                if (check.Font) {
                    WrappedText wrapped =
                        MeasureWrapped(question.Text, BoardTextX, BoardTextY, BoardTextWidth, BoardTextScale, false);
                    if (!wrapped.Settled)
                        check.Error(file, header + 1,
                                    "the line breaks never settle: each frame the game breaks the line once more "
                                    "and the text creeps down the blackboard (a word too wide for the board does this)");
                    else if (wrapped.Bottom > boardLimit)
                        check.Error(file, header + 1,
                                    "the question needs " + std::to_string(wrapped.Lines) +
                                        " lines and runs off the bottom of the blackboard: shorten it");
                    else if (wrapped.Lines > BoardComfortableLines)
                        check.Warning(file, header + 1,
                                      "the question takes " + std::to_string(wrapped.Lines) +
                                          " lines on the blackboard: it fits, but it is long to read");
                    CheckLongWords(check, file, header + 1, question.Text, BoardTextWidth, BoardTextScale,
                                   "the blackboard");
                }
            }
        }
        if (place.LinesPresent >= 2 && (question.RightChoice < 1 || question.RightChoice > 4))
            check.Error(file, header + 2, "the right answer must be 1, 2, 3 or 4 (reads as " +
                                              std::to_string(question.RightChoice) + ")");
        for (int k = 1; k <= 4 && k + 2 <= place.LinesPresent; ++k) {
            int line = header + 2 + k;
            const std::string& answer = question.ChoiceTexts[k];
            if (answer.empty()) {
                check.Error(file, line, "answer " + std::to_string(k) + " is empty");
                continue;
            }
            CheckGlyphs(check, file, line, answer);
            for (int other = 1; other < k; ++other)
                if (question.ChoiceTexts[other] == answer)
                    check.Error(file, line, "answer " + std::to_string(k) + " is the same as answer " +
                                                std::to_string(other));
            if (!check.Font) continue;
            // The shrinking of the question rounds, step for step.
            float scale = 1.0f;
            while (static_cast<float>(TextWidth(MainFont, answer, scale)) > AnswerWidth) scale -= 0.025f;
            char shown[16];
            std::snprintf(shown, sizeof shown, "%.3g", scale);
            if (scale < SmallestAnswerScale - 0.001f)
                check.Error(file, line, "answer " + std::to_string(k) + " is too long: it must shrink to scale " +
                                            shown + " to fit its button, too small to read");
            else if (scale < ShrunkAnswerScale - 0.001f)
                check.Warning(file, line, "answer " + std::to_string(k) + " shrinks to scale " + shown +
                                              " to fit its button: a shorter answer reads better");
        }
    }
    if (QuestionCount < QuestionsPerRound)
        check.Warning(file, 0, "only " + std::to_string(QuestionCount) + (QuestionCount == 1 ? " question" : " questions") + ": a round of " +
                                   std::to_string(QuestionsPerRound) + " asks some of them twice");
}

bool PngHasAlpha(const std::vector<unsigned char>& bytes) {
    // The colour type is byte 25 of a PNG file (after the signature, the IHDR chunk's length
    // and name, width, height and depth); a tRNS chunk gives the other kinds transparency.
    int colourType = bytes.size() > 25 ? bytes[25] : -1;
    if (colourType == 4 || colourType == 6) return true;
    static const char chunk[] = "tRNS";
    return std::search(bytes.begin(), bytes.end(), chunk, chunk + 4) != bytes.end();
}

void CheckPicture(Checker& check, const std::string& folder, const std::string& file, int size, int mode) {
    std::vector<unsigned char> bytes;
    if (!ReadPackFile(folder + "/" + file, bytes)) {
        check.Error(file, 0, "missing: the game shows nothing in its place");
        return;
    }
    Image picture;
    if (!DecodePngMemory(bytes.data(), bytes.size(), mode, picture)) {
        check.Error(file, 0, "not a PNG picture the game can read");
        return;
    }
    if (picture.width != size || picture.height != size)
        check.Error(file, 0, "is " + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                                 " pixels; the game draws it at " + std::to_string(size) + " x " +
                                 std::to_string(size));
    if (mode == PictureOwnAlpha && !PngHasAlpha(bytes))
        check.Warning(file, 0, "has no alpha channel: the game shows its pure black pixels as holes");
    if (mode == PictureBlackIsHole) {
        std::size_t holes = 0;
        for (std::size_t i = 3; i < picture.rgba.size(); i += 4) holes += picture.rgba[i] == 0;
        if (holes > 0)
            check.Warning(file, 0, std::to_string(holes) +
                                       " pure black pixels: the game shows them as holes; use a near-black ink");
    }
}

}  // namespace

std::string FindPackFont(const std::string& packFolder) {
    std::filesystem::path folder(packFolder);
    for (const std::filesystem::path& candidate :
         {folder.parent_path() / "Helv20.tf", folder / "Helv20.tf", folder / ".." / "Helv20.tf"})
        if (std::filesystem::is_regular_file(candidate)) return candidate.string();
    return std::string();
}

std::vector<PackDiagnostic> CheckPack(const std::string& packFolder, const std::string& fontPath) {
    Checker check;
    FakePlatformReset();
    ResetFonts();
    ResetSubjectContent();
    if (fontPath.empty()) {
        check.Error("Helv20.tf", 0, "the game's font was not found beside the pack; name it with --font");
    } else {
        check.Font = LoadFont(MainFont, fontPath);
        if (!check.Font) check.Error(fontPath, 0, "cannot be loaded as the game's font");
    }
    CheckDescriptor(check, packFolder);
    CheckQuestions(check, packFolder);
    CheckPicture(check, packFolder, "subject.png", 380, PictureOwnAlpha);
    for (int n = 1; n <= 5; ++n) CheckPicture(check, packFolder, "revis0" + std::to_string(n) + ".png", 360, PictureBlackIsHole);
    // Files in the order they were first reported, each file's problems by line.
    std::map<std::string, int> fileOrder;
    for (const PackDiagnostic& d : check.Found) fileOrder.emplace(d.File, static_cast<int>(fileOrder.size()));
    std::stable_sort(check.Found.begin(), check.Found.end(), [&](const PackDiagnostic& a, const PackDiagnostic& b) {
        int fa = fileOrder[a.File], fb = fileOrder[b.File];
        return fa != fb ? fa < fb : a.Line < b.Line;
    });
    return check.Found;
}

std::string FormatDiagnostic(const std::string& packFolder, const PackDiagnostic& d) {
    std::string where = d.File.find('/') == std::string::npos ? packFolder + "/" + d.File : d.File;
    if (d.Line > 0) where += ":" + std::to_string(d.Line);
    return where + (d.Error ? ": error: " : ": warning: ") + d.Message;
}
