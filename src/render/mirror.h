// Square quads drawn as is (0), mirrored left to right (1), upside down (2) or both (3).
#pragma once

void MirrorQuad(int quad, float size, int mode);
