#pragma once
// What the program asks of the desktop: message boxes and the web browser. The real ones
// are below; tests pass recording ones so that nothing modal ever opens in a test.
#include <QString>
#include <QUrl>

namespace toolkit {

class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with the text, an OK button and the program's title; returns when closed.
    virtual void inform(const QString& text) = 0;
};

class Browser {
public:
    virtual ~Browser() = default;
    // Opens the address in the user's web browser; false when no browser could be started.
    virtual bool open(const QUrl& url) = 0;
};

class QtMessages : public Messages {
public:
    void inform(const QString& text) override;
};

class QtBrowser : public Browser {
public:
    bool open(const QUrl& url) override;
};

struct Services {
    Messages& messages;
    Browser& browser;
};

} // namespace toolkit
