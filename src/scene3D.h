// The one window of the program: the folding phone, its view, its lid and its clocks.
#pragma once

#include <QPoint>

#include "glwidget.h"
#include "tables.h"

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

class Scene3D : public GLWidget
{
    friend class tst_Scene3D;
    friend class SceneBench;

public:
    explicit Scene3D(QWidget *parent = nullptr);
    ~Scene3D() override;

    // Elapsed milliseconds on a monotonic clock; drives the timed lid animations.
    using TickSource = long long (*)();
    // The local wall time as clock fields; read by every clock pass.
    using ClockSource = model::ClockFields (*)();

    // How many times the figure has been drawn; a frame draws it once, or 13 times
    // with antialiasing on.
    unsigned long long figureDrawings() const { return figureCount; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    void initializeGL() override;
    void resizeGL(int nWidth, int nHeight) override;
    void paintGL() override;

    void updateTime();

private:
    // View state
    GLfloat xRot, yRot, zRot; // degrees
    GLfloat xTra, yTra, zTra;
    GLfloat nSca;
    GLfloat nAni; // lid angle in radians, 0 closed, 3 open

    // Clock fields of the latest clock pass
    int sec, min, min12, hou;

    bool antiAliasing;
    bool makean; // the jitter pass may run; cleared while it runs

    GLuint texture = 0;
    bool textureTried = false; // the picture is read once, successful or not

    QPoint ptrMousePosition;

    TickSource tick;
    ClockSource clockSource;
    bool checkGlErrors; // VELKAR_CHECK_GL=1: abort on the first GL error after a frame
    unsigned long long figureCount = 0;

    // View commands
    void scale_plus();
    void scale_minus();
    void rotate_up();
    void rotate_down();
    void rotate_left();
    void rotate_right();
    void translate_down();
    void translate_up();
    void translate_left();
    void translate_right();
    void endisAntiAliasing();
    void defaultScene();

    // Lid
    void openroof_auto_up();
    void openroof_auto_down();
    void openroof_down();
    void openroof_up();

    // Model tables
    void getVertexArray();
    void getColorArray();
    void getIndexArray();

    // Digit renderer
    void drawNumb(int hour, int minute, int second);
    void switchNumb(int t, GLubyte pos, int arr);
    void draw0(GLubyte pos, int arr);
    void draw1(GLubyte pos, int arr);
    void draw2(GLubyte pos, int arr);
    void draw3(GLubyte pos, int arr);
    void draw4(GLubyte pos, int arr);
    void draw5(GLubyte pos, int arr);
    void draw6(GLubyte pos, int arr);
    void draw7(GLubyte pos, int arr);
    void draw8(GLubyte pos, int arr);
    void draw9(GLubyte pos, int arr);

    // Figure
    void drawFigure();
    void drawDialMarks();
    void drawScreenPicture();
    void bindScreenTexture();
    void setClockFields(const model::ClockFields &fields);
};
