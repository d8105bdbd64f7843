// The options window's banner: a 418 x 78 PNG drawn by the asset forge and built into the program.
#pragma once

extern const unsigned char BannerPng[];
extern const unsigned int BannerPngSize;
