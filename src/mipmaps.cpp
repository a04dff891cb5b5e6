#include "mipmaps.h"

#include <GL/gl.h>
#include <algorithm>

std::vector<unsigned char> halveRgba(const std::vector<unsigned char> &level, int width, int height)
{
    const int w = std::max(width / 2, 1);
    const int h = std::max(height / 2, 1);
    std::vector<unsigned char> next(size_t(w) * size_t(h) * 4);
    auto at = [&](int x, int y, int c) {
        return int(level[(size_t(std::min(y, height - 1)) * size_t(width) +
                          size_t(std::min(x, width - 1))) *
                             4 +
                         size_t(c)]);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 4; ++c) {
                const int sum = at(2 * x, 2 * y, c) + at(2 * x + 1, 2 * y, c) +
                                at(2 * x, 2 * y + 1, c) + at(2 * x + 1, 2 * y + 1, c);
                next[(size_t(y) * size_t(w) + size_t(x)) * 4 + size_t(c)] =
                    static_cast<unsigned char>((sum + 2) / 4);
            }
    return next;
}

// Asking the driver for mipmaps (GL_GENERATE_MIPMAP, as QGLContext::bindTexture does by
// default) makes llvmpipe compile a blit shader that its shader cache does not keep: on
// every start that held the first frame back by about 150 ms. A 256x256 picture halves on
// the CPU in well under a millisecond, with the same box filter.
void buildMipmaps()
{
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (width <= 0 || height <= 0)
        return;
    std::vector<unsigned char> level(size_t(width) * size_t(height) * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, level.data());
    for (GLint n = 1; width > 1 || height > 1; ++n) {
        level = halveRgba(level, width, height);
        width = std::max(width / 2, 1);
        height = std::max(height / 2, 1);
        glTexImage2D(GL_TEXTURE_2D, n, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     level.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
}
