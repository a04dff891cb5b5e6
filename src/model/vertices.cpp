// The vertex build: one call writes every vertex 0-246 from the lid angle and the clock fields.
#include "tables.h"
#include "vertices_rows.h"

#include <cmath>

namespace model {

Point3 rows::hingedPoint(double x, double r, double a, double nAni)
{
    const double t = nAni + a;
    return {GLfloat(x), GLfloat(kHingeY - r * std::cos(t)), GLfloat(-r * std::sin(t))};
}

void putHinged(int v, double x, double r, double a, double nAni)
{
    // Going through hingedPoint keeps the stored vertex and screenCorner() bit-identical.
    const Point3 p = rows::hingedPoint(x, r, a, nAni);
    put(v, p.x, p.y, p.z);
}

void buildVertices(double nAni, int sec, int min, int min12)
{
    buildBody();
    buildLid(nAni);
    buildClockFace(nAni, sec, min, min12);
    buildDetails();
}

} // namespace model
