// Shared set-up for the quiz, hub, effects and token tests: a fresh game state on the fake
// platform, pictures of the sizes the game gives them, a small question bank, a fixture font
// whose every glyph tells which character it is, and whole frames run through the spine.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/game.h"
#include "app/keys.h"
#include "app/reset.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "content/question_bank.h"
#include "content/subject_descriptor.h"
#include "games/game_scene.h"
#include "games/particles.h"
#include "platform/fake/fake_platform.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/video.h"
#include "quiz/judgement.h"
#include "quiz/notepad.h"
#include "quiz/panel.h"
#include "quiz/rounds.h"
#include "quiz/screens.h"
#include "quiz/tip.h"
#include "render/font.h"

// ---- fixture font: every code 32..255 is a glyph `advance` wide and 20 high drawn at the
// pen; its texture rectangle starts at u = code / 256, so a draw tells its character ----
constexpr int FixtureRise = 20;
inline int FixtureAdvance = 10;

inline void InstallFixtureFont(int advance = 10) {
    FreeFont(FindFont(MainFont));
    FixtureAdvance = advance;
    auto* font = new BitmapFont;
    font->FontNumber = MainFont;
    font->AtlasQuad = FakeCreateQuad(256 * advance, FixtureRise);
    for (int c = 32; c < 256; ++c) {
        GlyphEntry& g = font->Glyphs[c];
        g.Defined = true;
        g.Advance = g.Width = advance;
        g.Rise = g.Height = FixtureRise;
        g.U0 = c / 256.0f;
        g.U1 = (c + 1) / 256.0f;
        g.V1 = 1;
    }
    FontTable[MainFont] = font;
}

// One run of glyphs drawn side by side on one line, in one colour.
struct DrawnText {
    std::string text;
    float x = 0, y = 0;   // pen at the first glyph
    float scale = 1;
    unsigned tint = 0;    // 0xRRGGBB as sent to the platform
    int alpha = 0;
};

inline std::vector<DrawnText> DrawnTexts() {
    std::vector<DrawnText> runs;
    float nextX = NAN;
    for (const RecordedDraw& d : FakeDraws()) {
        if (d.kind != RecordedDraw::Region) continue;
        const float width = d.points[1].x - d.points[0].x;
        const bool joins = !runs.empty() && std::fabs(d.points[0].y - runs.back().y) < 0.01f &&
                           std::fabs(d.points[0].x - nextX) < 0.01f && d.tint == runs.back().tint;
        if (!joins) runs.push_back({"", d.points[0].x, d.points[0].y, width / FixtureAdvance, d.tint, d.alpha});
        runs.back().text += static_cast<char>(std::lround(d.u0 * 256));
        nextX = d.points[0].x + width;
    }
    return runs;
}

// The drawn run with exactly this text, or nullptr.
inline const DrawnText* FindText(const std::vector<DrawnText>& runs, const std::string& text) {
    for (const DrawnText& r : runs)
        if (r.text == text) return &r;
    return nullptr;
}

// ---- pictures, at the sizes the catalogue gives them ----
inline void GivePictures() {
    auto q = [](int w, int h) { return FakeCreateQuad(w, h); };
    GloveQuad = q(80, 80);
    GloveShadowQuad = q(80, 80);
    WandQuad = q(128, 128);
    WandShadowQuad = q(128, 128);
    for (int k = 0; k <= 4; ++k) GemQuad[k] = q(64, 64);
    TitleQuad = q(1024, 400);
    LogoQuad = q(480, 480);
    SubjectQuad = q(380, 380);
    GameButtonQuad[0] = q(200, 200);
    for (int b = 1; b <= 6; ++b) GameButtonQuad[b] = q(280, 280);
    MuteQuad[0] = q(64, 64);
    MuteQuad[1] = q(64, 64);
    GreyQuad = q(1024, 48);
    LifeQuad = q(38, 38);
    BotbarLeftQuad = q(256, 200);
    BotbarMidQuad = q(256, 200);
    BotbarRightQuad = q(256, 200);
    for (int k = 0; k < 4; ++k) ChoiceQuad[k] = q(290, 290);
    BlackboardQuad = q(360, 360);
    BlackboardShadowQuad = q(360, 360);
    ProfessorQuad = q(210, 210);
    ProfessorShadowQuad = q(210, 210);
    TapQuad = q(48, 48);
    CorrectQuad = q(400, 400);
    WrongQuad = q(400, 400);
    OopsQuad = q(400, 400);
    Timer0Quad = q(64, 64);
    Timer1Quad = q(64, 64);
    Tick0Quad = q(80, 80);
    Tick1Quad = q(80, 80);
    NotepadQuad = q(580, 580);
    NameQuad = q(360, 360);
    for (int n = 1; n <= 5; ++n) {
        ResultQuad[n] = q(360, 360);
        RevisionQuad[n] = q(360, 360);
    }
    HudOpt2Quad = q(120, 120);
    HudOptTurnQuad = q(140, 140);
    BubbleQuad = q(256, 256);
    for (int f = 0; f < 4; ++f) HintQuad[f] = q(150, 150);
    BoomQuad = q(72, 72);
    BoomGlowQuad = q(72, 72);
    SparkleQuad = q(80, 80);
    RockQuad = q(100, 100);
    RocketQuad = q(100, 100);
    BoatQuad = q(120, 120);
    for (int n = 1; n <= 5; ++n) {
        TipPicture[n] = q(200, 200);
        TipPictureSize[n] = 180;
    }
}

// ---- the question bank: question i reads "Question i", its right choice is rightChoice ----
inline void FillBank(int count, int rightChoice = 2) {
    QuestionBank.assign(count + 1, BankQuestion{});
    for (int i = 1; i <= count; ++i) {
        BankQuestion& b = QuestionBank[i];
        b.Text = "Question " + std::to_string(i);
        b.ChoiceTexts[1] = "Blue";
        b.ChoiceTexts[2] = "Yellow";
        b.ChoiceTexts[3] = "Red";
        b.ChoiceTexts[4] = "Green";
        b.RightChoice = rightChoice;
    }
    QuestionCount = count;
    QuestionCursor = 0;
}

// Sound handles for the effects the quiz plays.
inline void GiveSounds() {
    InitSound();
    GoodSound = 101;
    WrongSound = 102;
    PageSound = 103;
    LaserSound = 104;
}

// The plays of one sound, in order.
inline std::vector<RecordedSound> PlaysOf(int sound) {
    std::vector<RecordedSound> out;
    for (const RecordedSound& s : FakeSounds())
        if (s.kind == RecordedSound::Play && s.sound == sound) out.push_back(s);
    return out;
}

// The quads drawn with this picture, in drawing order.
inline std::vector<RecordedDraw> DrawsOf(int quad) {
    std::vector<RecordedDraw> out;
    for (const RecordedDraw& d : FakeQuadDraws())
        if (d.quad == quad) out.push_back(d);
    return out;
}

// A fresh game on the fake platform with an open window, the pointer captured, pictures,
// the fixture font, three lives and a bank of 30 questions; frames last one tick.
// Stand-in scenes for games not yet in the program, so the screens can be exercised with all
// five games present. The program's own games are left as they are.
struct AllGamesPresent {
    GameScene standIn{nullptr, nullptr, nullptr};
    bool added[6] = {};
    AllGamesPresent() {
        for (int n = 1; n <= 5; ++n)
            if (!GameInProgram(n)) {
                SetGameScene(n, &standIn);
                added[n] = true;
            }
    }
    ~AllGamesPresent() {
        for (int n = 1; n <= 5; ++n)
            if (added[n]) SetGameScene(n, nullptr);
    }
};

class QuizTest : public ::testing::Test {
protected:
    AllGamesPresent allGames;   // the screens are tested with every game in place

    void SetUp() override {
        FakePlatformReset();
        ResetGameState();
        OpenGameWindow("test", 1024, 768);
        OpenDrawingSurface(true, 1024, 768, "test");
        CapturePointer();
        GivePictures();
        GiveSounds();
        InstallFixtureFont();
        StartLives = 3;
        Lives = 3;
        FillBank(30);
        FakeAdvanceTime(10);   // the first frame is one tick long, as are all that follow
        FrameFactor = 1;
        FrameTicks = 1;
    }

    // What the spine does before its first frame.
    static void StartUp() {
        EnterScreen(0);
        ResetPanel();
        NextQuestion();
    }
    static void Frames(int n) {
        for (int i = 0; i < n; ++i) ASSERT_TRUE(RunFrame());
    }
    // The pointer goes to (x, y) for the next frame.
    static void PointAt(int x, int y) { PlacePointer(x, y); }
    // One frame with the left button going down, then one with it let go.
    static void ClickFrame() {
        FakeSetMouseButton(true);
        Frames(1);
        FakeSetMouseButton(false);
        Frames(1);
    }
    // A key pressed for one frame and let go; it is reported in the third frame.
    static void TapKey(int key) {
        FakeSetKey(key, true);
        Frames(1);
        FakeSetKey(key, false);
        Frames(2);
    }
    // Starts the round as the hub does and enters game n with its tip already dismissed.
    static void EnterGameWithoutTip(int n) {
        TipSeen[n] = 1;
        EnterScreen(n);
    }
};

