#include "contextmenu.h"

#include <QCoreApplication>
#include <QMenu>
#include <algorithm>

#include "commands.h"
#include "scene3D.h"

namespace {

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
    int group = 0;
    for (const Command *command : menuEntries()) {
        if (group && command->menu.group != group)
            menu->addSeparator();
        group = command->menu.group;
        QAction *action =
            menu->addAction(QCoreApplication::translate("ContextMenu", command->menu.text));
        if (command->keys[0].chord) {
            action->setShortcut(QKeySequence(command->keys[0].chord));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        QObject::connect(action, &QAction::triggered, scene,
                         [scene, command] { runCommand(*scene, *command); });
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
