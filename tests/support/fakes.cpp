#include "support/fakes.h"

#include <QtTest>

namespace testing {

void RecordingMessages::inform(const QString& text) {
    shown << text;
    if (onInform) {
        onInform(text);
    }
}

bool RecordingBrowser::open(const QUrl& url) {
    opened << url;
    return succeeds;
}

void typeText(QWindow* window, const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(window, c.toLatin1());
    }
}

} // namespace testing
