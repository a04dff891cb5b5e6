// View commands: fixed steps on the view state, the antialiasing switch and the reset.
#include "scene3D.h"

#include <QContextMenuEvent>
#include <QCoreApplication>

#include "about.h"

void Scene3D::scale_plus()
{
    nSca = model::scaledUp(nSca);
}
void Scene3D::scale_minus()
{
    nSca = model::scaledDown(nSca);
}

void Scene3D::rotate_up()
{
    xRot = model::turned(xRot, 1);
}
void Scene3D::rotate_down()
{
    xRot = model::turned(xRot, -1);
}
void Scene3D::rotate_left()
{
    zRot = model::turned(zRot, 1);
}
void Scene3D::rotate_right()
{
    zRot = model::turned(zRot, -1);
}

void Scene3D::translate_down()
{
    yTra = model::moved(yTra, -1);
}
void Scene3D::translate_up()
{
    yTra = model::moved(yTra, 1);
}
void Scene3D::translate_left()
{
    xTra = model::moved(xTra, -1);
}
void Scene3D::translate_right()
{
    xTra = model::moved(xTra, 1);
}

void Scene3D::endisAntiAliasing()
{
    surface().makeCurrent(); // called from an input handler, outside any frame
    if (antiAliasing)
        glDisable(GL_LINE_SMOOTH);
    else
        glEnable(GL_LINE_SMOOTH);
    antiAliasing = !antiAliasing;
}

void Scene3D::toggleControls()
{
    controlsShown = !controlsShown;
    describeForAccessibility();
}

void Scene3D::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void Scene3D::quit()
{
    close();
}

// As the toolkit asks for a context menu from the keyboard: in the middle of the window.
void Scene3D::openMenuAtCentre()
{
    const QPoint centre(width() / 2, height() / 2);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
    QCoreApplication::sendEvent(this, &request);
}

void Scene3D::showAbout()
{
    showAboutBox(this);
}

void Scene3D::defaultScene()
{
    surface().makeCurrent();
    setView(model::kStartView); // the lid closes at once, without animation
    antiAliasing = false;
    glDisable(GL_LINE_SMOOTH);
    makean = true;
    updateGL();
}
