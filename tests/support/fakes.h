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
    void inform(const QString& title, const QString& text) override {
        titles << title;
        inform(text);
    }

    QStringList shown;
    QStringList titles; // of the boxes shown under a title of their own
    // Runs while the "box" is up, as a user's reading of it would.
    std::function<void(const QString&)> onInform;
};

class RecordingPrinters : public toolkit::Printers {
public:
    toolkit::Printer* defaultPrinter() override { return installed ? &printer : nullptr; }
    std::unique_ptr<toolkit::Printer> pdfFile(const QString& path) override;
    void preview(const std::function<bool(toolkit::Printer&)>& page) override { page(previewed); }

    bool installed = true;
    RecordingPrinter printer;   // the default printer
    RecordingPrinter pdf;       // the pages sent to PDF files
    RecordingPrinter previewed; // the pages shown in a print preview
    QStringList pdfPaths;       // the files asked for, in order
    bool realPdf = false;       // write real PDF files instead of recording their pages
};

// The recording fakes bundled; the browser, questions and file dialogs are this object.
struct FakeServices : toolkit::Browser, toolkit::Questions, toolkit::SaveDialog {
    bool open(const QUrl& url) override { return noted(opened, url, browserOpens); }
    bool ask(const QString& question) override { return noted(asked, question, answer); }
    Choice saveChanges(const QString& question) override { return noted(asked, question, choice); }
    QString pdfFileName(const QString& name) override { return noted(offered, name, chosen); }
    QString yearFileName(const QString& name) override { return noted(offered, name, chosenYear); }
    QString yearToOpen(const QString& dir) override { return noted(offered, dir, chosenYear); }
    // Keeps what was asked or offered; gives the answer the test set.
    template <typename List, typename T>
    static T noted(List& list, const typename List::value_type& item, T answer) {
        list << item;
        return answer;
    }
    toolkit::Services services() { return {messages, *this, printers, *this, *this}; }

    RecordingMessages messages;
    RecordingPrinters printers;
    QList<QUrl> opened; // the pages the browser was asked to open
    bool browserOpens = true;
    QStringList asked;               // the questions, in order
    bool answer = false;             // No, unless a test says otherwise
    Choice choice = Choice::Discard; // to the question about unsaved changes
    QStringList offered; // the names a file dialog suggested, one for each time it came up
    QString chosen;      // the PDF file chosen; empty: the user cancels
    QString chosenYear;  // the year file chosen to save or open; empty: cancelled
};

// Types the text key by key into whatever has the focus in the window, as a user would.
void typeText(QWindow* window, const QString& text);

} // namespace testing
