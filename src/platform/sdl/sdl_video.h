// What the SDL services share among themselves (never seen by game code).
#pragma once
#include <SDL2/SDL.h>

SDL_Window* GameSdlWindow();
bool GameSurfaceWindowed();
void GameSurfaceSize(int& width, int& height);   // the game's logical surface
