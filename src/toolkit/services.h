#pragma once
// What the program asks of the desktop: message boxes, the web browser, the printer, and
// files chosen in open and save dialogs. The real ones are below;
// tests pass recording ones so that nothing modal ever opens in a test.
#include "toolkit/printer.h"

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

namespace toolkit {

class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with the text, an OK button and the program's title; returns when closed.
    virtual void inform(const QString& text) = 0;
    // The same under a title of its own (About, notes of help); by default the program's.
    virtual void inform(const QString& title, const QString& text) {
        static_cast<void>(title);
        inform(text);
    }
};

class Browser {
public:
    virtual ~Browser() = default;
    // Opens the address in the user's web browser; false when no browser could be started.
    virtual bool open(const QUrl& url) = 0;
};

class Questions {
public:
    virtual ~Questions() = default;
    // A modal box with the question, Yes and No and the program's title; true for Yes.
    virtual bool ask(const QString& question) = 0;

    enum class Choice { Save, Discard, Cancel };
    // A modal box with the question about unsaved changes: Save, Discard and Cancel.
    virtual Choice saveChanges(const QString& question) = 0;
};

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // Asks where to save a PDF file, offering the name; the chosen path, or an empty text
    // when the user cancelled. The path always ends in the file type's extension, and a file
    // already there under that name is replaced only when the user has agreed.
    virtual QString pdfFileName(const QString& suggestedName) = 0;
    // Asks where to save the year file, offering the name (in the documents folder) or the
    // path (in its folder); empty when cancelled. The extension as for a PDF file.
    virtual QString yearFileName(const QString& suggested) = 0;
    // Asks which year file to open, starting in the folder (the documents folder when
    // empty); empty when cancelled.
    virtual QString yearToOpen(const QString& folder) = 0;
};

class Printers {
public:
    virtual ~Printers() = default;
    // The system's default printer, or null when no printer is installed. The same printer
    // every time: it keeps its settings from one document to the next.
    virtual Printer* defaultPrinter() = 0;
    // A printer whose one page goes to a PDF file at the path.
    virtual std::unique_ptr<Printer> pdfFile(const QString& path) = 0;
    // Shows the page as it would print, drawn by `page`, in a modal print preview.
    virtual void preview(const std::function<bool(Printer&)>& page) = 0;
};

class QtMessages : public Messages {
public:
    void inform(const QString& text) override;
    void inform(const QString& title, const QString& text) override;
};

class QtBrowser : public Browser {
public:
    bool open(const QUrl& url) override;
};

class QtQuestions : public Questions {
public:
    bool ask(const QString& question) override;
    Choice saveChanges(const QString& question) override;
};

class QtSaveDialog : public SaveDialog {
public:
    QString pdfFileName(const QString& suggestedName) override;
    QString yearFileName(const QString& suggested) override;
    QString yearToOpen(const QString& folder) override;
};

// The path as saved: the extension added unless the path ends in it already.
QString withExtension(const QString& path, const QString& extension);

class QtPrinters : public Printers {
public:
    Printer* defaultPrinter() override;
    std::unique_ptr<Printer> pdfFile(const QString& path) override;
    void preview(const std::function<bool(Printer&)>& page) override;

private:
    std::unique_ptr<QtPrinter> default_;
};

struct Services {
    Messages& messages;
    Browser& browser;
    Printers& printers;
    Questions& questions;
    SaveDialog& saveDialog;
};

// The desktop's own services, for the program as a user starts it.
struct DesktopServices {
    QtMessages messages;
    QtBrowser browser;
    QtPrinters printers;
    QtQuestions questions;
    QtSaveDialog saveDialog;
    Services services() { return {messages, browser, printers, questions, saveDialog}; }
};

} // namespace toolkit
