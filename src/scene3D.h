// The one window of the program: the folding phone, its view, its lid and its clocks.
#pragma once

#include <QPoint>
#include <QSet>
#include <functional>
#include <optional>

#include "glwidget.h"
#include "pictureloader.h"
#include "picturesource.h"
#include "repaint.h"
#include "slideshow.h"
#include "tables.h"
#include "view.h"

struct Command;
class QContextMenuEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QTimer;
class QWheelEvent;

class Scene3D : public GLWidget
{
    friend class tst_Scene3D;
    friend class SceneBench;
    friend class ViewFollower;
    friend struct CommandTable;
    friend void runCommand(Scene3D &scene, const Command &command);

public:
    explicit Scene3D(QWidget *parent = nullptr);
    ~Scene3D() override;

    // Pictures without a window: from here on the widget draws in that surface, set up for
    // frames of this size as a window's first expose would; each drawFrame() then draws a
    // frame there, its clocks, hands and digits alike, read as it begins.
    void startIn(GLSurface &surface, QSize size);
    void drawFrame();

    // Elapsed milliseconds on a monotonic clock; drives the timed lid animations and
    // measures how long the repaint timer has waited.
    using TickSource = std::function<long long()>;
    // The local wall time; read by every clock pass and by the repaint timer.
    using ClockSource = std::function<model::ClockReading()>;
    // Asks for a picture file, starting in a folder; gives nothing when cancelled.
    using PictureChooser = std::function<QString(QWidget *parent, const QString &folder)>;
    // Asks for a folder of pictures, starting in a folder; gives nothing when cancelled.
    using FolderChooser = std::function<QString(QWidget *parent, const QString &folder)>;

    // Where the lid animations and the clocks take their time from; the clocks are read
    // again at once, so the next frame's hands show the new time too.
    void setTimeSources(TickSource ticks, ClockSource clock);

    // Where the screen picture comes from, read at the first frame: the standard picture
    // unless set before; set later, the new source's picture is read in the background. The
    // window changes it when the user opens or drops a picture or opens a folder.
    void setPictureSource(const PictureSource &source);
    const PictureSource &currentPictureSource() const { return pictureSource; }

    // Called when the user has chosen another picture source in the window (not when it is
    // set from outside), so that it can be remembered.
    std::function<void(const PictureSource &)> pictureSourceChosen;

    // How many times the figure has been drawn; a frame draws it once, or 13 times
    // with antialiasing on.
    unsigned long long figureDrawings() const { return figureCount; }

    bool antialiased() const { return antiAliasing; }

    // Where the window sits on the desk: above other windows, without a title bar.
    bool staysOnTop() const;
    bool titleBarHidden() const;
    // Why the window system cannot keep this window above others; empty where it can.
    QString stayOnTopUnavailable() const;
    // Called when the user has changed one of them in the window, so that it can be
    // remembered.
    std::function<void()> deskChosen;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

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
    PictureSource pictureSource;

    QPoint ptrMousePosition;
    // Where the right button went down, while it has not moved as far as a drag.
    std::optional<QPoint> rightClickStart;

    bool controlsShown = false;
    QMenu *contextMenu = nullptr; // made when first opened
    PictureChooser pictureChooser;
    FolderChooser folderChooser;
    QString pictureFolder; // where the dialogs start: the folder of the last choice
    QString platform;      // the window system's, as the toolkit names it: xcb, wayland, ...

    // The picture on screen and the file it came from, which it follows when that changes.
    PictureLoader pictureLoader{this};
    Slideshow slideshow;           // a folder's order; for a single file, that file's folder
    QByteArray shownFile;          // exact bytes; empty while no file's picture is shown
    FileStamp shownStamp;          // of the file as it was read
    long long lastStep = 0;        // tick of the last step; the next is due an interval later
    QSet<QByteArray> reported;     // pictures that failed, reported once each in a run
    bool folderReported = false;   // "no picture can be read", until one can again
    std::function<void()> arrived; // a picture read, waiting for the clock's frame to pass

    TickSource tick;
    ClockSource clockSource;
    model::ClockReading lastReading; // of the latest clock pass

    // Single-shot, aimed just past the start of the next wall-clock second.
    QTimer *repaintTimer;
    model::TimerArm timerArm;
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
    void toggleControls();
    void toggleFullScreen();
    void quit();
    void showContextMenu(const QPoint &at); // global position
    void openMenuAtCentre();
    void showAbout();

    // Runs a command as its key does; nullptr for a key that has none.
    void perform(const Command *command);

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

    // The frame's steps, in paintGL's order
    void clearOpaque();
    void loadView();
    void lightFigure();
    void drawJitteredFigures();
    void drawOverlay();
    void endFrame();
    void drawControlsCard();
    void stopOnGlError();

    // Figure
    void drawFigure();
    void drawDialMarks();
    void drawScreenPicture();
    void bindScreenTexture();
    void setClockFields(const model::ClockFields &fields);
    void setView(const model::View &view);

    // Pictures and screenshots
    void showPicture(const QString &fileName);
    void choosePictureSource(const PictureSource &source);
    void openPicture();
    void saveScreenshot();
    void useStandardPicture();

    // On the desk
    void toggleStayOnTop();
    void toggleTitleBar();
    void setDeskFlag(Qt::WindowType flag, bool on);
    void moveWindow();
    bool startsAtLogin() const;
    void toggleStartAtLogin();
    void copyFrame();

    // Folders of pictures and the picture shown following its file
    enum class Load { Now, InBackground };
    void openFolder();
    void nextPicture();
    void previousPicture();
    void stepFromShown(int direction);
    template <int seconds> void showEach() { setSlideshowInterval(seconds); }
    template <int seconds> bool showsEach() const
    {
        return pictureSource.intervalSeconds == seconds;
    }
    void setSlideshowInterval(int seconds);
    void toggleShuffle();
    bool shuffled() const { return pictureSource.shuffle; }
    void showSource(Load when);
    void stepPictures(int direction, int tries, Load when);
    void showStandardPicture(Load when);
    void load(const QByteArray &path, Load when, std::function<void(const LoadedPicture &)> done);
    void loadNamed(const QString &file, Load when,
                   std::function<void(const LoadedPicture &)> shown);
    static int uploadMsFor(const TextureLevels &levels);
    void showArrived();
    bool pictureLoading() const;
    void showLoaded(const LoadedPicture &picture);
    void reportOnce(const LoadedPicture &picture);
    void showOrReport(const LoadedPicture &picture); // a failure is reported once per file
    void followPictures();

    // Clock repaints
    void armRepaintTimer(const model::ClockReading &from);
    void repaintTimerFired();

    // Accessibility: the window's description for assistive tools
    void describeForAccessibility();
};
