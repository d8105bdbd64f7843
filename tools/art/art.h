// The picture drawers, one per picture (or per frame of a series). Each returns finished pixels
// at the size the game shows the picture.
#pragma once
#include "png_out.h"

// Question panel
Pixels DrawBarLeft();
Pixels DrawBarMid();
Pixels DrawBarRight();
Pixels DrawProfessor();
Pixels DrawBlackboard();
Pixels DrawChoice(int choice);  // 1 blue, 2 yellow, 3 red, 4 green
Pixels DrawGreyStrip();
Pixels DrawLife();

// Answer feedback
Pixels DrawTimerFace();
Pixels DrawTimerHand();
Pixels DrawTick();
Pixels DrawCross();
Pixels DrawCorrect();
Pixels DrawWrong();
Pixels DrawOops();
Pixels DrawTap();

// Pointers
Pixels DrawGlove();
Pixels DrawWand();

// Game tip bubble
Pixels DrawBubble();
Pixels DrawHint(int frame);  // 1..3

// Notepad
Pixels DrawNotepad();
Pixels DrawOkButton();
Pixels DrawOkRing();
Pixels DrawNamePage();
Pixels DrawGradeCard(int grade);  // 1 AA, 2 A, 3 B, 4 C, 5 F

// Things in play and effects
Pixels DrawGem(int choice);
Pixels DrawBomb();
Pixels DrawSparkle();
Pixels DrawBoom();
Pixels DrawBoomGlow();
Pixels DrawRock();
Pixels DrawRocket();
Pixels DrawLaser();
Pixels DrawRing();
Pixels DrawRoundShadow();
Pixels DrawRipple();
Pixels DrawBoat();
Pixels DrawCoffin(int choice);
Pixels DrawWoodShard();

// Characters
Pixels DrawKidIdle(int frame);  // 0..2
Pixels DrawKidWalk(int frame);  // 0..4
Pixels DrawKidJump();
Pixels DrawKidFall();
Pixels DrawKidDead();
Pixels DrawZombie(int frame);  // 1..9
Pixels DrawBat(int frame);     // 1..4
Pixels DrawRobotIdle(int frame);   // 0..1
Pixels DrawRobotDrive(int frame);  // 0..1
Pixels DrawRobotBored(int frame);  // 0..3
Pixels DrawRobotGoFly(int frame);  // 0..3
Pixels DrawRobotFly(int frame);    // 0..2
Pixels DrawGrabber();
Pixels DrawGrabberArm();

// Hub
Pixels DrawGameButton(int game);  // 1..6
Pixels DrawExitButton();
Pixels DrawMute(bool muted);
Pixels DrawLogo();
Pixels DrawTitle();

// Scenes
Pixels DrawJungle();
Pixels DrawPlatform();
Pixels DrawVines();
Pixels DrawSpace();
Pixels DrawWorkshop();
Pixels DrawFloorTile();
Pixels DrawWorkshopFront();
Pixels DrawLake();
Pixels DrawWaterDeep();
Pixels DrawWaterTop();
Pixels DrawGraveyard();
