// The clock pass: the digital clock on the outer display and the analog hands.
#include "scene3D.h"

void Scene3D::updateTime()
{
    glDisable(GL_LIGHTING);
    lastReading = clockSource();
    setClockFields(lastReading.fields);
    drawNumb(hou, min, sec);

    // The colon blinks: black in even seconds, white in odd ones.
    const GLfloat blink = GLfloat(sec % 2);
    for (const auto &colon : model::kColonDots)
        for (GLubyte v : colon)
            ColorArray[v][0] = ColorArray[v][1] = ColorArray[v][2] = blink;

    glLineWidth(2.0f);
    for (int digit = 0; digit < 6; ++digit)
        glDrawElements(GL_LINES, 10, GL_UNSIGNED_BYTE, ArrayNum[5 * digit]);
    glPointSize(2.5f);
    glDrawElements(GL_QUADS, 8, GL_UNSIGNED_BYTE, ArrayAn);
    glDrawElements(GL_LINES, 2, GL_UNSIGNED_BYTE, secStr);
    glDrawElements(GL_POINTS, 4, GL_UNSIGNED_BYTE, ArrayNum[30]);
    glLineWidth(1.0f);
}

void Scene3D::drawNumb(int hour, int minute, int second)
{
    model::drawNumb(hour, minute, second,
                    [this](int t, GLubyte pos, int arr) { switchNumb(t, pos, arr); });
}

// Each digit's strokes are put by its own member; any other value leaves the cell as it was.
void Scene3D::switchNumb(int t, GLubyte pos, int arr)
{
    switch (t) {
    case 0: draw0(pos, arr); break;
    case 1: draw1(pos, arr); break;
    case 2: draw2(pos, arr); break;
    case 3: draw3(pos, arr); break;
    case 4: draw4(pos, arr); break;
    case 5: draw5(pos, arr); break;
    case 6: draw6(pos, arr); break;
    case 7: draw7(pos, arr); break;
    case 8: draw8(pos, arr); break;
    case 9: draw9(pos, arr); break;
    default: break;
    }
}

void Scene3D::draw0(GLubyte pos, int arr)
{
    model::drawGlyph(0, pos, arr);
}
void Scene3D::draw1(GLubyte pos, int arr)
{
    model::drawGlyph(1, pos, arr);
}
void Scene3D::draw2(GLubyte pos, int arr)
{
    model::drawGlyph(2, pos, arr);
}
void Scene3D::draw3(GLubyte pos, int arr)
{
    model::drawGlyph(3, pos, arr);
}
void Scene3D::draw4(GLubyte pos, int arr)
{
    model::drawGlyph(4, pos, arr);
}
void Scene3D::draw5(GLubyte pos, int arr)
{
    model::drawGlyph(5, pos, arr);
}
void Scene3D::draw6(GLubyte pos, int arr)
{
    model::drawGlyph(6, pos, arr);
}
void Scene3D::draw7(GLubyte pos, int arr)
{
    model::drawGlyph(7, pos, arr);
}
void Scene3D::draw8(GLubyte pos, int arr)
{
    model::drawGlyph(8, pos, arr);
}
void Scene3D::draw9(GLubyte pos, int arr)
{
    model::drawGlyph(9, pos, arr);
}
