#include "ui/sketch.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace tremalo {

void drawSketch(QPainter& painter, const QImage& sketchImage, const QFont& labelFont) {
    if (!sketchImage.isNull())
        painter.drawImage(QPoint(0, 0), sketchImage);

    painter.setFont(labelFont);
    const QFontMetrics metrics(labelFont, painter.device());
    for (const QuantityLabel& label : QuantityLabels) {
        const QString text = QString::fromUtf8(label.text);
        const QRect box(label.position, QSize(metrics.horizontalAdvance(text), metrics.height()));
        painter.fillRect(box, Qt::white);
        painter.setPen(QColor(label.colour));
        painter.drawText(label.position + QPoint(0, metrics.ascent()), text);
    }
}

} // namespace tremalo
