// velkar --output: one frame of the phone written to a file, with no window and no display.
#pragma once

#include "commandline.h"

// Draws the frame the line asks for and writes it. Returns the exit status: 0 written,
// 1 no OpenGL or the file could not be written, 2 a size beyond what the GL allows. Makes
// the application object itself, so none may exist yet.
int writePicture(const CommandLine &line, char *program);
