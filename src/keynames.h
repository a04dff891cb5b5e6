// Keys by name, for pictures made without a window: "R Q Left Left W +".
#pragma once

#include <QString>
#include <QVector>

struct KeyNames {
    QVector<int> keys; // the toolkit's key codes, in the order given
    QString error;     // what is wrong; empty when every name is known
};

// Names as the controls list writes them, separated by spaces: the letters (either case),
// + = -, Up, Down, Left, Right and Space. A name no key has, or a key that only makes sense
// in a window, is an error that names it.
KeyNames parseKeyNames(const QString &text);
