#include "app/year_keeper.h"

#include "year/file.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace {

QSettings settings() {
    return QSettings(QSettings::UserScope, QStringLiteral("Fiscora1213"),
                     QStringLiteral("Fiscora1213"));
}

const QString recentKey = QStringLiteral("recentFiles");

} // namespace

YearKeeper::YearKeeper(toolkit::Services services, std::vector<Form> forms)
    : services_(services), forms_(std::move(forms)) {}

void YearKeeper::adopt(QWidget& form) {
    for (const Form& f : forms_) {
        const bool known = std::any_of(designs_.begin(), designs_.end(),
                                       [&](const auto& d) { return d.first == f.name; });
        if (f.name == form.objectName() && !f.discard && !known) {
            designs_.emplace_back(f.name, toolkit::buttonsOf(form));
        }
    }
    toolkit::watch(form, [this] {
        if (!modified_ && quiet_ == 0) {
            setState(path_, true);
        }
    });
}

void YearKeeper::taken(QWidget& form) {
    if (const year::FormRecord* held = pending_.find(form.objectName())) {
        quietly([&] { toolkit::apply(form, *held); });
        pending_.drop(form.objectName());
    }
}

void YearKeeper::closing(const QWidget& form) {
    if (!modified_ && !toolkit::recordOf(form).isDesign()) {
        setState(path_, true);
    }
}

QStringList YearKeeper::recent() const {
    return settings().value(recentKey).toStringList();
}

void YearKeeper::remember(const QString& path, bool sound) {
    if (!remembering_) {
        return;
    }
    QStringList files = recent();
    const QString full = QFileInfo(path).absoluteFilePath();
    if (files.removeAll(full) == 0 && !sound) {
        return;
    }
    if (sound) {
        files.prepend(full);
    }
    settings().setValue(recentKey, files.mid(0, recentLimit));
    emit stateChanged();
}

year::Record YearKeeper::record() const {
    year::Record record = pending_;
    for (const Form& f : forms_) {
        // A detail form never used (or closed) holds its design values: it is left out,
        // and opening the file leaves it so.
        if (QWidget* form = f.existing()) {
            record.put(toolkit::recordOf(*form));
        }
    }
    return record;
}

void YearKeeper::setState(const QString& path, bool modified) {
    path_ = path;
    modified_ = modified;
    emit stateChanged();
}

void YearKeeper::clear() {
    pending_ = {};
    for (const Form& f : forms_) {
        if (f.discard) {
            f.discard();
        } else if (QWidget* form = f.existing()) {
            for (const auto& [name, design] : designs_) {
                if (name == f.name) {
                    toolkit::restore(*form, design);
                }
            }
        }
    }
    setState(QString(), false);
    emit replaced();
}

bool YearKeeper::open(const QString& path) {
    auto read = year::readFile(path);
    if (const QString* problem = std::get_if<QString>(&read)) {
        remember(path, false); // a file that cannot be opened leaves the recent files
        services_.messages.inform(*problem);
        return false;
    }
    clear();
    // A form in use shows the file at once; the others when they are first used.
    pending_ = std::get<year::Record>(std::move(read));
    for (const Form& f : forms_) {
        if (QWidget* form = f.existing()) {
            taken(*form);
        }
    }
    setState(path, false);
    remember(path);
    emit replaced();
    return true;
}

bool YearKeeper::saveTo(const QString& path) {
    const QString failure = year::writeFile(path, record());
    if (!failure.isEmpty()) {
        services_.messages.inform(failure);
        return false;
    }
    setState(path, false);
    remember(path);
    return true;
}

bool YearKeeper::save() {
    return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool YearKeeper::saveAs() {
    // In the folder of the year's file, under its name; a new year in the documents folder.
    const QString suggested = path_.isEmpty() ? QStringLiteral("Income tax 2012-13.fiscora")
                                              : QFileInfo(path_).absoluteFilePath();
    const QString path = services_.saveDialog.yearFileName(suggested);
    return !path.isEmpty() && saveTo(path);
}

QString YearKeeper::lastFolder() const {
    const QString last = recent().value(0);
    return last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
}

bool YearKeeper::settle() {
    if (!modified_) {
        return true;
    }
    const QString question =
        path_.isEmpty()
            ? QStringLiteral("The year has changed. Do you want to save it?")
            : QStringLiteral("The year has changed since it was saved to \"%1\". Do you want to "
                             "save the changes?")
                  .arg(QFileInfo(path_).fileName());
    switch (services_.questions.saveChanges(question)) {
    case toolkit::Questions::Choice::Save:
        return save();
    case toolkit::Questions::Choice::Discard:
        return true;
    case toolkit::Questions::Choice::Cancel:
        break;
    }
    return false;
}
