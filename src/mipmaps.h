// Mipmap levels of the screen picture, built on the CPU.
#pragma once

#include <vector>

// One level down: each texel is the rounded mean of the 2x2 block above it (RGBA, eight
// bits a channel, rows packed). A side of 1 stays 1; an odd side drops its last texel.
std::vector<unsigned char> halveRgba(const std::vector<unsigned char> &level, int width,
                                     int height);

// Fills levels 1 and down of the bound GL_TEXTURE_2D from its level 0 and minifies with
// them (GL_LINEAR_MIPMAP_LINEAR). Needs the context current.
void buildMipmaps();
