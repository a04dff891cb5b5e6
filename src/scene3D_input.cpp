// Mouse, wheel and keys: each event maps to a command, then the window repaints.
#include "scene3D.h"

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

} // namespace

void Scene3D::mousePressEvent(QMouseEvent *event)
{
    ptrMousePosition = event->pos();
}

void Scene3D::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint delta = event->pos() - ptrMousePosition;
    xRot = model::dragged(xRot, nSca, delta.y(), height());
    zRot = model::dragged(zRot, nSca, delta.x(), width());
    ptrMousePosition = event->pos();
    updateGL();
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

void Scene3D::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
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
