#pragma once
// The year as the user keeps it: the file it came from, whether it has changed since, and
// New, Open, Save and Save As over every form of the program, found by their names.
#include "toolkit/services.h"
#include "toolkit/year_fields.h"
#include "year/record.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

class YearKeeper : public QObject {
    Q_OBJECT
public:
    // A form of the year. A form that can be discarded (a detail form) is discarded to go
    // back to its design; the others (the main worksheet) are put back as they were made.
    struct Form {
        QString name;
        std::function<QWidget*()> existing; // null when the form does not exist now
        std::function<void()> discard;      // null: put back in place
    };

    static constexpr int recentLimit = 8;

    YearKeeper(toolkit::Services services, std::vector<Form> forms);

    // A form has just been made: each of its changes marks the year modified.
    void adopt(QWidget& form);
    // A form has been taken into use: it shows what the year holds of it, if anything.
    void taken(QWidget& form);
    // A detail form's window was closed by its close box, which puts its part of the year
    // back to its design: the year is modified when that changes anything.
    void closing(const QWidget& form);
    // What the program itself writes into the forms (a name, a figure carried in) marks
    // nothing: only what the user changes does.
    template <typename Step> void quietly(Step step) {
        ++quiet_;
        step();
        --quiet_;
    }

    QString path() const { return path_; }
    bool modified() const { return modified_; }
    // The files opened or saved last, newest first.
    QStringList recent() const;
    // The folder of the file used last, where Open starts; empty when there is none.
    QString lastFolder() const;
    // Whether files opened and saved join the recent files (not in the batch).
    void setRemembering(bool on) { remembering_ = on; }

    // What the year holds now: every form in use as it shows, every form an opened file
    // held that has not been used yet as the file gave it.
    year::Record record() const;

    // New: every form back to its design, no file.
    void clear();
    // Reads the whole file; only when it is sound, every form is put back to its design and
    // then shows what the file holds. Otherwise tells the user and changes nothing.
    bool open(const QString& path);
    // Saves to the year's file, or asks for one when there is none.
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    // Before the year is replaced or the program ends: when the year has changed, asks
    // whether to save it. True when the caller may go on (saved or discarded).
    bool settle();

signals:
    // The file, the modified mark or the recent files changed.
    void stateChanged();
    // Every form was put back to its design, and an opened year written into them.
    void replaced();

private:
    void setState(const QString& path, bool modified);
    // A file opened or saved goes to the head of the recent files; one that could not be
    // opened (not `sound`) leaves them. Announced at once, so the menu is never a step behind.
    void remember(const QString& path, bool sound = true);

    toolkit::Services services_;
    std::vector<Form> forms_;
    std::vector<std::pair<QString, toolkit::Buttons>> designs_; // forms put back in place
    // The forms the opened file held that have not been taken into use since.
    year::Record pending_;
    int quiet_ = 0;
    QString path_;
    bool modified_ = false;
    bool remembering_ = true;
};
