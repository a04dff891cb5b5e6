#include "keynames.h"

#include <QStringList>
#include <QtCore/qnamespace.h>

namespace {

struct NamedKey {
    const char *name;
    Qt::Key key;
};

// The keys that change the view or the lid.
constexpr NamedKey kViewKeys[] = {
    {"+", Qt::Key_Plus},      {"=", Qt::Key_Equal},   {"-", Qt::Key_Minus},     {"Up", Qt::Key_Up},
    {"Down", Qt::Key_Down},   {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"W", Qt::Key_W},
    {"A", Qt::Key_A},         {"S", Qt::Key_S},       {"D", Qt::Key_D},         {"T", Qt::Key_T},
    {"G", Qt::Key_G},         {"R", Qt::Key_R},       {"F", Qt::Key_F},         {"Q", Qt::Key_Q},
    {"Space", Qt::Key_Space},
};

// Keys about the window itself: quitting, screenshots, full screen, the controls card.
constexpr const char *kWindowOnlyKeys[] = {"Escape", "F12", "F11", "F1"};

bool sameName(const QString &given, const char *name)
{
    return given.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

KeyNames parseKeyNames(const QString &text)
{
    KeyNames result;
    const QStringList names = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        int key = 0;
        for (const NamedKey &known : kViewKeys)
            if (sameName(name, known.name))
                key = known.key;
        for (const char *windowOnly : kWindowOnlyKeys)
            if (sameName(name, windowOnly))
                result.error = QString("--keys: %1 only works in a window").arg(name);
        if (!result.error.isEmpty())
            return result;
        if (!key) {
            result.error = QString("--keys: no key is called \"%1\"").arg(name);
            return result;
        }
        result.keys << key;
    }
    return result;
}
