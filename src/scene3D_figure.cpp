// One drawing of the whole phone from the model tables.
#include "scene3D.h"

namespace {

// Corners of the screen picture and where the picture's corners go, so that on the open
// lid it reads upright: its top along the screen's far edge, its left at X = -0.82.
struct PictureCorner {
    int vertex;
    double s, t;
};
constexpr PictureCorner kPictureCorners[4] = {
    {32, 0, 0},
    {31, 1, 0},
    {34, 1, 1},
    {33, 0, 1},
};

} // namespace

void Scene3D::drawFigure()
{
    ++figureCount;
    glVertexPointer(3, GL_FLOAT, 0, VertexArray);
    glColorPointer(4, GL_FLOAT, 0, ColorArray);

    // Lit: the lights shade these faces; their vertex colours have no effect.
    glDrawElements(GL_QUADS, model::kArray4Drawn, GL_UNSIGNED_BYTE, Array4);

    // Unlit from here on: flat shading shows each primitive's provoking vertex colour.
    glDisable(GL_LIGHTING);
    glDrawElements(GL_LINES, model::kIndexArrayDrawn, GL_UNSIGNED_BYTE, IndexArray);
    glDrawElements(GL_QUADS, model::kArray4dDrawn, GL_UNSIGNED_BYTE, Array4d);
    for (int row = 0; row < model::kArray18RowsDrawn; ++row)
        glDrawElements(GL_POLYGON, 19, GL_UNSIGNED_BYTE, Array18[row]);
    drawDialMarks();

    updateTime();
    drawScreenPicture();
    glEnable(GL_LIGHTING);
}

void Scene3D::drawDialMarks()
{
    for (const GLubyte &mark : PointsHo) {
        GLfloat size = 2.0f;
        for (GLubyte big : model::kLargeDialMarks)
            if (mark == big)
                size = 5.0f;
        glPointSize(size);
        glDrawElements(GL_POINTS, 1, GL_UNSIGNED_BYTE, &mark);
    }
}

// The picture is read and made a texture at the first frame, so that it shows there; a
// failure is reported once and the figure is drawn without it. Later pictures come from
// the background (scene3D_slideshow.cpp).
void Scene3D::bindScreenTexture()
{
    if (!textureTried) {
        textureTried = true;
        showSource(Load::Now);
    }
    glBindTexture(GL_TEXTURE_2D, texture);
}

void Scene3D::drawScreenPicture()
{
    bindScreenTexture();
    if (!texture)
        return;

    // Texturing is for this quad alone; white leaves the picture's colours as they are.
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    // The picture lies in the plane of the white screen face drawn before it.
    glDepthFunc(GL_LEQUAL);
    glBegin(GL_QUADS);
    for (const PictureCorner &corner : kPictureCorners) {
        const model::Point3 p = model::screenCorner(corner.vertex, nAni);
        glTexCoord2d(corner.s, corner.t);
        glVertex3f(p.x, p.z, p.y); // stored order: X, Z, Y
    }
    glEnd();
    glDepthFunc(GL_LESS);
    glDisable(GL_TEXTURE_2D);
}
