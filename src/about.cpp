#include "about.h"

#include <QCoreApplication>
#include <QMessageBox>

// The texts are the menu's own, which opens the box.
void showAboutBox(QWidget *parent)
{
    const QString text =
        QString("<p><b>Velkar %1</b></p><p>%2</p><p>%3</p><p>%4</p><p>%5</p>")
            .arg(VELKAR_VERSION,
                 QCoreApplication::translate("ContextMenu",
                                             "An interactive 3D model of a folding phone "
                                             "whose lid shows the local time."),
                 QCoreApplication::translate("ContextMenu", "Released under the MIT licence."),
                 QCoreApplication::translate("ContextMenu",
                                             "Copyright (c) 2026 the velkar developers"),
                 QCoreApplication::translate("ContextMenu",
                                             "The translations are the project's own work, "
                                             "under the same licence."));
    QMessageBox::about(parent, QCoreApplication::translate("ContextMenu", "About Velkar"), text);
}
