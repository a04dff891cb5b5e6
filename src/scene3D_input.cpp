// Mouse, wheel and keys: each event maps to a command, then the window repaints.
#include "scene3D.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWheelEvent>

namespace {

// The one local file a drag carries, or nothing: other URLs, text and several files at once
// are refused, and the cursor says so.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().first();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// An entering drag is a moving one too.
void acceptPictureDrag(QDragMoveEvent *event)
{
    if (droppedFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

constexpr int kCtrl = int(Qt::ControlModifier);
constexpr int kShift = int(Qt::ShiftModifier);

// The key with the modifiers of the chords bound to it. Other keys ignore their modifiers, so
// letters work with or without Shift and + is + whatever it takes to type it.
int chord(const QKeyEvent *event)
{
    const int modifiers = int(event->modifiers()) & (kCtrl | kShift);
    const int key = event->key() | modifiers;
    for (int bound : {kCtrl | Qt::Key_O, kCtrl | Qt::Key_Q, kShift | Qt::Key_F10})
        if (key == bound)
            return key;
    return event->key();
}

QPoint windowCentre(const QWidget *w)
{
    return w->mapToGlobal(QPoint(w->width() / 2, w->height() / 2));
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

// Any key but the card's own hides the controls card, and then does what it always does.
void Scene3D::keyPressEvent(QKeyEvent *event)
{
    const int key = chord(event);
    if (key != Qt::Key_F1 && key != Qt::Key_H)
        controlsShown = false;
    switch (key) {
    case Qt::Key_Plus: scale_plus(); break;
    case Qt::Key_Equal: scale_plus(); break;
    case Qt::Key_Minus: scale_minus(); break;
    case Qt::Key_Up: rotate_up(); break;
    case Qt::Key_Down: rotate_down(); break;
    case Qt::Key_Left: rotate_left(); break;
    case Qt::Key_Right: rotate_right(); break;
    case Qt::Key_S: translate_down(); break;
    case Qt::Key_W: translate_up(); break;
    case Qt::Key_A: translate_left(); break;
    case Qt::Key_D: translate_right(); break;
    case Qt::Key_Q: endisAntiAliasing(); break;
    case Qt::Key_Space: defaultScene(); break;
    case Qt::Key_Escape: close(); break;
    case Qt::Key_T: openroof_up(); break;
    case Qt::Key_G: openroof_down(); break;
    case Qt::Key_R: openroof_auto_up(); break;
    case Qt::Key_F: openroof_auto_down(); break;
    case Qt::Key_F12: saveScreenshot(); break;
    case Qt::Key_F1: toggleControls(); break;
    case Qt::Key_H: toggleControls(); break;
    case Qt::Key_F11: toggleFullScreen(); break;
    case kCtrl | Qt::Key_O: openPicture(); break;
    case kCtrl | Qt::Key_Q: close(); break;
    case kShift | Qt::Key_F10: showContextMenu(windowCentre(this)); break;
    case Qt::Key_Menu: showContextMenu(windowCentre(this)); break;
    default: break;
    }
    updateGL();
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
