#include "toolkit/textbox.h"

#include "toolkit/entry.h"
#include "toolkit/look.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

namespace toolkit {

namespace {
// The focus leaving or coming back with the window (another window activated, a dialog, a
// menu), not the user or the program moving it.
bool withTheWindow(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return true;
    default:
        return false;
    }
}
} // namespace

// Entering the field (Tab, a click, the program's own focus) selects its text; the focus
// coming back to a field that lost it with its window keeps the caret and the selection
// where the user left them, so the next key does not replace the field's text.
class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    explicit SelectAllOnFocus(QLineEdit* field) : QObject(field), field_(field) {}

    // The program puts the focus here: select, even where the field is coming back.
    void enter() {
        entering_ = true;
        if (field_->hasFocus()) {
            select();
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            returning_ = withTheWindow(static_cast<QFocusEvent*>(event));
        } else if (event->type() == QEvent::FocusIn) {
            if (entering_ || !returning_ || !withTheWindow(static_cast<QFocusEvent*>(event))) {
                select();
            }
            returning_ = false;
        }
        return false;
    }

private:
    void select() {
        entering_ = false;
        // A mouse press that gave the focus would place the caret after this event;
        // select once the press has been handled.
        QPointer<QLineEdit> field = field_;
        QTimer::singleShot(0, field, [field] {
            if (field && field->hasFocus()) {
                field->setSelection(0, static_cast<int>(field->text().size()));
            }
        });
    }

    QLineEdit* field_;
    bool returning_ = false; // the focus left with the window
    bool entering_ = false;  // the program is putting the focus here
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

void enter(QWidget* control) {
    QWidget* field = control;
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
        field = combo->lineEdit();
    }
    auto* selector = field->findChild<SelectAllOnFocus*>(QString(), Qt::FindDirectChildrenOnly);
    control->setFocus();
    if (selector) {
        selector->enter();
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

void TextBox::paintEvent(QPaintEvent* event) {
    if (kind_ == Kind::Entry || kind_ == Kind::Output) {
        // QLineEdit scrolls a text, cutting one end, unless the text with the font's widest
        // overhangs and a pixel for the caret fits inside the frame and the text margins,
        // less the 2 pixels it keeps clear at either side.
        QStyleOptionFrame frame;
        initStyleOption(&frame);
        const int inside =
            style()->subElementRect(QStyle::SE_LineEditContents, &frame, this).width() -
            textMargins().right() - 2 * 2;
        const auto fits = [this, inside](const QFont& letters, int leftMargin) {
            const QFontMetrics metrics(letters);
            return qMax(0, -metrics.minLeftBearing()) +
                       qRound(QFontMetricsF(letters).horizontalAdvance(text())) + 1 +
                       qMax(0, -metrics.minRightBearing()) <=
                   inside - leftMargin;
        };
        QFont design = font();
        design.setStretch(QFont::AnyStretch);
        QFont letters = design;
        // A figure that does not fit takes 4 pixels more at its left (its right edge stays
        // where the column's figures end, and the allowance for overhangs keeps it 2 pixels
        // inside the frame), then letters narrowed just enough, down to three quarters.
        int left = fits(design, 0) ? 0 : -4;
        for (int stretch = 100; !fits(letters, left) && stretch > QFont::Condensed;) {
            letters.setStretch(--stretch);
        }
        if (!fits(letters, left)) {
            letters = design; // too long to show whole: scrolled, as in any field
            left = 0;
        }
        if (letters != font() || left != textMargins().left()) {
            setFont(letters);
            setTextMargins(left, 0, textMargins().right(), 0);
        }
    }
    QLineEdit::paintEvent(event);
}

} // namespace toolkit

#include "textbox.moc"
