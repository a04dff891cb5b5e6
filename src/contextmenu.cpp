#include "contextmenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
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
    std::stable_sort(entries.begin(), entries.end(), [](const Command *a, const Command *b) {
        return std::make_pair(a->menu.group, a->menu.order) <
               std::make_pair(b->menu.group, b->menu.order);
    });
    return entries;
}

// The submenu an entry goes in, made with its first entry; the menu itself for the others.
QMenu *placeOf(QMenu *menu, const MenuEntry &entry)
{
    if (!entry.submenu)
        return menu;
    const QString title = translate(entry.submenu);
    for (QAction *action : menu->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return menu->addMenu(title);
}

// A submenu's choices exclude each other: one group of them in each submenu.
void addChoice(QMenu *submenu, QAction *action)
{
    auto *choices = submenu->findChild<QActionGroup *>(QString(), Qt::FindDirectChildrenOnly);
    if (!choices)
        choices = new QActionGroup(submenu);
    choices->addAction(action);
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
        QMenu *place = placeOf(menu, command->menu);
        QAction *action = place->addAction(translate(command->menu.text));
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
        if (command->menu.choice)
            addChoice(place, action);
    }
    return menu;
}

void Scene3D::showContextMenu(const QPoint &at)
{
    if (!contextMenu)
        contextMenu = makeContextMenu(this);
    contextMenu->popup(at);
}
