// The program's spine: start-up, the frame loop and shutdown.
#pragma once

extern int QuitRequested;   // set by the hub's exit button; the loop ends after this frame

// Runs the whole program: start-up, the frame loop, shutdown. programPath finds the
// working folder when the game is started from elsewhere.
void RunGame(const char* programPath);

// The same in steps, for tests and tools.
bool StartProgram();     // false when start-up ended the program (a message, or Quit)
bool RunFrame();      // one pass of the frame loop; false when the program ends
void ShutDownGame();
