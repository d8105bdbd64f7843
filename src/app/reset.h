// Puts every subsystem's state back to its start-up defaults. Start-up and every test call it.
#pragma once

void ResetGameState();
