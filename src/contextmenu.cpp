#include "contextmenu.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <algorithm>

#include "commands.h"
#include "scene3D.h"

namespace {

QString translate(const char *text)
{
    return QCoreApplication::translate("ContextMenu", text);
}

// The commands that have an entry, in the menu's order.
std::vector<const Command *> menuEntries()
{
    std::vector<const Command *> entries;
    for (const Command &command : commands())
        if (command.menu.group)
            entries.push_back(&command);
    std::sort(entries.begin(), entries.end(), [](const Command *a, const Command *b) {
        return std::make_pair(a->menu.group, a->menu.order) <
               std::make_pair(b->menu.group, b->menu.order);
    });
    return entries;
}

} // namespace

QMenu *makeContextMenu(Scene3D *scene)
{
    auto *menu = new QMenu(scene);
    menu->setToolTipsVisible(true); // a disabled entry's says why
    int group = 0;
    for (const Command *command : menuEntries()) {
        if (group && command->menu.group != group)
            menu->addSeparator();
        group = command->menu.group;
        QAction *action = menu->addAction(translate(command->menu.text));
        if (command->keys[0].chord) {
            action->setShortcut(QKeySequence(command->keys[0].chord));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        QObject::connect(action, &QAction::triggered, scene,
                         [scene, command] { runCommand(*scene, *command); });
        if (const auto unavailable = command->unavailable)
            QObject::connect(menu, &QMenu::aboutToShow, action, [scene, unavailable, action] {
                const QString why = (scene->*unavailable)();
                action->setEnabled(why.isEmpty());
                action->setToolTip(why);
            });
        if (const auto checked = command->menu.checked) {
            action->setCheckable(true);
            QObject::connect(menu, &QMenu::aboutToShow, action,
                             [scene, checked, action] { action->setChecked((scene->*checked)()); });
        }
    }
    return menu;
}

void Scene3D::showContextMenu(const QPoint &at)
{
    if (!contextMenu)
        contextMenu = makeContextMenu(this);
    contextMenu->popup(at);
}

// From the keyboard the menu opens in the middle of the window.
void Scene3D::openMenuAtCentre()
{
    showContextMenu(mapToGlobal(QPoint(width() / 2, height() / 2)));
}

void Scene3D::showAbout()
{
    const QString text =
        QString("<p><b>Velkar %1</b></p><p>%2</p><p>%3</p><p>%4</p>")
            .arg(VELKAR_VERSION,
                 translate("An interactive 3D model of a folding phone whose lid shows the "
                           "local time."),
                 translate("Released under the MIT licence."),
                 translate("Copyright (c) 2026 the velkar developers"));
    QMessageBox::about(this, translate("About Velkar"), text);
}
