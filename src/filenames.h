// File names as the file system has them: bytes. A name that is not valid in the locale's
// encoding (on Linux, UTF-8) keeps each byte it cannot decode as a mark, so that it is never
// taken for another file's name: such a name is refused, not opened.
#pragma once

#include <QByteArray>
#include <QString>

// The name from its bytes: decoded when the bytes come back unchanged from the decoded name;
// otherwise each byte that is not part of a valid UTF-8 sequence becomes a mark, and the
// name is unusable.
QString decodeFileName(const QByteArray &bytes);

// Whether the file system can be asked for exactly this name.
bool usableFileName(const QString &name);

// The name for a message: marked bytes written as \xNN, the rest as it is.
QString printableFileName(const QString &name);
QString printableFileName(const QByteArray &bytes); // the name of these bytes, as above

// Why an unusable name is refused, in a few words.
QString unusableNameReason();
