// SPDX-License-Identifier: MIT
#include "privatefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ExtensionSystem {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PrivateFolder", text);
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString PrivateFolder::whyNotPrivate(const QString& path, bool followLink)
{
#ifdef Q_OS_UNIX
    struct stat info = {};
    const QByteArray name = QFile::encodeName(path);
    const int result =
        followLink ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info);
    if (result != 0)
        return tr("The folder \"%1\" cannot be found.").arg(native(path));
    if (S_ISLNK(info.st_mode))
        return tr("The folder \"%1\" is a link.").arg(native(path));
    if (!S_ISDIR(info.st_mode))
        return tr("\"%1\" is not a folder.").arg(native(path));
    if (info.st_uid != ::geteuid())
        return tr("The folder \"%1\" belongs to another user.").arg(native(path));
    if ((info.st_mode & 077) != 0)
        return tr("Other users can reach the folder \"%1\".").arg(native(path));
    return QString();
#else
    Q_UNUSED(followLink)
    return QFileInfo(path).isDir() ? QString() : tr("\"%1\" is not a folder.").arg(native(path));
#endif
}

QString PrivateFolder::makeFolder(const QString& parent, const QString& name, QString* errorString)
{
    const QString folder = QDir(parent).filePath(name);
#ifdef Q_OS_UNIX
    // Created with the final rights at once: there is no moment in which another user could
    // open it.
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
        if (errorString)
            *errorString = tr("The folder \"%1\" cannot be created.").arg(native(folder));
        return QString();
    }
#else
    QDir().mkpath(folder);
#endif
    const QString why = whyNotPrivate(folder);
    if (!why.isEmpty()) {
        if (errorString)
            *errorString = why;
        return QString();
    }
    return folder;
}

QString PrivateFolder::path(QString* errorString)
{
    const QString appFolder = QStringLiteral("Zenub-Animate");
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // The session manager makes the runtime folder; it may be reached through a link.
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) &&
        whyNotPrivate(runtime, true).isEmpty())
        return makeFolder(runtime, appFolder, errorString);
    const QString own = makeFolder(
        QDir::tempPath(), QStringLiteral("zenub-animate-%1").arg(::geteuid()), errorString);
    return own.isEmpty() ? QString() : makeFolder(own, appFolder, errorString);
#else
    // Elsewhere the temporary folder already belongs to the user.
    return makeFolder(QDir::tempPath(), appFolder, errorString);
#endif
}

bool PrivateFolder::writePrivateFile(const QString& path, const QByteArray& data,
                                     QString* errorString)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) &&
                         file.write(data) == data.size() && file.commit();
    if (!written && errorString)
        *errorString =
            tr("The file \"%1\" cannot be written: %2").arg(native(path), file.errorString());
    return written;
}

} // namespace ExtensionSystem
