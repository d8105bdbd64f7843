// Judging answers: scoring, the feedback that follows, and the outcome once the
// countdown clock has gone round.
#include "quiz/judgement.h"

#include "app/catalogue.h"
#include "app/frame.h"
#include "app/rounding.h"
#include "app/screen.h"
#include "app/sound_control.h"
#include "content/subject_descriptor.h"
#include "games/game_scene.h"
#include "platform/video.h"
#include "quiz/notepad.h"
#include "quiz/panel.h"
#include "quiz/rounds.h"
#include "quiz/screens.h"
#include "quiz/tip.h"
#include "render/blend.h"
#include "render/pointer.h"

int QuestionOpen = 0, QuestionForfeited = 0, ChosenAnswer = 0, CorrectAnswer = 0;
int Score = 0, CorrectCount = 0, WrongCount = 0, Lives = 0;
int FeedbackActive = 0, FeedbackSprite = 0;
float FeedbackDelay = 0, TimerAlpha = 0, TimerAngle = 0, FeedbackX = 0, FeedbackY = 0, FeedbackAngle = 0;
float MarkSize = 160, MarkAlpha = 0;

namespace {

// The feedback picture starts beyond the right edge, turned, and flies in.
void LaunchFeedbackPicture(int picture) {
    FeedbackSprite = picture;
    FeedbackX = static_cast<float>(ScreenWidth + 160);
    FeedbackY = static_cast<float>(ScreenHeight - 300);
    FeedbackAngle = 400;
}

void LoseLife() {
    ++WrongCount;
    Lives = Lives > 0 ? Lives - 1 : 0;
}

}  // namespace

void SubmitAnswer(int choice) {
    QuestionOpen = 0;
    ChosenAnswer = choice;
    MarkSize = 240;
    MarkAlpha = 0;
    if (CorrectAnswer == ChosenAnswer) {
        LaunchFeedbackPicture(CorrectQuad);
        Score += 100;
        Lives = StartLives;   // a right answer forgives every failure before it
        ++CorrectCount;
        PlayEffect(GoodSound, 40);
    } else {
        LaunchFeedbackPicture(WrongQuad);
        Score = Score > 25 ? Score - 25 : 0;
        LoseLife();
        PlayEffect(WrongSound, 20);
    }
    StartFeedback();
}

void ForfeitQuestion() {
    QuestionOpen = 0;
    QuestionForfeited = 1;
    LaunchFeedbackPicture(OopsQuad);
    LoseLife();   // no choice was made: no mark, the score stays
    PlayEffect(WrongSound, 20);
    StartFeedback();
}

void StartFeedback() {
    FeedbackActive = 1;
    TimerAlpha = 0;
    TimerAngle = 0;
    FeedbackDelay = 100;
}

void StopFeedback() { FeedbackActive = 0; }

void CountdownStep() {
    if (FeedbackActive != 1) {
        TimerAlpha -= 8 * FrameFactor;
        if (TimerAlpha < 0) TimerAlpha = 0;
        return;
    }
    // The picture alone first, then the clock fades in, then its hand goes once round.
    FeedbackDelay -= FrameFactor;
    if (FeedbackDelay > 0) return;
    FeedbackDelay = 0;
    TimerAlpha += 8 * FrameFactor;
    if (TimerAlpha < 255) return;
    TimerAlpha = 255;
    TimerAngle += FrameFactor;
    if (TimerAngle < 360) return;
    TimerAngle = 360;
    FeedbackActive = 0;
    AnswerOutcome();
}

void AnswerOutcome() {
    if (ChosenAnswer == CorrectAnswer && QuestionForfeited == 0) {
        if (RandomGameMode == 1) CurrentScreen = NextGameInProgram(CurrentScreen);
        NextQuestion();   // after the twentieth this opens the report card instead
        ResetPanel();
        // Only a right answer in a game whose tip was already shown counts towards a revision
        // page. Once the round has ended its report card stays up: a page due with the last
        // answer would otherwise take the card's place.
        if (TipSeen[CurrentScreen] == 1 && ReportGrade == 0) {
            ++RevisionCounter;
            if (RevisionCounter > 3) {
                ++RevisionPage;
                if (RevisionPage >= 1 && RevisionPage <= 5) OpenRevision(RevisionPage);
                RevisionCounter = 0;
            }
        }
    } else if (Lives <= 0) {
        ShowReport(QuestionNumber > 14 ? 4 : 5);
    }
    EnterScreen(CurrentScreen);
    if (Lives <= 0 || NotepadOpen == 1) SetPointerSprite(GloveQuad, GloveShadowQuad, -28, -16);
}

void DrawCountdownClock() {
    if (TimerAlpha <= 0) return;
    const int alpha = Round(TimerAlpha);
    SetBlend(3);
    TurnQuad(Timer1Quad, TimerAngle, 0);
    DrawQuad(Timer0Quad, ScreenWidth - 90, 64, alpha);
    DrawQuad(Timer1Quad, ScreenWidth - 90, 64, alpha);
    SetBlend(0);
}

void DrawFeedbackPicture() {
    if (FeedbackSprite == 0) return;
    for (int tick = 0; tick < FrameTicks; ++tick) {
        FeedbackX = FeedbackX * 0.92f + CenterX * 0.08f;
        FeedbackY = FeedbackY * 0.92f + 25.6f;   // comes to rest at y 320
        FeedbackAngle *= 0.94f;
    }
    TurnQuad(FeedbackSprite, FeedbackAngle, 0);
    DrawQuad(FeedbackSprite, Round(FeedbackX - 200), Round(FeedbackY - 200), 255);
}

void DrawAnswerMark() {
    if (ChosenAnswer < 1 || ChosenAnswer > 4) return;
    MarkSize -= 8 * FrameFactor;
    if (MarkSize < 80) MarkSize = 80;
    MarkAlpha += 12 * FrameFactor;
    if (MarkAlpha > 255) MarkAlpha = 255;
    const int picture = ChosenAnswer == CorrectAnswer ? Tick1Quad : Tick0Quad;
    const int size = Round(MarkSize);
    SizeQuad(picture, size, size);
    const int left = ScreenWidth - 616, top = Round(ChoicesY);
    const int k = ChosenAnswer - 1;
    const float centreX = static_cast<float>(left + 250 + 298 * (k % 2));
    const float centreY = static_cast<float>(top + 147 + 86 * (k / 2));
    DrawQuad(picture, Round(centreX - MarkSize / 2), Round(centreY - MarkSize / 2), Round(MarkAlpha));
}

void ResetJudgement() {
    QuestionOpen = QuestionForfeited = ChosenAnswer = CorrectAnswer = 0;
    Score = CorrectCount = WrongCount = 0;
    Lives = StartLives;
    FeedbackActive = FeedbackSprite = 0;
    FeedbackDelay = TimerAlpha = TimerAngle = FeedbackX = FeedbackY = FeedbackAngle = 0;
    MarkSize = 160;
    MarkAlpha = 0;
}
