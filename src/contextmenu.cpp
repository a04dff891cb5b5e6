#include "contextmenu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>

#include "scene3D.h"

namespace {

enum class Check { None, Antialiasing, FullScreen };

struct Entry {
    const char *text; // nullptr: a separator
    int key;          // 0: no key (About)
    Qt::KeyboardModifiers modifiers;
    Check check;
};

// clang-format off
const Entry kEntries[] = {
    {QT_TRANSLATE_NOOP("ContextMenu", "Open Picture…"),       Qt::Key_O,     Qt::ControlModifier, Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Save Screenshot"),     Qt::Key_F12,   Qt::NoModifier,      Check::None},
    {nullptr, 0, Qt::NoModifier, Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Open Lid"),            Qt::Key_R,     Qt::NoModifier,      Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Close Lid"),           Qt::Key_F,     Qt::NoModifier,      Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Lid One Step Open"),   Qt::Key_T,     Qt::NoModifier,      Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Lid One Step Closed"), Qt::Key_G,     Qt::NoModifier,      Check::None},
    {nullptr, 0, Qt::NoModifier, Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Antialiasing"),        Qt::Key_Q,     Qt::NoModifier,      Check::Antialiasing},
    {QT_TRANSLATE_NOOP("ContextMenu", "Reset View"),          Qt::Key_Space, Qt::NoModifier,      Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Full Screen"),         Qt::Key_F11,   Qt::NoModifier,      Check::FullScreen},
    {nullptr, 0, Qt::NoModifier, Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Controls"),            Qt::Key_F1,    Qt::NoModifier,      Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "About Velkar"),        0,             Qt::NoModifier,      Check::None},
    {nullptr, 0, Qt::NoModifier, Check::None},
    {QT_TRANSLATE_NOOP("ContextMenu", "Quit"),                Qt::Key_Q,     Qt::ControlModifier, Check::None},
};
// clang-format on

QString translate(const char *text)
{
    return QCoreApplication::translate("ContextMenu", text);
}

void showAbout(QWidget *parent)
{
    const QString text =
        QString("<p><b>Velkar %1</b></p><p>%2</p><p>%3</p><p>%4</p>")
            .arg(VELKAR_VERSION,
                 translate("An interactive 3D model of a folding phone whose lid shows the "
                           "local time."),
                 translate("Released under the MIT licence."),
                 translate("Copyright (c) 2026 the velkar developers"));
    QMessageBox::about(parent, translate("About Velkar"), text);
}

bool isChecked(Check check, const Scene3D &scene)
{
    switch (check) {
    case Check::Antialiasing: return scene.antialiased();
    case Check::FullScreen: return scene.isFullScreen();
    case Check::None: break;
    }
    return false;
}

} // namespace

QMenu *makeContextMenu(Scene3D *scene)
{
    auto *menu = new QMenu(scene);
    for (const Entry &entry : kEntries) {
        if (!entry.text) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(translate(entry.text));
        if (entry.key == 0) {
            QObject::connect(action, &QAction::triggered, scene, [scene] { showAbout(scene); });
            continue;
        }
        action->setShortcut(QKeySequence(int(entry.modifiers) | entry.key));
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setCheckable(entry.check != Check::None);
        QObject::connect(action, &QAction::triggered, scene, [scene, entry] {
            QKeyEvent press(QEvent::KeyPress, entry.key, entry.modifiers);
            QCoreApplication::sendEvent(scene, &press);
        });
        if (entry.check != Check::None)
            QObject::connect(menu, &QMenu::aboutToShow, action, [scene, entry, action] {
                action->setChecked(isChecked(entry.check, *scene));
            });
    }
    return menu;
}

void Scene3D::showContextMenu(const QPoint &at)
{
    if (!contextMenu)
        contextMenu = makeContextMenu(this);
    contextMenu->popup(at);
}
