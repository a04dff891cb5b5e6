// The About box: the program's name, version, what it is, its licence and copyright.
#pragma once

class QWidget;

void showAboutBox(QWidget *parent);
