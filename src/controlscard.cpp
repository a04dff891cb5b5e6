#include "controlscard.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "commands.h"

namespace {

// Dark enough behind white text for any part of the phone to show through.
const QColor kPanel(24, 24, 32, 215);
const QColor kText(255, 255, 255);
const QColor kHint(200, 200, 210);
constexpr double kLargestShare = 0.96; // of the window's width and height

QString cardTitle()
{
    return QCoreApplication::translate("ControlsCard", "Velkar %1").arg(VELKAR_VERSION);
}

QString cardHint()
{
    return QCoreApplication::translate("ControlsCard", "Any other key or a click hides this list.");
}

void paintCard(QPainter &painter, const QSize &window)
{
    const QFont font = QGuiApplication::font();
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(font), boldMetrics(bold);
    const std::vector<Control> rows = controls();
    const QString title = cardTitle();
    const QString hint = cardHint();

    int inputWidth = 0, actionWidth = 0;
    for (const Control &row : rows) {
        inputWidth = std::max(inputWidth, boldMetrics.horizontalAdvance(row.input));
        actionWidth = std::max(actionWidth, metrics.horizontalAdvance(row.action));
    }
    const int line = std::max(metrics.lineSpacing(), boldMetrics.lineSpacing());
    const int margin = line;
    const int gap = line;
    const int textWidth = std::max({inputWidth + gap + actionWidth, metrics.horizontalAdvance(hint),
                                    boldMetrics.horizontalAdvance(title)});
    const QSizeF card(textWidth + 2 * margin, (int(rows.size()) + 4) * line + 2 * margin);

    const double fit = std::min({1.0, kLargestShare * window.width() / card.width(),
                                 kLargestShare * window.height() / card.height()});
    painter.translate(window.width() / 2.0, window.height() / 2.0);
    painter.scale(fit, fit);
    painter.translate(-card.width() / 2, -card.height() / 2);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPanel);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), card), margin / 2.0, margin / 2.0);

    int y = margin + boldMetrics.ascent();
    painter.setPen(kText);
    painter.setFont(bold);
    painter.drawText(margin, y, title);
    y += 2 * line;
    for (const Control &row : rows) {
        painter.setFont(bold);
        painter.drawText(margin, y, row.input);
        painter.setFont(font);
        painter.drawText(margin + inputWidth + gap, y, row.action);
        y += line;
    }
    painter.setPen(kHint);
    painter.drawText(margin, y + line, hint);
}

} // namespace

QImage controlsCard(const QSize &window, qreal devicePixelRatio)
{
    QImage card(window * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    card.setDevicePixelRatio(devicePixelRatio);
    card.fill(Qt::transparent);
    QPainter painter(&card);
    paintCard(painter, window);
    return card;
}

QString controlsCardText()
{
    QStringList lines = {cardTitle()};
    for (const Control &row : controls())
        lines << QCoreApplication::translate("Scene3D", "%1: %2").arg(row.input, row.action);
    lines << cardHint();
    return lines.join('\n');
}
