#include "toolkit/entry.h"

#include "toolkit/textbox.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

namespace toolkit {

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

} // namespace toolkit
