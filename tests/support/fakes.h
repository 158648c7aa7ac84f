#pragma once
// Recording stand-ins for the desktop services, so that no test ever opens a modal box.
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
    bool open(const QUrl& url) override;

    QList<QUrl> opened;
    bool succeeds = true;
};

// The recording fakes bundled, with the services that point at them.
struct FakeServices {
    RecordingMessages messages;
    RecordingBrowser browser;
    toolkit::Services services() { return {messages, browser}; }
};

// Types the text key by key into whatever has the focus in the window, as a user would.
void typeText(QWindow* window, const QString& text);

} // namespace testing
