#include "toolkit/textbox.h"

#include "toolkit/entry.h"
#include "toolkit/look.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace toolkit {

class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    explicit SelectAllOnFocus(QLineEdit* field) : QObject(field), field_(field) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            // A mouse press that gave the focus would place the caret after this event;
            // select once the press has been handled.
            QPointer<QLineEdit> field = field_;
            QTimer::singleShot(0, field, [field] {
                if (field && field->hasFocus()) {
                    field->setSelection(0, static_cast<int>(field->text().size()));
                }
            });
        }
        return false;
    }

private:
    QLineEdit* field_;
};

void selectAllOnFocus(QLineEdit* field) {
    if (field->findChild<SelectAllOnFocus*>(QString(), Qt::FindDirectChildrenOnly)) {
        return;
    }
    auto* filter = new SelectAllOnFocus(field);
    field->installEventFilter(filter);
    // A combo box takes the focus for its line edit and hands the focus event on to it
    // directly, past any filter of the line edit: watch the combo box as well.
    if (QWidget* proxy = field->focusProxy()) {
        proxy->installEventFilter(filter);
    }
}

TextBox::TextBox(QWidget* parent, const QString& name, Kind kind, int left, int top, int width,
                 int height)
    : QLineEdit(parent), kind_(kind) {
    setObjectName(name);
    setGeometry(twipsRect(left, top, width, height));
    switch (kind) {
    case Kind::Entry:
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setText(QStringLiteral("0"));
        keepVisible(this);
        break;
    case Kind::FreeText:
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case Kind::Output:
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setReadOnly(true);
        setFocusPolicy(Qt::ClickFocus);
        paint(this, colour::darkRed);
        setText(QStringLiteral("0"));
        break;
    case Kind::Carrier:
        setText(QStringLiteral("0"));
        setVisible(false);
        setFocusPolicy(Qt::NoFocus);
        break;
    }
}

} // namespace toolkit

#include "textbox.moc"
