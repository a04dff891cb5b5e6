#include "mipmaps.h"

#include <QImage>
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
// the CPU in well under a millisecond, with the same box filter; a 4096x4096 one takes long
// enough that it is halved where it is decoded, away from the frames.
TextureLevels textureLevels(const QImage &picture)
{
    // What QGLContext::bindTexture made of a picture: one with an alpha channel becomes
    // non-premultiplied ARGB, any other opaque RGB; then RGBA bytes, bottom row first.
    const QImage texels = picture
                              .convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                         : QImage::Format_RGB32)
                              .convertToFormat(QImage::Format_RGBA8888)
                              .mirrored();
    int width = texels.width(), height = texels.height();
    if (width <= 0 || height <= 0)
        return {};
    TextureLevels levels;
    levels.push_back({width, height, {}});
    // Rows of four-byte texels are packed: no padding to skip.
    levels.back().texels.assign(texels.constBits(),
                                texels.constBits() + size_t(width) * size_t(height) * 4);
    while (width > 1 || height > 1) {
        std::vector<unsigned char> next = halveRgba(levels.back().texels, width, height);
        width = std::max(width / 2, 1);
        height = std::max(height / 2, 1);
        levels.push_back({width, height, std::move(next)});
    }
    return levels;
}

GLuint uploadTextureLevels(const TextureLevels &levels)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    for (size_t n = 0; n < levels.size(); ++n)
        glTexImage2D(GL_TEXTURE_2D, GLint(n), GL_RGBA, levels[n].width, levels[n].height, 0,
                     GL_RGBA, GL_UNSIGNED_BYTE, levels[n].texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    return texture;
}
