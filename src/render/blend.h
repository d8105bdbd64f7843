// Blend modes: 0 ordinary alpha blending, 1 multiply (shadows), 2 source plus destination
// squared, 3 additive glow. Any other number blends ordinarily.
#pragma once

extern int CurrentBlend;   // the mode applied last; -1 until the first SetBlend

void SetBlend(int mode);
