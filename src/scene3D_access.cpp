// What a screen reader says of the window: what a sighted person sees at a glance (the
// time the clocks show, the lid, the picture), or the controls card while it is shown.
#include <QCoreApplication>

#include "controlscard.h"
#include "filenames.h"
#include "scene3D.h"

namespace {

QString translate(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

QString lidText(GLfloat nAni)
{
    if (nAni <= 0)
        return translate("Scene3D", "lid closed");
    if (nAni >= model::kLidOpen)
        return translate("Scene3D", "lid open");
    return translate("Scene3D", "lid partly open");
}

} // namespace

// Called once a second by the clock's timer, and when the card is shown or hidden. The
// description is set only when it changes, so an assistive tool hears of each change once
// and an idle window without one pays for a short string a second.
void Scene3D::describeForAccessibility()
{
    const model::ClockFields &clock = lastReading.fields;
    const QString time = QString("%1:%2:%3")
                             .arg(clock.hou, 2, 10, QChar('0'))
                             .arg(clock.min, 2, 10, QChar('0'))
                             .arg(clock.sec, 2, 10, QChar('0'));
    const QString picture = shownFile.isEmpty()
                                ? translate("Scene3D", "no picture")
                                : printableFileName(shownFile.mid(shownFile.lastIndexOf('/') + 1));
    const QString description =
        controlsShown ? controlsCardText()
                      : translate("Scene3D", "%1, %2, %3").arg(time, lidText(nAni), picture);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}
