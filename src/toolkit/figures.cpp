#include "toolkit/figures.h"

#include "common/amount.h"
#include "toolkit/look.h"

#include <cmath>

namespace toolkit {

double readFigure(const QLineEdit* field) {
    return fiscora::readLenient(field->text().toStdString());
}

std::optional<double> readWholeFigure(const QLineEdit* field) {
    return fiscora::readStrict(field->text().toStdString());
}

void writeFigure(QLineEdit* field, double value) {
    field->setText(QString::fromStdString(fiscora::numberText(value)));
}

std::optional<std::vector<double>>
readInputs(Messages& messages, std::initializer_list<QLineEdit*> fields, Reading reading) {
    std::vector<double> figures;
    figures.reserve(fields.size());
    for (QLineEdit* field : fields) {
        const std::optional<double> figure =
            reading == Reading::Strict ? readWholeFigure(field) : readFigure(field);
        if (!figure || !std::isfinite(*figure)) {
            messages.inform((reading == Reading::Strict
                                 ? QStringLiteral("The figure in \"%1\" is not a number that can "
                                                  "be computed with. Please correct it and "
                                                  "Calculate again.")
                                 : QStringLiteral("The figure in \"%1\" is too large to compute "
                                                  "with. Please correct it and Calculate again."))
                                .arg(field->accessibleName()));
            field->setFocus();
            return std::nullopt;
        }
        figures.push_back(*figure);
    }
    return figures;
}

std::optional<double> figureToCarry(Messages& messages, const QLineEdit* field, Reading reading) {
    const std::optional<double> figure =
        reading == Reading::Strict ? readWholeFigure(field) : readFigure(field);
    if (!figure || !std::isfinite(*figure)) {
        messages.inform(QStringLiteral("\"%1\" does not hold a figure that can be carried. "
                                       "Please Calculate again.")
                            .arg(field->accessibleName()));
        return std::nullopt;
    }
    return figure;
}

bool refuseOutOfRange(Messages& messages, std::span<const Figure> results) {
    for (const auto& [field, value] : results) {
        if (!std::isfinite(value)) {
            messages.inform(QStringLiteral("\"%1\" comes out too large to compute. "
                                           "Please check the figures that make it up.")
                                .arg(field->accessibleName()));
            return true;
        }
    }
    return false;
}

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption,
                           const QRect& place, const QFont& font) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setFont(font);
    paint(b, Qt::black, colour::teal);
    b->setAccessibleName(QString(caption).remove('&'));
    return b;
}

} // namespace toolkit
