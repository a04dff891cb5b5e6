// The About box: the program's name, version, licence and who made it and its translations.
#pragma once

class QWidget;

void showAboutBox(QWidget *parent);
