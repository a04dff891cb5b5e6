// The scene library's CPU-side helpers, no window, no GL context: the screen picture's
// mipmap levels, halved on the CPU, and the heap thresholds set for the frames.
#include <QImage>
#include <QtTest>
#include <cstdlib>

#include "heap.h"
#include "mipmaps.h"

// The heap checks need glibc's allocator: AddressSanitizer brings its own.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#define GLIBC_HEAP
#include <malloc.h>
#endif

namespace {

using Texels = std::vector<unsigned char>;

// A picture whose every texel is the given RGBA.
Texels uniform(int width, int height, std::initializer_list<unsigned char> rgba)
{
    Texels t;
    for (int i = 0; i < width * height; ++i)
        t.insert(t.end(), rgba);
    return t;
}

} // namespace

class tst_Mipmaps : public QObject
{
    Q_OBJECT

private slots:
    void blockBecomesItsRoundedMean();
    void blocksStaySeparate();
    void sideOfOneStaysOne();
    void oddSideDropsItsLastTexel();
    void chainEndsInOneTexelOfTheSameColour();
    void levelsBeginWithThePictureBottomRowFirst();
    void heapKeepsLargeBlocksUnlessTheUserTunedIt();
};

void tst_Mipmaps::blockBecomesItsRoundedMean()
{
    // Per channel: 10,20,30,40 -> 25; 0,0,1,1 -> 0.5 rounds up; 0,0,0,1 -> 0.25 rounds down.
    const Texels level = {10, 0, 0, 255, 20, 0, 0, 255, 30, 1, 0, 255, 40, 1, 1, 255};
    QCOMPARE(halveRgba(level, 2, 2), (Texels{25, 1, 0, 255}));
}

void tst_Mipmaps::blocksStaySeparate()
{
    // A 4x2 picture, black on the left half and white on the right.
    Texels level;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            level.insert(level.end(), 4, x < 2 ? 0 : 255);
    QCOMPARE(halveRgba(level, 4, 2), (Texels{0, 0, 0, 0, 255, 255, 255, 255}));
}

void tst_Mipmaps::sideOfOneStaysOne()
{
    // 1x4: rows pair up, 0 and 100 -> 50, 200 and 200 -> 200.
    const Texels level = {0, 0, 0, 0, 100, 100, 100, 100, 200, 200, 200, 200, 200, 200, 200, 200};
    QCOMPARE(halveRgba(level, 1, 4), (Texels{50, 50, 50, 50, 200, 200, 200, 200}));
}

void tst_Mipmaps::oddSideDropsItsLastTexel()
{
    // 3x3 -> 1x1 from the top-left 2x2 only; the last column and row (255) are dropped.
    Texels level = uniform(3, 3, {255, 255, 255, 255});
    for (int i : {0, 1, 3, 4})
        std::fill_n(level.begin() + 4 * i, 4, 8);
    QCOMPARE(halveRgba(level, 3, 3), (Texels{8, 8, 8, 8}));
}

void tst_Mipmaps::chainEndsInOneTexelOfTheSameColour()
{
    Texels level = uniform(256, 128, {12, 34, 56, 255});
    int width = 256, height = 128, levels = 0;
    while (width > 1 || height > 1) {
        level = halveRgba(level, width, height);
        width = std::max(width / 2, 1);
        height = std::max(height / 2, 1);
        ++levels;
        QCOMPARE(level.size(), size_t(width) * size_t(height) * 4);
    }
    QCOMPARE(levels, 8);
    QCOMPARE(level, (Texels{12, 34, 56, 255}));
}

void tst_Mipmaps::levelsBeginWithThePictureBottomRowFirst()
{
    // 2x2: black and translucent red over a white row; alpha stays as it is, not premultiplied.
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(255, 255, 255, 255));
    picture.setPixel(0, 0, qRgba(0, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(255, 0, 0, 101));
    const TextureLevels levels = textureLevels(picture);
    QCOMPARE(int(levels.size()), 2);
    QCOMPARE(levels[0].texels, (Texels{255, 255, 255, 255, 255, 255, 255, 255, //
                                       0, 0, 0, 255, 255, 0, 0, 101}));
    QCOMPARE(levels[1].texels, (Texels{191, 128, 128, 217})); // the four texels' rounded mean
    QCOMPARE(QSize(levels[1].width, levels[1].height), QSize(1, 1));
}

// A frame's upload buffers of a megabyte or more must come from the heap and stay there when
// freed. Both checks need a process that has not tuned its heap yet, so they run in order;
// the second block is the larger because glibc raises its own threshold to the size of a
// mapped block once it is freed.
void tst_Mipmaps::heapKeepsLargeBlocksUnlessTheUserTunedIt()
{
#ifdef GLIBC_HEAP
    constexpr size_t kMiB = 1024 * 1024;
    // Whether a block of the size is mapped on its own rather than taken from the heap.
    const auto mappedApart = [](size_t size) {
        const size_t before = mallinfo2().hblkhd;
        void *volatile block = std::malloc(size); // kept, so the call is not elided
        const size_t during = mallinfo2().hblkhd;
        std::free(block);
        return during >= before + size;
    };
    QVERIFY(qputenv("GLIBC_TUNABLES", "glibc.malloc.mmap_threshold=131072"));
    tuneHeapForFrames();
    QVERIFY2(mappedApart(4 * kMiB), "a threshold given in GLIBC_TUNABLES was overridden");

    QVERIFY(qunsetenv("GLIBC_TUNABLES"));
    tuneHeapForFrames();
    QVERIFY2(!mappedApart(16 * kMiB), "a 16 MiB block was mapped apart from the heap");
    // Freed at the top of the heap, it stays for the next frame instead of being trimmed.
    QVERIFY(mallinfo2().fordblks >= 16 * kMiB);
    // The threshold in effect is the one written in heap.h, which the bench replays with.
    QVERIFY2(!mappedApart(kHeapMmapThreshold - kMiB), "a block under the threshold was mapped");
    QVERIFY2(mappedApart(kHeapMmapThreshold + kMiB), "a block over the threshold was not mapped");
#else
    QSKIP("needs glibc's own allocator");
#endif
}

QTEST_APPLESS_MAIN(tst_Mipmaps)
#include "tst_mipmaps.moc"
