// Mouse, wheel and keys: each event maps to a command, then the window repaints.
#include "scene3D.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWheelEvent>

#include "commands.h"
#include "filenames.h"

namespace {

// The one local file a drag carries, or nothing: other URLs, text and several files at once
// are refused, and the cursor says so.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().first();
    if (!url.isLocalFile())
        return QString();
    // The name's own bytes: toLocalFile() would decode bytes that are not UTF-8 as another
    // name.
    return decodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

// An entering drag is a moving one too.
void acceptPictureDrag(QDragMoveEvent *event)
{
    if (droppedFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

bool movedLikeADrag(QPoint from, QPoint to)
{
    return (to - from).manhattanLength() >= QApplication::startDragDistance();
}

} // namespace

// A click hides the controls card, and then does what it always does.
void Scene3D::mousePressEvent(QMouseEvent *event)
{
    ptrMousePosition = event->pos();
    if (event->button() == Qt::RightButton)
        rightClickStart = event->pos();
    if (controlsShown) {
        controlsShown = false;
        updateGL();
    }
}

void Scene3D::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint delta = event->pos() - ptrMousePosition;
    xRot = model::dragged(xRot, nSca, delta.y(), height());
    zRot = model::dragged(zRot, nSca, delta.x(), width());
    ptrMousePosition = event->pos();
    if (rightClickStart && movedLikeADrag(*rightClickStart, event->pos()))
        rightClickStart.reset();
    updateGL();
}

// A right click that did not become a drag opens the menu where it was released.
void Scene3D::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton || !rightClickStart)
        return;
    const bool click = !movedLikeADrag(*rightClickStart, event->pos());
    rightClickStart.reset();
    if (click)
        showContextMenu(mapToGlobal(event->pos()));
}

// One zoom step per event, whatever the size of the turn. The turn's sign is taken from its
// larger component, as the toolkit's single-axis delta() reports it, so a diagonal scroll
// zooms the way its main direction says.
void Scene3D::wheelEvent(QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    const int delta = qAbs(angle.x()) > qAbs(angle.y()) ? angle.x() : angle.y();
    if (delta > 0)
        scale_plus();
    else if (delta < 0)
        scale_minus();
    updateGL();
}

// The key selects at most one command, and the window repaints after every key.
void Scene3D::keyPressEvent(QKeyEvent *event)
{
    perform(commandForKey(event));
}

// The keyboard's request for the menu (Shift+F10, the Menu key) opens it where the request
// says; a right click opens it on release instead, when it did not become a drag.
void Scene3D::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        showContextMenu(event->globalPos());
    else
        event->ignore();
}

void Scene3D::dragEnterEvent(QDragEnterEvent *event)
{
    acceptPictureDrag(event);
}

void Scene3D::dragMoveEvent(QDragMoveEvent *event)
{
    acceptPictureDrag(event);
}

void Scene3D::dropEvent(QDropEvent *event)
{
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    showPicture(file);
}
