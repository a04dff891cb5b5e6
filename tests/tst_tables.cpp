// Colour table, fixed index tables, digit renderer and clock fields, checked on the CPU.
// The expected data is written here as text in the same form the tables are documented
// in (ranges "35-39", quads "7 8 1 0", strokes "0-1"), independently of the builders.
#include "tables.h"

#include <QtTest>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <time.h>
#include <type_traits>
#include <vector>

namespace {

// Every number in the text, in order ("7 8 1 0; 2 43" -> 7, 8, 1, 0, 2, 43).
std::vector<int> numbers(const char *text)
{
    std::vector<int> out;
    for (const char *p = text; *p;) {
        if (std::isdigit(static_cast<unsigned char>(*p))) {
            char *end = nullptr;
            out.push_back(int(std::strtol(p, &end, 10)));
            p = end;
        } else {
            ++p;
        }
    }
    return out;
}

// Entries of a list such as "35-39, 41-44, 86", ranges expanded.
std::vector<int> entryList(const char *text)
{
    std::vector<int> out;
    for (const char *p = text; *p;) {
        if (!std::isdigit(static_cast<unsigned char>(*p))) {
            ++p;
            continue;
        }
        char *end = nullptr;
        const int first = int(std::strtol(p, &end, 10));
        int last = first;
        if (*end == '-')
            last = int(std::strtol(end + 1, &end, 10));
        for (int v = first; v <= last; ++v)
            out.push_back(v);
        p = end;
    }
    return out;
}

// A table's index bytes as one flat run.
template <class Table> const GLubyte *bytes(const Table &table)
{
    return reinterpret_cast<const GLubyte *>(&table);
}

// Index entries [from, to) of a table, counted as if it were one flat array.
template <class Table> std::vector<int> flat(const Table &table, std::size_t from, std::size_t to)
{
    if (from > to || to > sizeof table)
        qFatal("range %zu-%zu outside a table of %zu", from, to, sizeof table);
    return std::vector<int>(bytes(table) + from, bytes(table) + to);
}

// A table's extents, outermost first ({50, 4} for 50 quads of 4).
template <class Table> std::vector<int> shape(const Table &)
{
    std::vector<int> out;
    if (std::rank<Table>::value > 0)
        out.push_back(int(std::extent<Table, 0>::value));
    if (std::rank<Table>::value > 1)
        out.push_back(int(std::extent<Table, 1>::value));
    return out;
}

std::vector<int> dims(int outer, int inner = 0)
{
    return inner ? std::vector<int>{outer, inner} : std::vector<int>{outer};
}

template <class Table>
bool allEqual(const Table &table, std::size_t from, std::size_t to, GLubyte value)
{
    if (from > to || to > sizeof table)
        qFatal("range %zu-%zu outside a table of %zu", from, to, sizeof table);
    for (std::size_t i = from; i < to; ++i)
        if (bytes(table)[i] != value)
            return false;
    return true;
}

// The glyph table: the five strokes of each digit as cell positions.
const char *const kGlyphText[10] = {
    "0-1 1-5 0-4 4-5 0-0", "1-5 0-0 0-0 0-0 0-0", "0-1 0-2 3-2 3-5 4-5", "0-1 1-5 3-2 5-4 0-0",
    "4-2 1-3 3-2 3-5 0-0", "0-1 1-3 3-2 2-4 4-5", "0-1 1-3 3-2 2-0 2-5", "0-5 5-4 0-0 0-0 0-0",
    "0-1 1-5 0-4 4-5 3-2", "4-5 5-3 4-2 3-2 3-0",
};

// The six digit cells: base vertex and first ArrayNum row.
constexpr int kCellBase[6] = {45, 51, 59, 65, 73, 79};
constexpr int kCellRow[6] = {0, 5, 10, 15, 20, 25};

// ArrayNum rows arr..arr+4 as ten numbers.
std::vector<int> cellRows(int arr)
{
    return flat(ArrayNum, arr * 2, arr * 2 + 10);
}

std::vector<int> glyphRows(int digit, int pos)
{
    std::vector<int> out = numbers(kGlyphText[digit]);
    for (int &n : out)
        n += pos;
    return out;
}

void fillClockTables(GLubyte value)
{
    std::memset(ArrayNum, value, sizeof ArrayNum);
    std::memset(ArrayAn, value, sizeof ArrayAn);
    std::memset(secStr, value, sizeof secStr);
}

void fillFixedTables(GLubyte value)
{
    std::memset(Array4, value, sizeof Array4);
    std::memset(Array4d, value, sizeof Array4d);
    std::memset(Array18, value, sizeof Array18);
    std::memset(Array4m, value, sizeof Array4m);
    std::memset(IndexArray, value, sizeof IndexArray);
    std::memset(PointsHo, value, sizeof PointsHo);
}

// The digit renderer with the digits 0-9 put as the widget puts them (the widget's own
// dispatch, out-of-range digits included, is tested with the widget).
void drawNumb(int hour, int min, int sec)
{
    model::drawNumb(hour, min, sec, [](int t, GLubyte pos, int arr) {
        QVERIFY(t >= 0 && t <= 9);
        model::drawGlyph(t, pos, arr);
    });
}

// The fixed rows every drawNumb writes after the digits.
void verifyFixedClockRows()
{
    QCOMPARE(flat(ArrayNum, 30 * 2, 30 * 2 + 4), numbers("57 58 71 72"));
    QCOMPARE(flat(ArrayAn, 0, 8), numbers("158 156 155 157  161 159 155 160"));
    QCOMPARE(flat(secStr, 0, 2), numbers("155 162"));
}

// Switches the process time zone for one test and restores it afterwards.
class ZoneGuard
{
public:
    explicit ZoneGuard(const char *zone)
    {
        if (const char *old = std::getenv("TZ")) {
            m_hadOld = true;
            m_old = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ZoneGuard()
    {
        if (m_hadOld)
            setenv("TZ", m_old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadOld = false;
    std::string m_old;
};

bool haveZone(const char *zone)
{
    return QFile::exists(QStringLiteral("/usr/share/zoneinfo/") + QLatin1String(zone));
}

model::ClockFields fieldsAt(std::time_t t)
{
    std::tm local{};
    if (!localtime_r(&t, &local))
        qFatal("localtime_r failed");
    return model::clockFields(local);
}

// The local standard-time arithmetic: the UTC breakdown read back by mktime as local
// standard time gives the zone's standard offset, and the seconds are split from there.
model::ClockFields standardTimeFields(std::time_t set)
{
    std::tm g{}, l{};
    gmtime_r(&set, &g);
    localtime_r(&set, &l);
    std::time_t need = mktime(&l) - mktime(&g);
    need += mktime(&l);
    model::ClockFields f{};
    f.sec = int(need % 60);
    need /= 60;
    f.min = int(need % 60);
    need /= 12;
    f.min12 = int(need % 60);
    need /= 5;
    f.hou = int(need % 24);
    return f;
}

std::vector<int> asVector(const model::ClockFields &f)
{
    return {f.hou, f.min, f.sec, f.min12};
}

constexpr std::time_t kSummerNoonBerlin = 1784109600; // 2026-07-15 10:00:00 UTC
constexpr std::time_t kWinterBerlin = 1768471200;     // 2026-01-15 10:00:00 UTC

} // namespace

class tst_Tables : public QObject
{
    Q_OBJECT

private slots:
    void colourTableMatchesColourList();
    void colourEdgeCases();

    void fixedTablesHoldTheirPrimitives();
    void drawnRangesFitTheirTables();
    void indicesStayOnWrittenVertices();

    void glyphStrokes_data();
    void glyphStrokes();
    void drawNumbWritesEveryRow();
    void drawNumbAtMidnight();
    void fewerStrokesLeaveNoOldStroke();

    void clockFieldsSplitLocalTime_data();
    void clockFieldsSplitLocalTime();
    void clockFollowsWallClockAcrossDaylightSaving();
    void outsideDaylightSavingEqualsStandardTime();
    void readClockGivesLocalTime();
};

void tst_Tables::colourTableMatchesColourList()
{
    struct Colour {
        const char *name;
        float r, g, b;
        const char *entries;
    };
    const Colour byColour[] = {
        {"white", 1, 1, 1, "24, 34"},
        {"light grey", 0.9f, 0.9f, 0.9f,
         "35-39, 41-44, 86, 89-92, 95, 98-101, 103-105, 108-109, 111, 114-115, 118-119, 122, "
         "124-125, 134, 178, 188, 206"},
        {"mid grey", 0.7f, 0.7f, 0.7f, "139-150, 224, 228"},
        {"red", 1, 0, 0, "162-163, 168-169, 174, 246"},
        {"green", 0, 1, 0, "160"},
        {"blue", 0, 0, 1, "157"},
        {"black", 0, 0, 0,
         "0-23, 25-33, 40, 45-85, 87-88, 93-94, 96-97, 102, 106-107, 110, 112-113, 116-117, "
         "120-121, 123, 126-133, 135-138, 151-156, 158-159, 161, 164-167, 170-173, 175-177, "
         "179-187, 189-205, 207-223, 225-227, 229-245, 247-249"},
    };

    // The lists must cover every entry exactly once, or the comparison below proves little.
    const Colour *expected[kVertexCount] = {};
    for (const Colour &c : byColour) {
        for (int v : entryList(c.entries)) {
            QVERIFY2(v >= 0 && v < kVertexCount, c.name);
            QVERIFY2(!expected[v], qPrintable(QString("entry %1 listed twice").arg(v)));
            expected[v] = &c;
        }
    }
    for (int v = 0; v < kVertexCount; ++v)
        QVERIFY2(expected[v], qPrintable(QString("entry %1 in no list").arg(v)));

    // Start from a value no step writes, so an entry or component left out shows.
    for (auto &entry : ColorArray)
        for (GLfloat &component : entry)
            component = 0.5f;
    model::buildColors();

    for (int v = 0; v < kVertexCount; ++v) {
        const Colour &c = *expected[v];
        const GLfloat *got = ColorArray[v];
        QVERIFY2(got[0] == c.r && got[1] == c.g && got[2] == c.b && got[3] == 1.0f,
                 qPrintable(QString("entry %1 is (%2, %3, %4, %5), want %6")
                                .arg(v)
                                .arg(got[0])
                                .arg(got[1])
                                .arg(got[2])
                                .arg(got[3])
                                .arg(c.name)));
    }
}

void tst_Tables::colourEdgeCases()
{
    model::buildColors();
    const auto isBlack = [](int v) {
        return ColorArray[v][0] == 0.0f && ColorArray[v][1] == 0.0f && ColorArray[v][2] == 0.0f &&
               ColorArray[v][3] == 1.0f;
    };
    QVERIFY(isBlack(40));
    QCOMPARE(ColorArray[39][0], 0.9f);
    QCOMPARE(ColorArray[41][0], 0.9f);
    for (int v : {87, 88, 102})
        QVERIFY2(isBlack(v), qPrintable(QString::number(v)));
    for (int v : {247, 248, 249})
        QVERIFY2(isBlack(v), qPrintable(QString::number(v)));

    const std::set<int> coloured = {157, 160, 162, 163, 168, 169, 174};
    for (int v = 151; v <= 174; ++v)
        QVERIFY2(isBlack(v) != (coloured.count(v) == 1), qPrintable(QString::number(v)));
}

void tst_Tables::fixedTablesHoldTheirPrimitives()
{
    const std::vector<int> array4 = numbers(
        "7 8 1 0; 2 43 35 3; 20 23 7 6; 16 15 14 13; 17 16 13 12; 18 17 12 11; 0 5 6 7; "
        "8 9 2 1; 20 21 5 4; 10 18 4 3; 18 6 21 22; 18 23 7 6; 9 8 23 10; 6 5 4 20; 1 2 3 30; "
        "11 14 15 18; 10 20 4 3; 26 27 15 16; 24 18 15 27; 17 18 24 25; 16 17 25 26; "
        "14 32 33 13; 13 33 34 12; 12 34 31 11; 11 31 32 14; 9 44 43 2; 10 36 44 9; "
        "3 35 36 10; 39 41 42 40; 94 86 85 93; 88 87 95 96; 127 128 130 129; 101 97 102 106; "
        "107 123 126 110; 0 132 131 5; 5 131 133 4; 4 133 134 30; 30 134 132 0; "
        "179 180 181 182; 227 226 225 228");
    const std::vector<int> array4d = numbers(
        "27 26 25 24; 33 32 31 34; 133 131 132 134; 39 102 85 35; 35 85 88 36; 96 93 97 101; "
        "88 106 40 36; 40 106 102 39; 97 93 96 100; 94 128 127 86; 87 129 130 95; "
        "127 129 87 86; 130 128 94 95; 43 123 107 41; 126 123 43 44; 110 126 44 42; "
        "107 110 42 41; 137 135 136 138; 140 141 139 142; 144 141 140 143; 144 139 141 144; "
        "143 140 142 143; 142 139 145 146; 147 149 148 150; 153 151 152 154; "
        "175 176 177 178; 187 183 184 188");
    const std::vector<int> array4m = numbers("12 13 14 11; 4 5 0 30");
    const std::vector<int> indexArray = numbers(
        "0-1, 1-2, 2-3, 3-4, 4-5, 5-6, 6-7, 7-8, 0-5, 1-8, 0-7, 8-9, 9-10, 10-3, 9-2, 20-6, "
        "11-12, 12-13, 13-14, 14-11, 14-15, 15-16, 16-13, 16-17, 17-12, 17-18, "
        "6-21, 23-20, 22-19, 4-20, 19-28, 28-29, 23-29, 27-24, 24-25, 25-26, 26-27, 22-21, "
        "11-18, 18-15, 31-32, 32-33, 33-34, 34-31, 22-29, "
        "89-90, 91-92, 98-103, 99-104, 100-105, 108-124, 125-109, 111-114, 115-118, 119-122, "
        "86-87, 95-87, 95-94, 86-94, 175-176, 176-177, 178-177, 178-175, 185-186");
    std::vector<int> array18;
    for (int base : {206, 224, 246}) {
        for (int j = 0; j < 18; ++j)
            array18.push_back(base - j);
        array18.push_back(base);
    }
    std::vector<int> pointsHo;
    for (int q = 0; q < 12; ++q)
        pointsHo.push_back(163 + q);
    QCOMPARE(array4.size(), std::size_t(40 * 4));
    QCOMPARE(array4d.size(), std::size_t(27 * 4));
    QCOMPARE(indexArray.size(), std::size_t(64 * 2));

    // Twice: over a sentinel, so anything written past the literal rows shows, and over
    // zeros, the tables' start state, whose tails the draws cover as empty primitives.
    for (GLubyte start : {GLubyte(0xEE), GLubyte(0)}) {
        fillFixedTables(start);
        fillClockTables(0xEE);
        model::buildIndices();

        QCOMPARE(flat(Array4, 0, 40 * 4), array4);
        QCOMPARE(flat(Array4d, 0, 27 * 4), array4d);
        QCOMPARE(flat(Array18, 0, 3 * 19), array18);
        QCOMPARE(flat(Array4m, 0, 2 * 4), array4m);
        QCOMPARE(flat(IndexArray, 0, 64 * 2), indexArray);
        QCOMPARE(flat(PointsHo, 0, 12), pointsHo);

        QVERIFY(allEqual(Array4, 40 * 4, 50 * 4, start));
        QVERIFY(allEqual(Array4d, 27 * 4, 40 * 4, start));
        QVERIFY(allEqual(Array18, 3 * 19, 4 * 19, start));
        QVERIFY(allEqual(Array4m, 2 * 4, 10 * 4, start));
        QVERIFY(allEqual(IndexArray, 64 * 2, 70 * 2, start));

        QVERIFY2(allEqual(ArrayNum, 0, 34 * 2, 0xEE), "digit strokes touched");
        QVERIFY2(allEqual(ArrayAn, 0, 4 * 4, 0xEE), "hand quads touched");
        QVERIFY2(allEqual(secStr, 0, 2, 0xEE), "second hand touched");
    }
}

void tst_Tables::drawnRangesFitTheirTables()
{
    // The table shapes, and how much of each table one figure drawing hands to the GL
    QCOMPARE(shape(Array4), dims(50, 4));
    QCOMPARE(shape(Array4d), dims(40, 4));
    QCOMPARE(shape(Array18), dims(4, 19));
    QCOMPARE(shape(Array4m), dims(10, 4));
    QCOMPARE(shape(IndexArray), dims(70, 2));
    QCOMPARE(shape(PointsHo), dims(12));
    QCOMPARE(shape(ArrayNum), dims(34, 2));
    QCOMPARE(shape(ArrayAn), dims(4, 4));
    QCOMPARE(shape(secStr), dims(2));
    QCOMPARE(model::kArray4Drawn, 168);
    QCOMPARE(model::kArray4dDrawn, 124);
    QCOMPARE(model::kArray18RowsDrawn, 3);
    QCOMPARE(model::kArray4mDrawn, 12);
    QCOMPARE(model::kIndexArrayDrawn, 140);

    // What the draws cover past the literal rows is all on vertex 0: primitives of zero size.
    fillFixedTables(0);
    model::buildIndices();
    QVERIFY(allEqual(Array4, 40 * 4, model::kArray4Drawn, 0));
    QVERIFY(allEqual(Array4d, 27 * 4, model::kArray4dDrawn, 0));
    QVERIFY(allEqual(Array4m, 2 * 4, model::kArray4mDrawn, 0));
    QVERIFY(allEqual(IndexArray, 64 * 2, model::kIndexArrayDrawn, 0));
}

void tst_Tables::indicesStayOnWrittenVertices()
{
    fillFixedTables(0);
    model::buildIndices();
    std::set<int> used;
    const auto collect = [&used](const GLubyte *from, std::size_t n) {
        used.insert(from, from + n);
    };
    collect(&Array4[0][0], sizeof Array4);
    collect(&Array4d[0][0], sizeof Array4d);
    collect(&Array18[0][0], sizeof Array18);
    collect(&Array4m[0][0], sizeof Array4m);
    collect(&IndexArray[0][0], sizeof IndexArray);
    collect(PointsHo, sizeof PointsHo);
    // Every time of day, so every digit passes through every cell.
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m < 60; ++m) {
            drawNumb(h, m, m);
            collect(&ArrayNum[0][0], 32 * 2);
            collect(&ArrayAn[0][0], 2 * 4);
            collect(secStr, 2);
        }
    }

    QVERIFY(*used.rbegin() <= kLastWrittenVertex);
    for (int v : {37, 38, 112, 113, 116, 117, 120, 121, 247, 248, 249})
        QVERIFY2(!used.count(v), qPrintable(QString("vertex %1 is referenced").arg(v)));
}

void tst_Tables::glyphStrokes_data()
{
    QTest::addColumn<int>("digit");
    for (int d = 0; d < 10; ++d)
        QTest::addRow("%d", d) << d;
}

void tst_Tables::glyphStrokes()
{
    QFETCH(int, digit);
    const std::vector<int> expected = glyphRows(digit, 73);

    fillClockTables(0xEE);
    model::drawGlyph(digit, 73, 20);
    QCOMPARE(cellRows(20), expected);
    QVERIFY2(allEqual(ArrayNum, 0, 20 * 2, 0xEE), "rows before the cell written");
    QVERIFY2(allEqual(ArrayNum, 25 * 2, 34 * 2, 0xEE), "rows after the cell written");
}

void tst_Tables::drawNumbWritesEveryRow()
{
    fillClockTables(0xEE);
    drawNumb(13, 5, 9);
    QCOMPARE(flat(ArrayNum, 0, 30 * 2),
             numbers("(46, 50), (45, 45), (45, 45), (45, 45), (45, 45);"
                     "(51, 52), (52, 56), (54, 53), (56, 55), (51, 51);"
                     "(59, 60), (60, 64), (59, 63), (63, 64), (59, 59);"
                     "(65, 66), (66, 68), (68, 67), (67, 69), (69, 70);"
                     "(73, 74), (74, 78), (73, 77), (77, 78), (73, 73);"
                     "(83, 84), (84, 82), (83, 81), (82, 81), (82, 79)"));
    verifyFixedClockRows();
    QVERIFY2(allEqual(ArrayNum, 32 * 2, 34 * 2, 0xEE), "ArrayNum rows 32-33 written");
    QVERIFY2(allEqual(ArrayAn, 2 * 4, 4 * 4, 0xEE), "ArrayAn rows 2-3 written");

    // The same time again rewrites the same values.
    const std::vector<int> first = flat(ArrayNum, 0, 34 * 2);
    drawNumb(13, 5, 9);
    QCOMPARE(flat(ArrayNum, 0, 34 * 2), first);
}

void tst_Tables::drawNumbAtMidnight()
{
    fillClockTables(0xEE);
    drawNumb(0, 0, 0);
    for (int cell = 0; cell < 6; ++cell) {
        const int pos = kCellBase[cell];
        QCOMPARE(cellRows(kCellRow[cell]), glyphRows(0, pos));
        QCOMPARE(int(ArrayNum[kCellRow[cell] + 4][0]), pos);
        QCOMPARE(int(ArrayNum[kCellRow[cell] + 4][1]), pos);
    }
    verifyFixedClockRows();
}

void tst_Tables::fewerStrokesLeaveNoOldStroke()
{
    drawNumb(88, 88, 88);
    drawNumb(11, 11, 11);
    for (int cell = 0; cell < 6; ++cell) {
        const int p = kCellBase[cell];
        QCOMPARE(cellRows(kCellRow[cell]),
                 std::vector<int>({p + 1, p + 5, p, p, p, p, p, p, p, p}));
    }
}

void tst_Tables::clockFieldsSplitLocalTime_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("min12");
    QTest::addColumn<int>("secField");

    QTest::newRow("23:59:59") << 23 << 59 << 59 << 59 << 59;
    QTest::newRow("00:00:00") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("12:00:00") << 12 << 0 << 0 << 0 << 0;
    QTest::newRow("06:00:00") << 6 << 0 << 0 << 30 << 0;
    QTest::newRow("03:36:00") << 3 << 36 << 0 << 18 << 0;
    QTest::newRow("13:45:00") << 13 << 45 << 0 << 8 << 0;
    QTest::newRow("12:11:59") << 12 << 11 << 59 << 0 << 59;
    QTest::newRow("12:12:00") << 12 << 12 << 0 << 1 << 0;
    QTest::newRow("leap second") << 23 << 59 << 60 << 59 << 59;
}

void tst_Tables::clockFieldsSplitLocalTime()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(int, min12);
    QFETCH(int, secField);

    std::tm local{};
    local.tm_year = 126;
    local.tm_mday = 1;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    const model::ClockFields f = model::clockFields(local);
    QCOMPARE(f.hou, hour);
    QCOMPARE(f.min, minute);
    QCOMPARE(f.sec, secField);
    QCOMPARE(f.min12, min12);
}

void tst_Tables::clockFollowsWallClockAcrossDaylightSaving()
{
    if (!haveZone("Europe/Berlin"))
        QSKIP("no time zone data for Europe/Berlin in /usr/share/zoneinfo");
    ZoneGuard zone("Europe/Berlin");

    const model::ClockFields summer = fieldsAt(kSummerNoonBerlin);
    QCOMPARE(asVector(summer), std::vector<int>({12, 0, 0, 0}));
    const model::ClockFields winter = fieldsAt(kWinterBerlin);
    QCOMPARE(asVector(winter), std::vector<int>({11, 0, 0, 55}));

    // Standard-time arithmetic would show 11 in summer, an hour behind the wall clock.
    QCOMPARE(standardTimeFields(kSummerNoonBerlin).hou, 11);
}

void tst_Tables::outsideDaylightSavingEqualsStandardTime()
{
    if (!haveZone("Europe/Berlin"))
        QSKIP("no time zone data for Europe/Berlin in /usr/share/zoneinfo");
    ZoneGuard zone("Europe/Berlin");

    // Every minute of a winter day, at a second that changes with the minute.
    const std::time_t dayStart = kWinterBerlin - 11 * 3600; // local midnight
    for (int m = 0; m < 24 * 60; ++m) {
        const std::time_t t = dayStart + m * 60 + m % 60;
        const std::vector<int> got = asVector(fieldsAt(t));
        const std::vector<int> standard = asVector(standardTimeFields(t));
        QVERIFY2(got == standard, qPrintable(QString("differs at minute %1").arg(m)));
        QCOMPARE(got[0], m / 60);
    }
}

void tst_Tables::readClockGivesLocalTime()
{
    if (!haveZone("Europe/Berlin"))
        QSKIP("no time zone data for Europe/Berlin in /usr/share/zoneinfo");
    // A zone never on UTC, so a clock that skipped the local breakdown would show.
    ZoneGuard zone("Europe/Berlin");
    const QTimeZone berlin("Europe/Berlin");
    QVERIFY(berlin.isValid());

    // Qt's own zone reading, taken before and after: the fields must show a time between.
    const auto secondOfDay = [&berlin] {
        const QTime t = QDateTime::currentDateTimeUtc().toTimeZone(berlin).time();
        return t.hour() * 3600 + t.minute() * 60 + t.second();
    };
    const qint64 epochBefore = QDateTime::currentSecsSinceEpoch();
    const int before = secondOfDay();
    const model::ClockReading reading = model::readClock();
    const int after = secondOfDay();
    const qint64 epochAfter = QDateTime::currentSecsSinceEpoch();
    const model::ClockFields &now = reading.fields;

    const int shown = now.hou * 3600 + now.min * 60 + now.sec;
    const bool between = before <= after ? before <= shown && shown <= after
                                         : before <= shown || shown <= after; // over midnight
    QVERIFY2(
        between,
        qPrintable(QStringLiteral("%1 shown, read %2 and %3").arg(shown).arg(before).arg(after)));
    QCOMPARE(now.min12, (now.hou % 12) * 5 + now.min / 12);

    // The fields are those of the second read, and the fraction lies within it.
    QVERIFY(epochBefore <= reading.second && reading.second <= epochAfter);
    QCOMPARE(asVector(fieldsAt(std::time_t(reading.second))), asVector(now));
    QVERIFY(reading.nanos >= 0 && reading.nanos < 1000000000L);
}

QTEST_APPLESS_MAIN(tst_Tables)
#include "tst_tables.moc"
