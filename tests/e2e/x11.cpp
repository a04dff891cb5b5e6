// Speaks to velkar's window the way a window manager would, for the end-to-end scripts.
//   velkar_x11 sync WINDOW [TIMEOUT_MS [QUIET_MS]]
//       Returns once the program has handled the input sent to it before. It answers
//       _NET_WM_PING from its event loop, but the toolkit answers a ping as soon as it has
//       read it, while the keys read ahead of it may still wait their turn; so after two
//       pings, when QUIET_MS is given, it also waits until the window's picture stays the
//       same for QUIET_MS (one more ping in between). Exit status 1 when that does not
//       happen within the timeout (default 30000 ms).
//   velkar_x11 close WINDOW
//       Sends WM_DELETE_WINDOW, as a window manager's close button does.
//   velkar_x11 resize WINDOW WIDTH HEIGHT
//       Asks the X server to resize the window, as a window manager would, and prints the
//       server's answer: "done", or the name of the error it gave (exit status 1).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

bool xError = false;
unsigned char xErrorCode = 0;
int noteError(Display *, XErrorEvent *error)
{
    xError = true;
    xErrorCode = error->error_code;
    return 0;
}

void sendProtocol(Display *display, Window window, Atom protocol, long stamp)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(protocol);
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = long(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Waits for the program to send the ping with this stamp back to the root window.
bool awaitPong(Display *display, Window window, Atom ping, long stamp, Clock::time_point deadline)
{
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                Atom(event.xclient.data.l[0]) == ping && event.xclient.data.l[1] == stamp)
                return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || xError) // out of time, or the window is gone
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        if (poll(&fd, 1, int(std::min<long>(left.count(), 200))) == 0) {
            // Quiet for a while: a program that has died answers nothing, but its window
            // is gone too.
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display, window, &attributes))
                return false;
        }
    }
}

int resize(Display *display, Window window, unsigned width, unsigned height)
{
    XSetErrorHandler(noteError);
    xError = false;
    XResizeWindow(display, window, width, height);
    XSync(display, False);
    if (!xError) {
        std::printf("done\n");
        return 0;
    }
    char name[80];
    XGetErrorText(display, xErrorCode, name, sizeof name);
    std::printf("%s\n", name);
    return 1;
}

// The window's pixels, or an empty string when they cannot be read (e.g. it is unmapped).
std::string grab(Display *display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || xError ||
        attributes.map_state != IsViewable)
        return std::string();
    XImage *image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    XSync(display, False);
    // A window partly off the screen cannot be read; that is no reason to give up waiting.
    const bool failed = xError;
    xError = false;
    if (!image || failed)
        return std::string();
    std::string pixels(image->data, size_t(image->bytes_per_line) * size_t(image->height));
    XDestroyImage(image);
    return pixels;
}

bool ping(Display *display, Window window, long stamp, Clock::time_point deadline)
{
    sendProtocol(display, window, XInternAtom(display, "_NET_WM_PING", False), stamp);
    return awaitPong(display, window, XInternAtom(display, "_NET_WM_PING", False), stamp, deadline);
}

int sync(Display *display, Window window, long timeoutMs, long quietMs)
{
    // The toolkit sends the answer to the root window for whoever selects structure
    // events there (or substructure redirection, which only a window manager may hold).
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask);
    XSetErrorHandler(noteError);
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    long stamp = 0;
    bool answered =
        ping(display, window, ++stamp, deadline) && ping(display, window, ++stamp, deadline);
    if (answered && quietMs > 0) {
        std::string before = grab(display, window);
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(quietMs));
            answered = ping(display, window, ++stamp, deadline);
            if (!answered)
                break;
            std::string after = grab(display, window);
            if (after == before)
                break;
            before.swap(after);
        }
    }
    if (!answered) {
        std::fprintf(stderr, "velkar_x11: window 0x%lx did not settle within %ld ms\n", window,
                     timeoutMs);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 2 ? argv[1] : "";
    if ((command != "sync" && command != "close" && command != "resize") ||
        (command == "resize" && argc != 5)) {
        std::fprintf(stderr, "usage: velkar_x11 sync WINDOW [TIMEOUT_MS [QUIET_MS]] | close "
                             "WINDOW | resize WINDOW WIDTH HEIGHT\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "velkar_x11: cannot open the display\n");
        return 2;
    }
    const Window window = Window(std::strtoul(argv[2], nullptr, 0));
    int status = 0;
    if (command == "close")
        sendProtocol(display, window, XInternAtom(display, "WM_DELETE_WINDOW", False), CurrentTime);
    else if (command == "resize")
        status =
            resize(display, window, unsigned(std::atoi(argv[3])), unsigned(std::atoi(argv[4])));
    else
        status = sync(display, window, argc > 3 ? std::atol(argv[3]) : 30000,
                      argc > 4 ? std::atol(argv[4]) : 0);
    XCloseDisplay(display);
    return status;
}
