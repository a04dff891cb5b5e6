// The single definition of every global model table. Static storage: all start zeroed.
#include "tables.h"

GLfloat VertexArray[kVertexCount][3];
GLfloat ColorArray[kVertexCount][4];

GLubyte Array4[50][4];
GLubyte Array4d[40][4];
GLubyte Array18[4][19];
GLubyte Array4m[10][4];
GLubyte IndexArray[70][2];
GLubyte PointsHo[12];
GLubyte ArrayNum[34][2];
GLubyte ArrayAn[4][4];
GLubyte secStr[2];
