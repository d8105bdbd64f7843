// The hub: title, logo, the subject's picture, six game buttons on an arc, and the exit
// and mute buttons. Buttons 1..5 start games 1..5, button 6 a random game.
#pragma once

extern float LogoY;                // top edge of the logo
extern float SubjectPictureSize;   // width and height of the subject picture
extern float ButtonX[7], ButtonY[7];              // centre of game button b, 1..6
extern float ButtonTargetX[7], ButtonTargetY[7];  // its place on the arc
extern float ButtonSize[7];

void SetUpHub();   // the hub's part of EnterScreen(0)
void DrawHub();    // one frame of the hub: animation, drawing and the frame's click
void ResetHub();
