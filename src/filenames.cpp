#include "filenames.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// A byte that cannot be decoded is kept as a lone low surrogate, U+DC80 to U+DCFF, as
// Python's "surrogateescape" does: no valid UTF-8 decodes to one.
constexpr ushort kMark = 0xDC00;

bool isMark(QChar c)
{
    return c.unicode() >= kMark + 0x80 && c.unicode() <= kMark + 0xFF;
}

// The length of the valid UTF-8 sequence at `at`, or 0.
int sequenceLength(const QByteArray &bytes, int at)
{
    const auto byte = [&](int i) { return i < bytes.size() ? uchar(bytes[i]) : 0; };
    const uchar lead = byte(at);
    const int length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
    for (int i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points past U+10FFFF are not valid either.
    const uchar second = byte(at + 1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

} // namespace

QString decodeFileName(const QByteArray &bytes)
{
    const QString decoded = QFile::decodeName(bytes);
    if (QFile::encodeName(decoded) == bytes)
        return decoded;
    QString marked;
    for (int at = 0; at < bytes.size();) {
        const int length = sequenceLength(bytes, at);
        if (length) {
            marked += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        } else {
            marked += QChar(ushort(kMark + uchar(bytes[at++])));
        }
    }
    return marked;
}

bool usableFileName(const QString &name)
{
    return QFile::decodeName(QFile::encodeName(name)) == name;
}

QString printableFileName(const QString &name)
{
    QString text;
    for (QChar c : name)
        text += isMark(c) ? QString("\\x%1").arg(c.unicode() - kMark, 2, 16, QChar('0')) : c;
    return text;
}

QString printableFileName(const QByteArray &bytes)
{
    return printableFileName(decodeFileName(bytes));
}

QString unusableNameReason()
{
    return QCoreApplication::translate("Picture",
                                       "its name is not valid UTF-8, and it cannot be used");
}
