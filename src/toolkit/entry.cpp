#include "toolkit/entry.h"

#include "common/amount.h"
#include "toolkit/look.h"
#include "toolkit/textbox.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>
#include <algorithm>
#include <array>
#include <cmath>

namespace toolkit {

namespace {

// Format characters (zero-width space, soft hyphen, direction marks) and control characters
// show nothing, or nothing that reads as part of a figure.
bool invisible(char32_t c) {
    if (c == U'\t' || c == U'\n') {
        return false;
    }
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Format || category == QChar::Other_Control;
}

QString withoutInvisible(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (!invisible(QChar::surrogateToUcs4(c, text[i + 1]))) {
                out += c;
                out += text[i + 1];
            }
            ++i;
        } else if (!invisible(c.unicode())) {
            out += c;
        }
    }
    return out;
}

} // namespace

// What the user puts into one field, mended as it comes. The field's own edit signal fires
// for typing, pasting and dropping, never for the program's writes.
class UserInput : public QObject {
    Q_OBJECT
public:
    static UserInput& of(QLineEdit* field) {
        auto* input = field->findChild<UserInput*>(QString(), Qt::FindDirectChildrenOnly);
        return input ? *input : *new UserInput(field);
    }

    bool visibleOnly = false;

    void setLimit(qsizetype limit) {
        limit_ = limit;
        field_->setValidator(new KeyRefusal(*this, field_));
    }

private:
    // A key typed into a full field is refused before it changes anything. A validator
    // cannot tell a paste from the program's write, so the cut of a paste is left to edited().
    class KeyRefusal : public QValidator {
    public:
        KeyRefusal(const UserInput& input, QObject* parent) : QValidator(parent), input_(input) {}
        State validate(QString& text, int&) const override {
            const bool oneMore = text.size() == input_.before_.size() + 1;
            return oneMore && text.size() > input_.limit_ ? Invalid : Acceptable;
        }

    private:
        const UserInput& input_;
    };

    explicit UserInput(QLineEdit* field) : QObject(field), field_(field), before_(field->text()) {
        connect(field, &QLineEdit::textEdited, this, &UserInput::edited);
        connect(field, &QLineEdit::textChanged, this, [this] { before_ = field_->text(); });
    }

    void edited() {
        const QString now = field_->text();
        QString text = now;
        qsizetype cursor = field_->cursorPosition();
        if (visibleOnly) {
            const QString head = withoutInvisible(QStringView(now).left(cursor));
            text = head + withoutInvisible(QStringView(now).mid(cursor));
            cursor = head.size();
        }
        if (limit_ >= 0 && text.size() > limit_ && text.size() > before_.size()) {
            // What was put in ends at the caret and starts where the text before differs.
            const qsizetype shared = std::mismatch(before_.cbegin(), before_.cend(), text.cbegin(),
                                                   text.cbegin() + cursor)
                                         .second -
                                     text.cbegin();
            const qsizetype kept = std::max<qsizetype>(0, limit_ - (text.size() - cursor + shared));
            text = text.left(shared + kept) + text.mid(cursor);
            cursor = shared + kept;
        }
        if (text != now) {
            field_->setText(text);
            field_->setCursorPosition(static_cast<int>(cursor));
        }
    }

    QLineEdit* field_;
    QString before_;       // the text before the edit in hand
    qsizetype limit_ = -1; // none
};

namespace {

class PartialReading : public QObject {
public:
    explicit PartialReading(QLineEdit* field) : QObject(field), field_(field) {
        connect(field, &QLineEdit::textChanged, this, &PartialReading::update);
        update();
    }

    void update() {
        const std::string text = field_->text().toStdString();
        const double figure = fiscora::readLenient(text);
        // A figure beyond range is refused by Calculate: it is not read as anything.
        const bool partial = !fiscora::readStrict(text) && std::isfinite(figure);
        field_->setToolTip(partial ? QStringLiteral("Read as %1: only the leading number counts")
                                         .arg(QString::fromStdString(fiscora::numberText(figure)))
                                   : QString());
        if (partial == marked_) {
            return;
        }
        marked_ = partial;
        QPalette p = field_->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            if (partial) {
                plain_[group] = p.brush(group, QPalette::Base);
            }
            p.setBrush(group, QPalette::Base, partial ? QBrush(colour::paleYellow) : plain_[group]);
        }
        field_->setPalette(p);
    }

private:
    QLineEdit* field_;
    bool marked_ = false;
    std::array<QBrush, QPalette::NColorGroups> plain_; // the background before the mark
};

} // namespace

void withdraw(const Guarded& guarded) {
    for (QAbstractButton* button : guarded) {
        button->setEnabled(false);
    }
}

void bindChange(QLineEdit* field, const Guarded& guarded, EmptyText empty) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field, guarded, empty] {
        withdraw(guarded);
        if (empty == EmptyText::BecomesZero && field->text().isEmpty()) {
            field->setText(QStringLiteral("0"));
            field->selectAll();
        }
    });
}

void bindEntry(QLineEdit* field, const Guarded& guarded, EmptyText empty) {
    bindChange(field, guarded, empty);
    selectAllOnFocus(field);
}

void keepVisible(QLineEdit* field) {
    UserInput::of(field).visibleOnly = true;
}

void limitTyping(QLineEdit* field, int length) {
    UserInput::of(field).setLimit(length);
}

void markPartialReading(QLineEdit* field) {
    new PartialReading(field);
}

void refreshMarks(const QWidget& form) {
    for (QObject* child : form.findChildren<QObject*>()) {
        if (auto* mark = dynamic_cast<PartialReading*>(child)) {
            mark->update();
        }
    }
}

} // namespace toolkit

#include "entry.moc"
