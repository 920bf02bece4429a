// SPDX-License-Identifier: GPL-3.0-or-later
#include "DurableFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QString notARegularFile()
{
    return QCoreApplication::translate("DurableFile", "it is not a regular file");
}

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closing is the last chance for a write error to show, so it is checked.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Where a write to path really goes: through a symbolic link to the file it names, so that
// the link stays a link.
QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

namespace DurableFile {

Reading read(const QString& path, qint64 limit)
{
    const Reading notAFile {Reading::Status::NotAFile, {}, notARegularFile()};
    const auto failed = [](int code) {
        return code == ENOENT || code == ENOTDIR ? Reading() : Reading {Reading::Status::Failed, {}, systemError(code)};
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat status { };
    // Looked at before opening, since merely opening some devices does something, and again
    // once open, in case a pipe took the file's place meanwhile (the open does not wait for it).
    if (::stat(name.constData(), &status) != 0)
        return failed(errno);
    if (!S_ISREG(status.st_mode))
        return notAFile;
    Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0)
        return failed(errno);
    if (!S_ISREG(status.st_mode))
        return notAFile;
    // The size the file reports is only a hint: what counts is what is read.
    constexpr qint64 chunk = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const qint64 before = bytes.size();
        bytes.resize(before + chunk);
        const ssize_t got = ::read(file.get(), bytes.data() + before, chunk);
        const int code = errno;
        bytes.resize(before + std::max<ssize_t>(got, 0));
        if (got < 0 && code != EINTR)
            return failed(code);
        if (got == 0)
            return {Reading::Status::Read, bytes, {}};
    }
    return {
        Reading::Status::TooLarge, {}, QCoreApplication::translate("DurableFile", "it is too large to be the game's")};
}

bool write(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString target = writeTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat status { };
    const bool exists = ::stat(targetName.constData(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode))
        return fail(error, notARegularFile());
    // A file keeps its mode, unless that shuts out its owner: the copy that replaces it then
    // has the user's normal mode, as a new file does, rather than staying unreadable.
    mode_t mode = status.st_mode & 07777;
    if (!exists || (mode & 0600) != 0600) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    const QFileInfo info(target);
    QByteArray temporaryName = QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");
    Descriptor file(::mkostemp(temporaryName.data(), O_CLOEXEC));
    if (file.get() < 0)
        return fail(error, systemError(errno));
    const auto abandon = [&](int code) {
        ::unlink(temporaryName.constData());
        return fail(error, systemError(code));
    };
    struct stat written { };
    if (::fchmod(file.get(), mode) != 0 || !writeAll(file.get(), bytes.constData(), bytes.size())
        || ::fsync(file.get()) != 0 || ::fstat(file.get(), &written) != 0)
        return abandon(errno);
    if (written.st_size != bytes.size())
        return abandon(EIO);
    if (!file.close())
        return abandon(errno);
    if (::rename(temporaryName.constData(), targetName.constData()) != 0)
        return abandon(errno);
    // The new name must reach the disk too. Some file systems cannot sync a folder; the file
    // is complete and in place by now, so that is no failure.
    Descriptor folder(::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

void removeStaleCopies(const QString& path, std::chrono::seconds age)
{
    const QFileInfo info(writeTarget(path));
    const QDir folder = info.absoluteDir();
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-age.count());
    // Exactly the names write() makes: a dot, the file's name, a dot and six characters.
    const QString prefix = "." + info.fileName() + ".";
    for (const QFileInfo& copy : folder.entryInfoList({prefix + "??????"}, QDir::Files | QDir::Hidden | QDir::System))
        if (!copy.isSymLink() && copy.isFile() && copy.lastModified().toUTC() < before)
            QFile::remove(copy.absoluteFilePath());
}

void removeIfHolding(const QString& path, const QByteArray& bytes)
{
    const Reading now = read(path, bytes.size());
    if (now.status == Reading::Status::Read && now.bytes == bytes)
        QFile::remove(path);
}

} // namespace DurableFile
