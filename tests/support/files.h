#pragma once
// Files of a test's own: written, read back, and written on a full disk. Header only.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

namespace testing {

// Writes the text, making its folder; the path, or nothing when it cannot.
inline QString putFile(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() ? path : QString();
}

// What the file holds; nothing when it cannot be read.
inline QByteArray fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What `work` gives while no file may grow beyond `bytes`, as on a full disk.
template <typename Work> auto onFullDisk(rlim_t bytes, Work work) {
    rlimit room{};
    getrlimit(RLIMIT_FSIZE, &room);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{bytes, room.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    const auto done = work();
    setrlimit(RLIMIT_FSIZE, &room);
    return done;
}

} // namespace testing
