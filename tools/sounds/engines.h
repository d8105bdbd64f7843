// The two engine sounds that the game loops all the time and fades in and out:
// an outboard motor for the boat and a rotor with a turbine whine for the flying robot.
// Each is a whole number of engine cycles long, so its end runs into its start without a click.
#pragma once
#include "synth.h"

Signal MakeBoatMotor();
Signal MakeCopterRotor();

// Length of the loops in samples, for the seam checks.
int BoatLoopLength();
int CopterLoopLength();
