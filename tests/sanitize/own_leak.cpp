// Leaks on purpose, from a slot the toolkit's event loop calls, so that the sanitizer run
// can show it is reported: a suppression broad enough to hide this leak (one naming the
// toolkit, or every leak) would hide velkar's own leaks as well.
#include <QGuiApplication>
#include <QTimer>

namespace {
// Volatile, so that the compiler keeps the allocation that nothing reads.
int *volatile leaked = nullptr;
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        leaked = new int[1000](); // 4000 bytes
        leaked = nullptr;
        QGuiApplication::quit();
    });
    return app.exec();
}
