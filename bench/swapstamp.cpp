// LD_PRELOAD shim: stamps every glXSwapBuffers with CLOCK_MONOTONIC, so frame and start-up
// times are taken from outside the program being measured.
//
//   VELKAR_SWAP_FD=N      append "swap <ns> <pixels> <shown>" lines to the already open fd N
//   VELKAR_SWAP_COUNT=K   for the first K swaps, count the back buffer's non-white pixels
//                         (the picture about to be shown); otherwise <pixels> is -1
//   VELKAR_SWAP_REALTIME=1  stamp with CLOCK_REALTIME instead, to set swaps against the
//                         wall clock
//
// <shown> is the time_t last handed to localtime_r before the swap (-1 before the first):
// velkar breaks down the wall time once per clock pass, so that is the second the frame's
// clock shows.
//
// The stamp is taken on entry, before any counting, so a counted swap is stamped at the
// time it was asked for. The program can add "mark <ns> <text>" lines through
// velkar_swapstamp_mark(), looked up with dlsym so it needs no link-time dependency.
//
// glretrace resolves glXSwapBuffers with dlsym on its own libGL handle, which bypasses
// LD_PRELOAD interposition, so dlsym and glXGetProcAddress are wrapped as well.
#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

#include <atomic>

namespace {

using SwapFn = void (*)(Display *, GLXDrawable);
using DlsymFn = void *(*)(void *, const char *);
using ProcFn = __GLXextFuncPtr (*)(const GLubyte *);
using ReadPixelsFn = void (*)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void *);
using GetIntegervFn = void (*)(GLenum, GLint *);

using LocaltimeFn = struct tm *(*)(const time_t *, struct tm *);

int logFd = -1;
long countSwaps = 0;
clockid_t stampClock = CLOCK_MONOTONIC;
std::atomic<long> swapNumber{0};
std::atomic<SwapFn> realSwap{nullptr};
std::atomic<long long> lastLocaltime{-1};

DlsymFn realDlsym()
{
    static DlsymFn fn = nullptr;
    if (!fn) {
        fn = reinterpret_cast<DlsymFn>(dlvsym(RTLD_NEXT, "dlsym", "GLIBC_2.34"));
        if (!fn)
            fn = reinterpret_cast<DlsymFn>(dlvsym(RTLD_NEXT, "dlsym", "GLIBC_2.2.5"));
    }
    return fn;
}

long long nowNs()
{
    timespec ts;
    clock_gettime(stampClock, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// Formats without printf so the shim never allocates inside a frame.
char *putNumber(char *p, long long n)
{
    if (n < 0) {
        *p++ = '-';
        n = -n;
    }
    char digits[24];
    int len = 0;
    do {
        digits[len++] = char('0' + n % 10);
        n /= 10;
    } while (n);
    while (len)
        *p++ = digits[--len];
    return p;
}

void writeLine(const char *kind, long long ns, const char *rest, long long number, bool hasNumber,
               long long shown = 0, bool hasShown = false)
{
    if (logFd < 0)
        return;
    char line[256];
    char *p = line;
    for (const char *s = kind; *s; ++s)
        *p++ = *s;
    *p++ = ' ';
    p = putNumber(p, ns);
    if (hasNumber) {
        *p++ = ' ';
        p = putNumber(p, number);
    }
    if (hasShown) {
        *p++ = ' ';
        p = putNumber(p, shown);
    }
    if (rest) {
        *p++ = ' ';
        for (const char *s = rest; *s && p < line + sizeof line - 2; ++s)
            *p++ = *s;
    }
    *p++ = '\n';
    ssize_t ignored = write(logFd, line, size_t(p - line));
    (void)ignored;
}

// Counted in strips through a small static buffer, so the shim adds the same few pages
// to every program it measures.
long long countNonWhitePixels()
{
    static ReadPixelsFn readPixels = nullptr;
    static GetIntegervFn getIntegerv = nullptr;
    if (!readPixels) {
        readPixels = reinterpret_cast<ReadPixelsFn>(realDlsym()(RTLD_DEFAULT, "glReadPixels"));
        getIntegerv = reinterpret_cast<GetIntegervFn>(realDlsym()(RTLD_DEFAULT, "glGetIntegerv"));
    }
    if (!readPixels || !getIntegerv)
        return -1;
    GLint viewport[4] = {0, 0, 0, 0};
    getIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2], height = viewport[3];
    constexpr int kStripBytes = 64 * 1024;
    static unsigned char strip[kStripBytes];
    if (width <= 0 || height <= 0 || width * 4 > kStripBytes)
        return -1;
    const int rowsPerStrip = kStripBytes / (width * 4);
    long long count = 0;
    for (int y = 0; y < height; y += rowsPerStrip) {
        const int rows = height - y < rowsPerStrip ? height - y : rowsPerStrip;
        readPixels(0, y, width, rows, GL_RGBA, GL_UNSIGNED_BYTE, strip);
        for (int i = 0; i < width * rows; ++i) {
            const unsigned char *px = strip + 4 * i;
            if (px[0] != 255 || px[1] != 255 || px[2] != 255)
                ++count;
        }
    }
    return count;
}

__attribute__((constructor)) void openLog()
{
    if (const char *fd = getenv("VELKAR_SWAP_FD"))
        logFd = atoi(fd);
    if (const char *k = getenv("VELKAR_SWAP_COUNT"))
        countSwaps = atol(k);
    if (const char *realtime = getenv("VELKAR_SWAP_REALTIME"))
        if (strcmp(realtime, "1") == 0)
            stampClock = CLOCK_REALTIME;
}

SwapFn resolveSwap()
{
    SwapFn fn = realSwap.load();
    if (!fn) {
        fn = reinterpret_cast<SwapFn>(realDlsym()(RTLD_NEXT, "glXSwapBuffers"));
        realSwap.store(fn);
    }
    return fn;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) void velkar_swapstamp_mark(const char *text)
{
    writeLine("mark", nowNs(), text, 0, false);
}

__attribute__((visibility("default"))) void glXSwapBuffers(Display *dpy, GLXDrawable drawable)
{
    const long long stamp = nowNs();
    const long n = ++swapNumber;
    const long long pixels = n <= countSwaps ? countNonWhitePixels() : -1;
    writeLine("swap", stamp, nullptr, pixels, true, lastLocaltime.load(), true);
    if (SwapFn fn = resolveSwap())
        fn(dpy, drawable);
}

__attribute__((visibility("default"))) struct tm *localtime_r(const time_t *t,
                                                              struct tm *out) noexcept
{
    static LocaltimeFn real = reinterpret_cast<LocaltimeFn>(realDlsym()(RTLD_NEXT, "localtime_r"));
    if (t)
        lastLocaltime.store(*t);
    return real ? real(t, out) : nullptr;
}

__attribute__((visibility("default"))) void *dlsym(void *handle, const char *name)
{
    DlsymFn real = realDlsym();
    void *symbol = real ? real(handle, name) : nullptr;
    if (symbol && strcmp(name, "glXSwapBuffers") == 0 &&
        symbol != reinterpret_cast<void *>(&glXSwapBuffers)) {
        SwapFn expected = nullptr;
        realSwap.compare_exchange_strong(expected, reinterpret_cast<SwapFn>(symbol));
        return reinterpret_cast<void *>(&glXSwapBuffers);
    }
    return symbol;
}

__attribute__((visibility("default"))) __GLXextFuncPtr glXGetProcAddressARB(const GLubyte *name)
{
    static ProcFn real = reinterpret_cast<ProcFn>(realDlsym()(RTLD_NEXT, "glXGetProcAddressARB"));
    if (name && strcmp(reinterpret_cast<const char *>(name), "glXSwapBuffers") == 0) {
        resolveSwap();
        return reinterpret_cast<__GLXextFuncPtr>(&glXSwapBuffers);
    }
    return real ? real(name) : nullptr;
}

__attribute__((visibility("default"))) __GLXextFuncPtr glXGetProcAddress(const GLubyte *name)
{
    return glXGetProcAddressARB(name);
}
}
