// SPDX-License-Identifier: MIT
#include "downloadplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QLatin1String kPartSuffix(".part");
// Enough for any folder a person keeps; past it the download is reported, not hidden.
const int kMaxNumbers = 999;

enum class Move { Done, Taken, Failed };

// Never replaces \a to, not even when it appears between a check and the move: the system
// refuses the move itself when the name is taken (a dangling link included).
Move moveWithoutReplacing(const QString& from, const QString& to, QString* reason)
{
#ifdef Q_OS_UNIX
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    int result = -1;
#ifdef RENAME_NOREPLACE
    result =
        ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    // File systems without the flag get a hard link, which fails on a taken name just as well.
    if (result != 0 && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        *reason = QString::fromLocal8Bit(strerror(errno));
        return errno == EEXIST ? Move::Taken : Move::Failed;
    }
#endif
    if (result != 0) {
        if (::link(source.constData(), target.constData()) != 0) {
            *reason = QString::fromLocal8Bit(strerror(errno));
            return errno == EEXIST ? Move::Taken : Move::Failed;
        }
        ::unlink(source.constData());
    }
    return Move::Done;
#else
    if (QFileInfo(to).exists() || QFileInfo(to).isSymLink())
        return Move::Taken;
    QFile file(from);
    if (file.rename(to))
        return Move::Done;
    *reason = file.errorString();
    return Move::Failed;
#endif
}

} // namespace

DownloadPlacement::DownloadPlacement() = default;

DownloadPlacement::~DownloadPlacement()
{
    discard();
}

bool DownloadPlacement::prepare(const QString& folder, const QString& fileName, QString* error)
{
    if (m_private && m_private->isValid() && QDir(m_private->path()).exists() &&
        folder == m_folder && fileName == m_fileName)
        return true;
    discard();
    m_folder = folder;
    m_fileName = fileName;
    const QDir downloads(folder);
    if (!downloads.exists() && !downloads.mkpath(QStringLiteral("."))) {
        *error = tr("Cannot create the download folder %1.")
                     .arg(QDir::toNativeSeparators(downloads.absolutePath()));
        return false;
    }
    // Inside the download folder, so the final move stays on one file system and cannot fall
    // back to a copy; QTemporaryDir makes it readable by the user alone.
    m_private = std::make_unique<QTemporaryDir>(
        downloads.absoluteFilePath(QStringLiteral(".zenub-download-XXXXXX")));
    if (!m_private->isValid()) {
        *error =
            tr("Cannot create a folder for the download in %1: %2")
                .arg(QDir::toNativeSeparators(downloads.absolutePath()), m_private->errorString());
        m_private.reset();
        return false;
    }
    // Removed by discard(), which takes only what this download wrote.
    m_private->setAutoRemove(false);
    return true;
}

QString DownloadPlacement::partPath() const
{
    return m_private ? QDir(m_private->path()).filePath(m_fileName + kPartSuffix) : QString();
}

QString DownloadPlacement::place(QString* error)
{
    const QString part = partPath();
    QString reason;
    for (int number = 0; number <= kMaxNumbers; ++number) {
        const QString target =
            QDir(m_folder).absoluteFilePath(numberedFileName(m_fileName, number));
        switch (moveWithoutReplacing(part, target, &reason)) {
        case Move::Done:
            discard();
            return target;
        case Move::Taken:
            continue;
        case Move::Failed:
            *error = tr("Cannot save the update as %1: %2")
                         .arg(QDir::toNativeSeparators(target), reason);
            discard();
            return QString();
        }
    }
    *error = tr("Cannot save the update in %1: every name from \"%2\" to \"%3\" is taken.")
                 .arg(QDir::toNativeSeparators(m_folder), m_fileName,
                      numberedFileName(m_fileName, kMaxNumbers));
    discard();
    return QString();
}

void DownloadPlacement::discard()
{
    if (!m_private)
        return;
    // Only what this download wrote: its part file, then its folder if nothing else is in it.
    QFile::remove(partPath());
    QDir().rmdir(m_private->path());
    m_private.reset();
}

QString DownloadPlacement::numberedFileName(const QString& fileName, int number)
{
    if (number <= 0)
        return fileName;
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    // A leading dot starts a name, not a suffix: ".setup" becomes ".setup (1)".
    if (suffix.isEmpty() || info.completeBaseName().isEmpty())
        return QStringLiteral("%1 (%2)").arg(fileName).arg(number);
    return QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(number).arg(suffix);
}
