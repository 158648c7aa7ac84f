#pragma once
// A label that acts on a click, as a web link does.
#include <QLabel>

namespace toolkit {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace toolkit
