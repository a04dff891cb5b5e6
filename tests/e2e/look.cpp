// Reads screenshots for the end-to-end scripts: what colour is where and where the drawing
// is. Coordinates are window pixels from the top left and may be fractional (they come from
// velkar_project); they are rounded to the nearest pixel. Whole pictures are compared by
// differing_pixels (scripts/window.sh).
//
//   velkar_look pixel IMG X Y [X Y...]       "r g b" per point
//   velkar_look darkest IMG X Y [X Y...]     grey level (0-255) of the darkest pixel of the
//                                             3x3 block round each point
//   velkar_look lightest IMG X Y [X Y...]    the same, lightest pixel
//   velkar_look mean IMG R X Y [X Y...]      "r g b" averaged over the (2R+1)^2 block
//   velkar_look bbox IMG                      "left top right bottom" of everything that is
//                                             not background white, or "none"
//   velkar_look count IMG R CLASS X Y [X Y...]
//                                             how many pixels of the (2R+1)^2 block round
//                                             each point are of CLASS: dark, light, red,
//                                             green, blue or yellow
//   velkar_look size IMG                      "width height"
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

[[noreturn]] void fail(const char *what, const char *detail = "")
{
    std::fprintf(stderr, "velkar_look: %s%s\n", what, detail);
    std::exit(2);
}

QImage load(const char *file)
{
    QImage image(QString::fromLocal8Bit(file));
    if (image.isNull())
        fail("cannot read ", file);
    return image.convertToFormat(QImage::Format_RGB32);
}

QRgb at(const QImage &image, int x, int y)
{
    x = qBound(0, x, image.width() - 1);
    y = qBound(0, y, image.height() - 1);
    return image.pixel(x, y);
}

// Calls each(x, y) for the coordinate pairs in argv[first..argc).
void forPoints(int argc, char **argv, int first, const std::function<void(int, int)> &each)
{
    if ((argc - first) % 2 != 0 || argc == first)
        fail("points come as X Y pairs");
    for (int i = first; i < argc; i += 2)
        each(int(std::lround(std::atof(argv[i]))), int(std::lround(std::atof(argv[i + 1]))));
}

int extremeGrey(const QImage &image, int x, int y, bool darkest)
{
    int best = darkest ? 256 : -1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int g = qGray(at(image, x + dx, y + dy));
            best = darkest ? std::min(best, g) : std::max(best, g);
        }
    return best;
}

// Background is the clear colour, pure white; anything visibly off it is drawing.
bool isBackground(QRgb c)
{
    return qRed(c) >= 245 && qGreen(c) >= 245 && qBlue(c) >= 245;
}

// Colour classes with wide margins: the main screen sits under a translucent blue overlay
// and the picture is filtered, so exact colours are not to be had there.
bool isClass(QRgb c, const char *name)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (!std::strcmp(name, "dark"))
        return qGray(c) < 100;
    if (!std::strcmp(name, "light"))
        return qGray(c) > 200;
    if (!std::strcmp(name, "red"))
        return r - std::max(g, b) > 80;
    if (!std::strcmp(name, "green"))
        return g - std::max(r, b) > 60;
    if (!std::strcmp(name, "blue"))
        return b - std::max(r, g) > 80;
    if (!std::strcmp(name, "yellow"))
        return std::min(r, g) - b > 80;
    fail("unknown colour class ", name);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        fail("usage: velkar_look pixel|darkest|lightest|mean|count|bbox|size IMG ...");
    const char *command = argv[1];
    const QImage image = load(argv[2]);

    if (!std::strcmp(command, "pixel")) {
        forPoints(argc, argv, 3, [&](int x, int y) {
            const QRgb c = at(image, x, y);
            std::printf("%d %d %d\n", qRed(c), qGreen(c), qBlue(c));
        });
    } else if (!std::strcmp(command, "darkest") || !std::strcmp(command, "lightest")) {
        const bool darkest = !std::strcmp(command, "darkest");
        forPoints(argc, argv, 3,
                  [&](int x, int y) { std::printf("%d\n", extremeGrey(image, x, y, darkest)); });
    } else if (!std::strcmp(command, "mean")) {
        if (argc < 4)
            fail("mean needs a radius");
        const int r = std::atoi(argv[3]);
        forPoints(argc, argv, 4, [&](int x, int y) {
            long sum[3] = {0, 0, 0}, n = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx, ++n) {
                    const QRgb c = at(image, x + dx, y + dy);
                    sum[0] += qRed(c);
                    sum[1] += qGreen(c);
                    sum[2] += qBlue(c);
                }
            std::printf("%ld %ld %ld\n", sum[0] / n, sum[1] / n, sum[2] / n);
        });
    } else if (!std::strcmp(command, "count")) {
        if (argc < 5)
            fail("count needs a radius and a class");
        const int r = std::atoi(argv[3]);
        const char *name = argv[4];
        forPoints(argc, argv, 5, [&](int x, int y) {
            int n = 0;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    n += isClass(at(image, x + dx, y + dy), name);
            std::printf("%d\n", n);
        });
    } else if (!std::strcmp(command, "bbox")) {
        int left = image.width(), top = image.height(), right = -1, bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!isBackground(image.pixel(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        if (right < 0)
            std::printf("none\n");
        else
            std::printf("%d %d %d %d\n", left, top, right, bottom);
    } else if (!std::strcmp(command, "size")) {
        std::printf("%d %d\n", image.width(), image.height());
    } else {
        fail("unknown command ", command);
    }
    return 0;
}
