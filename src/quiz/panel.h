// The question panel: bottom bar, blackboard, choice buttons, the professor and his taps,
// and the strip with score, question count and lives.
#pragma once

extern float PanelEase, BottomBarY, BlackboardY, ChoicesY, ProfessorX, ProfessorY, ProfessorAngle;
extern float LeaveDelay, TapTimer, TapSize, TapAlpha;
extern int ProfessorLeaving, TapWaiting, TapVisible, TapCount;

void ResetPanel();
void ResetTap();
void DrawTap();
void DrawQuestionPanel();
void ResetPanelState();
