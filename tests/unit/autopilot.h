// A test autopilot for game 1: it plays the kid with the pointer the way a student would,
// walking and jumping to the gem of a chosen colour while keeping clear of the zombie and
// the bat, or walking into the zombie on purpose.
//
// It plans with a model of the kid's motion over the scene as it stands (platforms, gems,
// the creatures' patrols) and searches short sequences of walks, jumps and waits. The plan
// is followed frame by frame and made afresh whenever the scene differs from what the
// model foresaw (a longer frame, a new scene).
#pragma once

struct AutopilotInput {
    float dx = 0;        // horizontal pointer movement of the frame; only its sign counts
    bool click = false;  // left button down this frame
};

enum class AutopilotGoal { Gem, Zombie };

void ResetAutopilot();

// This frame's input towards the goal: the gem of colour `choice` (1..4), or the zombie.
AutopilotInput JumperAutopilot(AutopilotGoal goal, int choice = 0);

// Hands the input to the fake mouse, so the game reads it through its real pointer path.
// A click needs the button up in the frame before; the autopilot keeps to that.
void FeedPointer(const AutopilotInput& input);

// Counters for tests: plans made, and plans that found no way to the goal.
int AutopilotPlans();
int AutopilotFailedPlans();
