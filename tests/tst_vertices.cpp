// The vertex build, checked without a window: closed and open positions, what moves with
// the lid and the clock and what does not, and the shapes the lid and hands must keep.
#include "tables.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

struct P {
    double x, y, z;
};

// Read a vertex through the model's (X, Y, Z) naming, whatever its storage order.
P at(int v)
{
    return {VertexArray[v][X], VertexArray[v][Y], VertexArray[v][Z]};
}

double hingeDistance(const P &p)
{
    return std::hypot(p.y - model::kHingeY, p.z);
}

double distance(const P &a, const P &b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

bool movesWithLid(int v)
{
    return (v >= 11 && v <= 18) || (v >= 24 && v <= 27) || (v >= 31 && v <= 34) ||
           (v >= 45 && v <= 84) || (v >= 155 && v <= 174);
}

struct Snapshot {
    GLfloat v[kVertexCount][3];
};

Snapshot snapshot()
{
    Snapshot s;
    std::memcpy(s.v, VertexArray, sizeof VertexArray);
    return s;
}

bool sameBits(const Snapshot &a, const Snapshot &b, int v)
{
    return std::memcmp(a.v[v], b.v[v], sizeof a.v[v]) == 0;
}

// Half a unit in the last quoted digit: "4.99" holds to 0.005, "0.0152" to 0.00005.
double quotedTolerance(const QString &quoted)
{
    const int dot = quoted.indexOf('.');
    const int decimals = dot < 0 ? 0 : quoted.size() - dot - 1;
    return 0.5 * std::pow(10.0, -decimals);
}

QString nearMessage(const char *what, double actual, double expected, double tolerance)
{
    return QStringLiteral("%1: %2, expected %3 within %4")
        .arg(QLatin1String(what))
        .arg(actual, 0, 'g', 9)
        .arg(expected, 0, 'g', 9)
        .arg(tolerance);
}

const int kCellBases[] = {45, 51, 59, 65, 73, 79};

} // namespace

#define VERIFY_NEAR(actual, expected, tolerance, what)                                             \
    QVERIFY2(std::fabs(double(actual) - double(expected)) <= (tolerance),                          \
             qPrintable(nearMessage(what, actual, expected, tolerance)))

class tst_Vertices : public QObject
{
    Q_OBJECT

private slots:
    void unwrittenVerticesStartZero();
    void closedPositions_data();
    void closedPositions();
    void dialMarksClosed_data();
    void dialMarksClosed();
    void openPositions_data();
    void openPositions();
    void buildWritesExactlyVertices0To246();
    void unwrittenVerticesStayZeroAfterBuilds();
    void rebuildIsBitIdentical();
    void fixedVerticesIgnoreLidAndClock();
    void lidPointsKeepHingeDistance();
    void digitCellKeepsItsSize();
    void screenCornersFollowTheirHingeConstants();
    void handsPointAtTwelveAtZero();
    void handPoints_data();
    void handPoints();
    void handsRepeatEveryHourAndMirrorBackwards();
    void dialIgnoresClock();
    void roundingFollowsTheNumericRules();
    void ringPoints_data();
    void ringPoints();
    void ringsStayOnHingeBlockFace();
    void bodyOutlinesAreConsistent();
};

void tst_Vertices::unwrittenVerticesStartZero()
{
    for (int v = kLastWrittenVertex + 1; v < kVertexCount; ++v)
        for (int c = 0; c < 3; ++c)
            QCOMPARE(VertexArray[v][c], 0.0f);
}

void tst_Vertices::closedPositions_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    const auto row = [](int v, double x, double y, double z) {
        QTest::addRow("%d", v) << v << x << y << z;
    };
    // Body side outlines and hinge block
    row(0, -1, 2, 0.5), row(1, -1, -2, 0.5), row(2, -1, -2, -0.12), row(3, -1, 1, -0.12);
    row(4, -1, 1, -0.5), row(5, -1, 2, -0.5), row(6, 1, 2, -0.5), row(7, 1, 2, 0.5);
    row(8, 1, -2, 0.5), row(9, 1, -2, -0.12), row(10, 1, 1, -0.12), row(19, 0.6, 2, -0.5);
    row(20, 1, 1, -0.5), row(21, 0.6, 2, -0.5), row(22, 0.6, 1, -0.5), row(23, 1, 1, 0.5);
    row(28, 0.6, 2, 0.5), row(29, 0.6, 1, 0.5), row(30, -1, 1, 0.5);
    // Keypad field outline, in pairs left then right
    const double outlineY[] = {0.85, 0.28, 0.04, -0.04, -1.74};
    for (int i = 0; i < 5; ++i)
        row(35 + 2 * i, -0.85, outlineY[i], -0.12), row(36 + 2 * i, 0.85, outlineY[i], -0.12);
    // Key grid, row by row, left to right
    const struct {
        int first, n;
        double y, x[5], z[5];
    } grid[] = {
        // clang-format off
        {85,  4,  0.82, {-0.8, -0.3,  0.3,  0.8},      {-0.12, -0.12, -0.12, -0.12}},
        {89,  4,  0.57, {-0.8, -0.3,  0.3,  0.8},      {-0.13, -0.13, -0.13, -0.13}},
        {93,  4,  0.32, {-0.8, -0.3,  0.3,  0.8},      {-0.12, -0.12, -0.12, -0.12}},
        {97,  5,  0.25, {-0.8, -0.4,  0,    0.4, 0.8}, {-0.12, -0.13, -0.13, -0.13, -0.12}},
        {102, 5,  0.07, {-0.8, -0.4,  0,    0.4, 0.8}, {-0.12, -0.13, -0.13, -0.13, -0.12}},
        {107, 4, -0.09, {-0.8, -0.27, 0.27, 0.8},      {-0.12, -0.13, -0.13, -0.13}},
        {111, 4, -0.49, {-0.8, -0.27, 0.27, 0.8},      {-0.13, -0.13, -0.13, -0.13}},
        {115, 4, -0.89, {-0.8, -0.27, 0.27, 0.8},      {-0.13, -0.13, -0.13, -0.13}},
        {119, 4, -1.29, {-0.8, -0.27, 0.27, 0.8},      {-0.13, -0.13, -0.13, -0.13}},
        {123, 4, -1.69, {-0.8, -0.27, 0.27, 0.8},      {-0.12, -0.13, -0.13, -0.12}},
        // clang-format on
    };
    for (const auto &g : grid)
        for (int i = 0; i < g.n; ++i)
            row(g.first + i, g.x[i], g.y, g.z[i]);
    // Centre key; recess in the hinge block's left end and its inner panel
    row(127, -0.1, 0.67, -0.12), row(128, -0.1, 0.47, -0.12), row(129, 0.1, 0.67, -0.12);
    row(130, 0.1, 0.47, -0.12), row(131, -0.94, 1.9, -0.4), row(132, -0.94, 1.9, 0.4);
    row(133, -0.94, 1.1, -0.4), row(134, -0.94, 1.1, 0.4), row(135, -0.95, 1.7, -0.2);
    row(136, -0.95, 1.7, 0.2), row(137, -0.95, 1.3, -0.2), row(138, -0.95, 1.3, 0.2);
    // Left side key, end-face plate
    row(139, -1.01, 1, 0.4), row(140, -1.01, 1.1, 0.1), row(141, -1.01, 1.1, 0.4);
    row(142, -1.01, 1, 0.1), row(143, -0.95, 1.1, 0.1), row(144, -0.95, 1.1, 0.4);
    row(145, -1.01, 0.9, 0.4), row(146, -1.01, 0.9, 0.1), row(147, 0.4, 2.01, 0.1);
    row(148, 0.6, 2.01, -0.1), row(149, 0.4, 2.01, -0.1), row(150, 0.6, 2.01, 0.1);
    row(151, 0.53, 2.02, -0.07), row(152, 0.53, 2.02, 0.07), row(153, 0.47, 2.02, -0.07);
    row(154, 0.47, 2.02, 0.07);
    // Right side keys, hinge tab
    row(175, 1.01, 0.9, 0.4), row(176, 1.01, 0.9, 0), row(177, 1.01, 0.5, 0);
    row(178, 1.01, 0.5, 0.4), row(179, 1.02, 0.8, 0.3), row(180, 1.02, 0.8, 0.1);
    row(181, 1.02, 0.6, 0.1), row(182, 1.02, 0.6, 0.3), row(183, 1.01, 0.5, 0.3);
    row(184, 1.01, 0.5, 0.05), row(185, 1.02, 0.3, 0.05), row(186, 1.02, 0.3, 0.3);
    row(187, 1.01, 0.1, 0.3), row(188, 1.01, 0.1, 0.05), row(225, 1.02, 1.95, 0.1);
    row(226, 1.02, 1.75, 0.1), row(227, 1.02, 1.75, -0.1), row(228, 1.02, 1.95, -0.1);
    // Lid block, outer display, main screen
    row(11, 1, 1, -0.18), row(12, 1, -2, -0.18), row(13, -1, -2, -0.18);
    row(14, -1, 0.95, -0.18), row(15, -1, 0.95, -0.5), row(16, -1, -1.9, -0.5);
    row(17, 1, -1.9, -0.5), row(18, 1, 1, -0.5);
    row(24, 0.66, 0.2, -0.5), row(25, 0.66, -0.2, -0.5), row(26, -0.66, -0.2, -0.5);
    row(27, -0.66, 0.2, -0.5);
    row(31, 0.82, 0.5, -0.35), row(32, -0.82, 0.5, -0.35), row(33, -0.82, -1.7, -0.35);
    row(34, 0.82, -1.7, -0.35);
    // Outer display clock: cells of six points, left/right on three rows, and colon dots
    const double cellLeftX[] = {-0.61, -0.45, -0.13, 0.03, 0.35, 0.51};
    const double rowY[] = {-0.17, 0, 0.17};
    for (int c = 0; c < 6; ++c)
        for (int p = 0; p < 6; ++p)
            row(kCellBases[c] + p, cellLeftX[c] + 0.1 * (p % 2), rowY[p / 2], -0.501);
    row(57, -0.24, -0.1, -0.501), row(58, -0.24, 0.1, -0.501);
    row(71, 0.24, -0.1, -0.501), row(72, 0.24, 0.1, -0.501);
    row(155, 0, -0.6, -0.23);
}

void tst_Vertices::closedPositions()
{
    QFETCH(int, v);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    model::buildVertices(0.0, 0, 0, 0);
    const P p = at(v);
    // A fixed point is its literal, rounded to float; a lid point is turned to its place.
    const bool fixed = !movesWithLid(v);
    const double tolerance = fixed ? 0 : 1e-5;
    const auto expected = [fixed](double e) { return fixed ? double(GLfloat(e)) : e; };
    VERIFY_NEAR(p.x, expected(x), tolerance, "X");
    VERIFY_NEAR(p.y, expected(y), tolerance, "Y");
    VERIFY_NEAR(p.z, expected(z), tolerance, "Z");
}

void tst_Vertices::dialMarksClosed_data()
{
    // The marks' closed Y and Z are known only to the digits quoted; their X to the float.
    QTest::addColumn<int>("v");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("z");
    const auto row = [](int v, double x, const char *y, const char *z) {
        QTest::addRow("%d", v) << v << x << QString(y) << QString(z);
    };
    row(163, 0, "-1.65", "-0.33");
    row(164, 0.40000007, "-1.51", "-0.33"), row(165, -0.40000007, "-1.51", "-0.33");
    row(166, 0.69282037, "-1.12", "-0.346"), row(167, -0.69282037, "-1.12", "-0.346");
    row(168, 0.8, "-0.6", "-0.33"), row(169, -0.8, "-0.6", "-0.33");
    row(170, 0.6928202, "-0.0797", "-0.307"), row(171, -0.6928202, "-0.0797", "-0.307");
    row(172, 0.39999986, "0.261", "-0.343"), row(173, -0.39999986, "0.261", "-0.343");
    row(174, 0, "0.45", "-0.33");
}

void tst_Vertices::dialMarksClosed()
{
    QFETCH(int, v);
    QFETCH(double, x);
    QFETCH(QString, y);
    QFETCH(QString, z);
    model::buildVertices(0.0, 0, 0, 0);
    const P p = at(v);
    QVERIFY2(VertexArray[v][X] == GLfloat(x), qPrintable(nearMessage("X", p.x, x, 0)));
    VERIFY_NEAR(p.y, y.toDouble(), quotedTolerance(y), "Y");
    VERIFY_NEAR(p.z, z.toDouble(), quotedTolerance(z), "Z");
}

void tst_Vertices::openPositions_data()
{
    QTest::addColumn<double>("nAni");
    QTest::addColumn<int>("v");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("z");
    QTest::newRow("12 open") << 3.0 << 12 << 1.0 << "4.99"
                             << "-0.316";
    QTest::newRow("16 open") << 3.0 << 16 << -1.0 << "4.94"
                             << "0.0152";
    QTest::newRow("11 open") << 3.0 << 11 << 1.0 << "2.02"
                             << "0.108";
    QTest::newRow("31 open") << 3.0 << 31 << 0.82 << "2.54"
                             << "0.205";
    QTest::newRow("45 open") << 3.0 << 45 << -0.61 << "3.22"
                             << "0.260";
    QTest::newRow("12 upright") << M_PI / 2 << 12 << 1.0 << "1.68"
                                << "-3.5";
}

void tst_Vertices::openPositions()
{
    QFETCH(double, nAni);
    QFETCH(int, v);
    QFETCH(double, x);
    QFETCH(QString, y);
    QFETCH(QString, z);
    model::buildVertices(nAni, 0, 0, 0);
    const P p = at(v);
    VERIFY_NEAR(p.x, x, 1e-6, "X");
    VERIFY_NEAR(p.y, y.toDouble(), quotedTolerance(y), "Y");
    VERIFY_NEAR(p.z, z.toDouble(), quotedTolerance(z), "Z");
}

void tst_Vertices::buildWritesExactlyVertices0To246()
{
    const GLfloat unset = std::numeric_limits<GLfloat>::quiet_NaN();
    const GLfloat sentinel = 12345.0f;
    for (int v = 0; v < kVertexCount; ++v)
        for (int c = 0; c < 3; ++c)
            VertexArray[v][c] = v <= kLastWrittenVertex ? unset : sentinel;

    model::buildVertices(1.1, 13, 27, 41);

    for (int v = 0; v <= kLastWrittenVertex; ++v)
        for (int c = 0; c < 3; ++c)
            QVERIFY2(!std::isnan(VertexArray[v][c]), qPrintable(QString::number(v)));
    for (int v = kLastWrittenVertex + 1; v < kVertexCount; ++v) {
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(VertexArray[v][c], sentinel);
            VertexArray[v][c] = 0.0f;
        }
    }
}

void tst_Vertices::unwrittenVerticesStayZeroAfterBuilds()
{
    model::buildVertices(0.0, 0, 0, 0);
    model::buildVertices(3.0, 59, 59, 59);
    model::buildVertices(-2.0, -7, 130, 61);
    for (int v = kLastWrittenVertex + 1; v < kVertexCount; ++v)
        for (int c = 0; c < 3; ++c)
            QCOMPARE(VertexArray[v][c], 0.0f);
}

void tst_Vertices::rebuildIsBitIdentical()
{
    model::buildVertices(1.234, 17, 42, 33);
    const Snapshot first = snapshot();
    model::buildVertices(2.5, 3, 4, 5);
    model::buildVertices(1.234, 17, 42, 33);
    QVERIFY(std::memcmp(first.v, VertexArray, sizeof VertexArray) == 0);
}

void tst_Vertices::fixedVerticesIgnoreLidAndClock()
{
    model::buildVertices(0.0, 0, 0, 0);
    const Snapshot closed = snapshot();
    const struct {
        double nAni;
        int sec, min, min12;
    } states[] = {{3.0, 59, 37, 11}, {1.234, -5, 100, 7}, {0.03, 30, 0, 59}};
    for (const auto &s : states) {
        model::buildVertices(s.nAni, s.sec, s.min, s.min12);
        const Snapshot now = snapshot();
        for (int v = 0; v <= kLastWrittenVertex; ++v) {
            // Every lid point is off the hinge axis, so any real turn moves it.
            const bool moved = !sameBits(closed, now, v);
            QVERIFY2(moved == movesWithLid(v), qPrintable(QString::number(v)));
        }
    }
}

void tst_Vertices::lidPointsKeepHingeDistance()
{
    model::buildVertices(0.0, 0, 0, 0);
    const Snapshot closed = snapshot();
    for (double nAni : {0.5, M_PI / 2, 3.0, -0.7, 4.0}) {
        model::buildVertices(nAni, 0, 0, 0);
        for (int v = 0; v <= kLastWrittenVertex; ++v) {
            if (!movesWithLid(v))
                continue;
            const P before = {closed.v[v][X], closed.v[v][Y], closed.v[v][Z]};
            QCOMPARE(at(v).x, before.x);
            VERIFY_NEAR(hingeDistance(at(v)), hingeDistance(before), 1e-5,
                        qPrintable(QStringLiteral("distance of %1").arg(v)));
        }
    }
}

void tst_Vertices::digitCellKeepsItsSize()
{
    for (double nAni : {0.0, 1.0, 2.2, 3.0}) {
        model::buildVertices(nAni, 0, 0, 0);
        for (int b : kCellBases) {
            VERIFY_NEAR(distance(at(b), at(b + 1)), 0.1, 1e-5, "lower edge");
            VERIFY_NEAR(distance(at(b + 4), at(b + 5)), 0.1, 1e-5, "upper edge");
            VERIFY_NEAR(distance(at(b), at(b + 4)), 0.34, 1e-5, "left side");
            VERIFY_NEAR(distance(at(b + 1), at(b + 5)), 0.34, 1e-5, "right side");
        }
    }
}

void tst_Vertices::screenCornersFollowTheirHingeConstants()
{
    // The main screen's corners: X, distance and phase about the hinge, closed Y and Z
    const struct {
        int v;
        double x, r, a, y, z;
    } corners[] = {{31, 0.82, 1.059481, 0.3366748, 0.5, -0.35},
                   {32, -0.82, 1.059481, 0.3366748, 0.5, -0.35},
                   {33, -0.82, 3.2190837, 0.108942, -1.7, -0.35},
                   {34, 0.82, 3.2190837, 0.108942, -1.7, -0.35}};
    for (double nAni : {0.0, 3.0}) {
        model::buildVertices(nAni, 0, 0, 0);
        for (const auto &c : corners) {
            const QString which = QStringLiteral("corner %1 at %2").arg(c.v).arg(nAni);
            const model::Point3 p = model::screenCorner(c.v, nAni);
            const GLfloat expected[3] = {GLfloat(c.x), GLfloat(1.5 - c.r * std::cos(nAni + c.a)),
                                         GLfloat(-c.r * std::sin(nAni + c.a))};
            const GLfloat corner[3] = {p.x, p.y, p.z};
            const GLfloat vertex[3] = {VertexArray[c.v][X], VertexArray[c.v][Y],
                                       VertexArray[c.v][Z]};
            QVERIFY2(std::memcmp(corner, expected, sizeof corner) == 0, qPrintable(which));
            QVERIFY2(std::memcmp(vertex, expected, sizeof vertex) == 0, qPrintable(which));
            if (nAni == 0.0) {
                VERIFY_NEAR(p.y, c.y, 1e-5, qPrintable(which));
                VERIFY_NEAR(p.z, c.z, 1e-5, qPrintable(which));
            }
        }
    }
    const model::Point3 open = model::screenCorner(31, 3.0);
    VERIFY_NEAR(open.y, 2.54, quotedTolerance("2.54"), "corner 31 open, Y");
    VERIFY_NEAR(open.z, 0.205, quotedTolerance("0.205"), "corner 31 open, Z");
}

void tst_Vertices::handsPointAtTwelveAtZero()
{
    model::buildVertices(0.0, 0, 0, 0);
    const P hourTip = at(158);
    VERIFY_NEAR(hourTip.x, 0, 1e-7, "hour tip X");
    VERIFY_NEAR(hourTip.y, -1.20, quotedTolerance("-1.20"), "hour tip Y");
    VERIFY_NEAR(hourTip.z, -0.295, quotedTolerance("-0.295"), "hour tip Z");
    const P minuteTip = at(161);
    VERIFY_NEAR(minuteTip.x, 0, 1e-7, "minute tip X");
    VERIFY_NEAR(minuteTip.y, -1.59, quotedTolerance("-1.59"), "minute tip Y");
    VERIFY_NEAR(minuteTip.z, -0.339, quotedTolerance("-0.339"), "minute tip Z");
}

void tst_Vertices::handPoints_data()
{
    // At 12 o'clock a point lies `out` along its hand and `side` across it (+X to the right).
    // A shoulder turns with its hand as a rigid point; a tip reaches only `across` at 3 and 9.
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("field"); // 0 sec, 1 min, 2 min12
    QTest::addColumn<double>("out");
    QTest::addColumn<double>("side");
    QTest::addColumn<double>("across");
    QTest::addColumn<double>("d0");
    QTest::newRow("hour, left shoulder") << 156 << 2 << 0.2 << -0.1 << 0.2 << 2.1114924;
    QTest::newRow("hour, right shoulder") << 157 << 2 << 0.2 << 0.1 << 0.2 << 2.1114924;
    QTest::newRow("hour, tip") << 158 << 2 << 0.6 << 0.0 << 0.5 << 2.1114924;
    QTest::newRow("minute, left shoulder") << 159 << 1 << 0.2 << -0.05 << 0.2 << 2.1104739;
    QTest::newRow("minute, right shoulder") << 160 << 1 << 0.2 << 0.05 << 0.2 << 2.1104739;
    QTest::newRow("minute, tip") << 161 << 1 << 1.0 << 0.0 << 0.8 << 2.1104739;
    QTest::newRow("second, tip") << 162 << 0 << 1.0 << 0.0 << 0.8 << 2.1095023;
}

void tst_Vertices::handPoints()
{
    QFETCH(int, v);
    QFETCH(int, field);
    QFETCH(double, out);
    QFETCH(double, side);
    QFETCH(double, across);
    QFETCH(double, d0);
    for (double nAni : {0.0, 2.0, 3.0}) {
        for (int t : {0, 7, 15, 30, 45, 52}) {
            // The other hands stand elsewhere, so a hand reading the wrong field shows.
            const int other = t + 20;
            model::buildVertices(nAni, field == 0 ? t : other, field == 1 ? t : other,
                                 field == 2 ? t : other);
            // Clockwise from 12 o'clock, six degrees a step
            const double angle = t * 2 * M_PI / 60;
            const double x = across * std::sin(angle) + side * std::cos(angle);
            const double d = d0 + out * std::cos(angle) - side * std::sin(angle);
            // Every hand point lies in the plane through the hinge axis and the dial centre.
            const double phase = nAni + 0.109089;
            const QString when = QStringLiteral("at %1 with the lid at %2").arg(t).arg(nAni);
            VERIFY_NEAR(at(v).x, x, 1e-5, qPrintable("X " + when));
            VERIFY_NEAR(at(v).y, 1.5 - d * std::cos(phase), 1e-5, qPrintable("Y " + when));
            VERIFY_NEAR(at(v).z, -d * std::sin(phase), 1e-5, qPrintable("Z " + when));
        }
    }
}

void tst_Vertices::handsRepeatEveryHourAndMirrorBackwards()
{
    for (int t : {1, 7, 15, 44}) {
        model::buildVertices(0.8, t, t, t);
        const Snapshot forward = snapshot();
        // Sixty steps of the single-precision 2 * pi overshoot a full turn by 7e-7 rad.
        for (int shifted : {t + 60, t - 60}) {
            model::buildVertices(0.8, shifted, shifted, shifted);
            for (int v = 156; v <= 162; ++v)
                for (int c = 0; c < 3; ++c)
                    VERIFY_NEAR(VertexArray[v][c], forward.v[v][c], 2e-6,
                                qPrintable(QStringLiteral("%1 at %2").arg(v).arg(shifted)));
        }
        // Backwards, each point lands on the mirror image of its partner across the hand.
        model::buildVertices(0.8, -t, -t, -t);
        const int mirrorOf[] = {157, 156, 158, 160, 159, 161, 162};
        for (int v = 156; v <= 162; ++v) {
            const int m = mirrorOf[v - 156];
            QCOMPARE(VertexArray[v][X], -forward.v[m][X]);
            QCOMPARE(VertexArray[v][Y], forward.v[m][Y]);
            QCOMPARE(VertexArray[v][Z], forward.v[m][Z]);
        }
    }
}

void tst_Vertices::dialIgnoresClock()
{
    model::buildVertices(2.0, 0, 0, 0);
    const Snapshot before = snapshot();
    model::buildVertices(2.0, 25, 48, 13);
    for (int v : {155, 163, 164, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174})
        QVERIFY2(sameBits(before, snapshot(), v), qPrintable(QString::number(v)));
    for (int v = 156; v <= 162; ++v)
        QVERIFY2(!sameBits(before, snapshot(), v), qPrintable(QString::number(v)));
}

void tst_Vertices::roundingFollowsTheNumericRules()
{
    const double nAni = 0.7;
    const auto check = [](int v, double x, double y, double z) {
        return VertexArray[v][X] == GLfloat(x) && VertexArray[v][Y] == GLfloat(y) &&
               VertexArray[v][Z] == GLfloat(z);
    };
    model::buildVertices(nAni, 0, 23, 0);

    // Hand angles: double arithmetic on the single-precision 2 * pi.
    const double t = 23 * double(2 * pi) / 60;
    const double d = 2.1104739 + 1.0 * std::cos(t);
    QVERIFY(check(161, 0.8 * std::sin(t), 1.5 - d * std::cos(nAni + 0.109089),
                  -d * std::sin(nAni + 0.109089)));

    // Outer display clock points: single-precision hinge constants, double evaluation.
    const double r = 1.7435312f, a = 0.2914568f;
    QVERIFY(check(45, -0.61f, 1.5 - r * std::cos(nAni + a), -r * std::sin(nAni + a)));

    // Ring angles from the float pi, never rounded to float themselves.
    for (int q = 0; q < 18; ++q) {
        const double theta = q * double(pi) / 9;
        QVERIFY(check(189 + q, 1.01f, 1.5 + 0.4 * std::cos(theta), 0.4 * std::sin(theta)));
        QVERIFY(check(229 + q, 1.03f, 1.5 + 0.05 * std::cos(theta), 0.05 * std::sin(theta)));
    }
}

void tst_Vertices::ringPoints_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("outer, first") << 189 << 1.01 << 1.9 << 0.0 << 1e-5;
    QTest::newRow("outer, half way") << 198 << 1.01 << 1.1 << 0.0 << 1e-5;
    QTest::newRow("outer, 80 degrees")
        << 193 << 1.01 << 1.5 + 0.4 * std::cos(80 * M_PI / 180) << 0.394 << 0.0005;
    QTest::newRow("inner, first") << 207 << 1.02 << 1.7 << 0.0 << 1e-5;
    QTest::newRow("hub, first") << 229 << 1.03 << 1.55 << 0.0 << 1e-5;
    QTest::newRow("hub, half way") << 238 << 1.03 << 1.45 << 0.0 << 1e-5;
}

void tst_Vertices::ringPoints()
{
    QFETCH(int, v);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(double, tolerance);
    model::buildVertices(0.0, 0, 0, 0);
    VERIFY_NEAR(at(v).x, x, 1e-6, "X");
    VERIFY_NEAR(at(v).y, y, tolerance, "Y");
    VERIFY_NEAR(at(v).z, z, tolerance, "Z");
}

void tst_Vertices::ringsStayOnHingeBlockFace()
{
    model::buildVertices(0.0, 0, 0, 0);
    const struct {
        int first;
        double radius;
    } rings[] = {{189, 0.4}, {207, 0.2}, {229, 0.05}};
    for (const auto &ring : rings) {
        for (int q = 0; q < 18; ++q) {
            const P p = at(ring.first + q);
            QVERIFY(p.x > 1.0);
            QVERIFY(p.y >= 1.0 && p.y <= 2.0);
            QVERIFY(p.z >= -0.5 && p.z <= 0.5);
            VERIFY_NEAR(hingeDistance(p), ring.radius, 1e-6, "radius");
            // 20 degree steps, running from the hinge end towards the back (+Z)
            const double angle = std::atan2(p.z, p.y - model::kHingeY);
            const double step = std::remainder(angle - q * M_PI / 9, 2 * M_PI);
            VERIFY_NEAR(step, 0.0, 1e-5, "angle");
        }
    }
}

void tst_Vertices::bodyOutlinesAreConsistent()
{
    model::buildVertices(0.0, 0, 0, 0);
    QVERIFY(std::memcmp(VertexArray[19], VertexArray[21], sizeof VertexArray[19]) == 0);
    for (int v = 35; v <= 43; v += 2) {
        QVERIFY(at(v).x < 0);
        QCOMPARE(at(v + 1).x, -at(v).x);
        QCOMPARE(at(v + 1).y, at(v).y);
        QCOMPARE(at(v + 1).z, at(v).z);
    }
}

QTEST_APPLESS_MAIN(tst_Vertices)

#include "tst_vertices.moc"
