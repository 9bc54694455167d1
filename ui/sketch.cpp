#include "ui/sketch.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace tremalo {

void drawSketch(QPainter& painter, const QImage& sketchImage, const QFont& labelFont) {
    if (!sketchImage.isNull()) {
        // At whole-number scales the pixels are repeated as they are; between them a
        // smooth scaling looks better than uneven blocks.
        const qreal ratio = painter.device()->devicePixelRatioF();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::round(ratio));
        painter.drawImage(QPoint(0, 0), sketchImage);
    }

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
