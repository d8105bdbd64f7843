// The options window's banner: 418 x 78, 24-bit colour.
#pragma once
#include "png_out.h"

Pixels DrawBanner();
