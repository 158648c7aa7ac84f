#include "toolkit/icon.h"

#include "toolkit/look.h"

#include <QPainter>

namespace toolkit {

QPixmap programPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour::navy, size / 16.0));
    p.setBrush(colour::teal);
    const qreal m = size / 16.0;
    p.drawRoundedRect(QRectF(m, m, size - 2 * m, size - 2 * m), size / 6.0, size / 6.0);
    QFont f = font("DejaVu Sans", 10, true);
    f.setPixelSize(size * 2 / 3);
    p.setFont(f);
    p.setPen(colour::navy);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QString(QChar(0x20B9)));
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(programPixmap(size));
    }
    return icon;
}

} // namespace toolkit
