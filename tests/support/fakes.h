#pragma once
// Recording stand-ins for the desktop services, so that no test ever opens a modal box.
#include "support/recording_printer.h"
#include "toolkit/services.h"

#include <QStringList>
#include <QUrl>
#include <functional>

class QWindow;

namespace testing {

class RecordingMessages : public toolkit::Messages {
public:
    void inform(const QString& text) override;

    QStringList shown;
    // Runs while the "box" is up, as a user's reading of it would.
    std::function<void(const QString&)> onInform;
};

class RecordingBrowser : public toolkit::Browser {
public:
    bool open(const QUrl& url) override {
        opened << url;
        return succeeds;
    }

    QList<QUrl> opened;
    bool succeeds = true;
};

class RecordingQuestions : public toolkit::Questions {
public:
    bool ask(const QString& question) override {
        asked << question;
        return answer;
    }

    Choice saveChanges(const QString& question) override {
        asked << question;
        return choice;
    }

    QStringList asked;
    bool answer = false;             // No, unless a test says otherwise
    Choice choice = Choice::Discard; // to the question about unsaved changes
};

class RecordingSaveDialog : public toolkit::SaveDialog {
public:
    QString pdfFileName(const QString& suggestedName) override {
        offered << suggestedName;
        return chosen;
    }

    QString yearFileName(const QString& suggestedName) override {
        offered << suggestedName;
        return chosenYear;
    }
    QString yearToOpen() override {
        offered << QString();
        return chosenYear;
    }

    QStringList offered; // the names suggested, one for each time the dialog came up
    QString chosen;      // empty: the user cancels
    QString chosenYear;  // the year file chosen to save or open; empty: cancelled
};

class RecordingPrinters : public toolkit::Printers {
public:
    toolkit::Printer* defaultPrinter() override { return installed ? &printer : nullptr; }
    std::unique_ptr<toolkit::Printer> pdfFile(const QString& path) override;

    bool installed = true;
    RecordingPrinter printer; // the default printer
    RecordingPrinter pdf;     // the pages sent to PDF files
    QStringList pdfPaths;     // the files asked for, in order
    bool realPdf = false;     // write real PDF files instead of recording their pages
};

// The recording fakes bundled, with the services that point at them.
struct FakeServices {
    RecordingMessages messages;
    RecordingBrowser browser;
    RecordingPrinters printers;
    RecordingQuestions questions;
    RecordingSaveDialog saveDialog;
    toolkit::Services services() { return {messages, browser, printers, questions, saveDialog}; }
};

// Types the text key by key into whatever has the focus in the window, as a user would.
void typeText(QWindow* window, const QString& text);

} // namespace testing
