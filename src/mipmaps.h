// The screen picture as a texture: its mipmap levels, built on the CPU on any thread, then
// handed to the GL on the thread whose context is current.
#pragma once

#include <GL/gl.h>
#include <vector>

class QImage;

// One level down: each texel is the rounded mean of the 2x2 block above it (RGBA, eight
// bits a channel, rows packed). A side of 1 stays 1; an odd side drops its last texel.
std::vector<unsigned char> halveRgba(const std::vector<unsigned char> &level, int width,
                                     int height);

struct TextureLevel {
    int width, height;
    std::vector<unsigned char> texels; // RGBA, not premultiplied, bottom row first
};
using TextureLevels = std::vector<TextureLevel>; // level 0 first, down to 1x1

// The picture's colours as level 0, each level below halved from the one above. Needs no
// GL, so a large picture is prepared away from the thread that draws.
TextureLevels textureLevels(const QImage &picture);

// Makes the levels a GL_TEXTURE_2D, minified through them (GL_LINEAR_MIPMAP_LINEAR) and
// magnified linearly; leaves it bound and returns its name. Needs the context current.
GLuint uploadTextureLevels(const TextureLevels &levels);
