// GL state, projection and the frame.
#include "scene3D.h"

#include <QtGlobal>
#include <cmath>

#include "controlscard.h"

namespace {

constexpr GLfloat kAmbient[4] = {0.8f, 0.8f, 0.8f, 1.0f};
constexpr GLfloat kLight1Position[4] = {2.0f, 2.0f, 0.5f, 1.0f};
constexpr GLfloat kLight2Position[4] = {-2.0f, 2.0f, 0.5f, 1.0f};

// Both lights are positional and fade with distance; only their ambient term is coloured.
void setLight(GLenum light, const GLfloat *position)
{
    glLightfv(light, GL_AMBIENT, kAmbient);
    glLightfv(light, GL_POSITION, position);
    glLightf(light, GL_CONSTANT_ATTENUATION, 0.5f);
    glLightf(light, GL_LINEAR_ATTENUATION, 0.3f);
    glLightf(light, GL_QUADRATIC_ATTENUATION, 0.8f);
}

// The overlay tints the fourth vertices of its two quads, which carry the quads' colour.
void setOverlayTint(GLfloat blue, GLfloat alpha)
{
    for (int v : model::kOverlayTinted) {
        ColorArray[v][2] = blue;
        ColorArray[v][3] = alpha;
    }
    glColorPointer(4, GL_FLOAT, 0, ColorArray);
}

} // namespace

void Scene3D::initializeGL()
{
    surface().setClearColour(Qt::white);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_FLAT);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);

    getVertexArray();
    getColorArray();
    getIndexArray();

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
}

void Scene3D::startIn(GLSurface &surface, QSize size)
{
    drawIn(surface);
    initializeGL();
    resizeGL(size.width(), size.height());
}

// The clocks are read first, so the hands show the frame's own time as the digits do, not
// the time of the frame before it as in a window.
void Scene3D::drawFrame()
{
    lastReading = clockSource();
    setClockFields(lastReading.fields);
    paintGL();
}

void Scene3D::resizeGL(int nWidth, int nHeight)
{
    // A zero side (a collapsed window) would divide by zero; treat it as one pixel.
    const int w = qMax(nWidth, 1);
    const int h = qMax(nHeight, 1);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const GLfloat ratio = GLfloat(h) / GLfloat(w);
    if (w >= h)
        glOrtho(-1.0 / ratio, 1.0 / ratio, -1.0, 1.0, -10.0, 10.0);
    else
        glOrtho(-1.0, 1.0, -ratio, ratio, -10.0, 10.0);

    // On a scaled display the frame must cover the whole window in device pixels; glwidget.h
    // tells how each toolkit sees to that. The projection depends only on the proportions,
    // which are the same in logical and in device pixels.
    glViewport(0, 0, w, h);
}

// Each step leaves the GL state the next one expects.
void Scene3D::paintGL()
{
    clearOpaque();
    loadView();
    getVertexArray();
    lightFigure();
    drawFigure();
    drawJitteredFigures();
    drawOverlay();
    endFrame();
    drawControlsCard();
    stopOnGlError();
}

// The clear leaves the window opaque, and nothing after it may write alpha: a compositor
// would show the desktop through the translucent overlay and the smoothed edges.
void Scene3D::clearOpaque()
{
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
}

void Scene3D::loadView()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(nSca, nSca, nSca);
    glTranslatef(xTra, yTra, zTra);
    glRotatef(xRot, 1.0f, 0.0f, 0.0f);
    glRotatef(yRot, 0.0f, 1.0f, 0.0f);
    glRotatef(zRot, 0.0f, 0.0f, 1.0f);
}

void Scene3D::lightFigure()
{
    glEnable(GL_LIGHT2);
    glEnable(GL_LIGHT1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_NOTEQUAL, 0.0f);
    // Given with the view transform current, so the lights turn with the model.
    setLight(GL_LIGHT1, kLight1Position);
    setLight(GL_LIGHT2, kLight2Position);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    glEnable(GL_MULTISAMPLE);
}

// Antialiasing: the figure again at each small offset, blended over the first drawing.
void Scene3D::drawJitteredFigures()
{
    if (!makean || !antiAliasing)
        return;
    for (const auto &offset : model::kJitterOffsets) {
        glPushMatrix();
        glTranslatef(GLfloat(offset[0] / model::kJitterDivisor),
                     GLfloat(offset[1] / model::kJitterDivisor),
                     GLfloat(offset[2] / model::kJitterDivisor));
        drawFigure();
        makean = false;
        glPopMatrix();
    }
    makean = true;
}

void Scene3D::drawOverlay()
{
    glDisable(GL_LIGHTING);
    glDisable(GL_MULTISAMPLE);

    setOverlayTint(0.5f, 0.2f);
    glDrawElements(GL_QUADS, model::kArray4mDrawn, GL_UNSIGNED_BYTE, Array4m);
    setOverlayTint(0.0f, 1.0f);
}

void Scene3D::endFrame()
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glDisable(GL_LIGHT2);
    glDisable(GL_LIGHT1);
    glDisable(GL_BLEND);
}

// Pixels written straight into the framebuffer, blended: no texture, matrix or shader is
// involved, so the fixed-function state of the frame needs only saving and restoring. The
// card's fully transparent pixels leave the frame as it is.
void Scene3D::drawControlsCard()
{
    if (!controlsShown)
        return;
    using WindowPos = void (*)(GLint, GLint);
    const auto windowPos = reinterpret_cast<WindowPos>(surface().procAddress("glWindowPos2i"));
    if (!windowPos)
        return;
    // The framebuffer's first row is the frame's bottom one, unless the frame is upside down.
    const QImage card = controlsCard(size(), devicePixelRatioF());
    const QImage rows = (surface().topRowFirst() ? card : card.mirrored())
                            .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    windowPos(0, 0);
    glDrawPixels(rows.width(), rows.height(), GL_RGBA, GL_UNSIGNED_BYTE, rows.constBits());
    glPopClientAttrib();
    glPopAttrib();
}

void Scene3D::stopOnGlError()
{
    if (!checkGlErrors)
        return;
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR)
        qFatal("velkar: GL error 0x%04x after a frame", error);
}
