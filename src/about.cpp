#include "about.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

QString translate(const char *text)
{
    return QCoreApplication::translate("ContextMenu", text);
}

} // namespace

void showAboutBox(QWidget *parent)
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
