// SPDX-License-Identifier: MIT
#include "exporttarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Two names of one file: the same path, a link to it, or another hard link.
bool sameFile(const QString& a, const QString& b)
{
#ifdef Q_OS_UNIX
    struct stat first;
    struct stat second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#else
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
#endif
}

} // namespace

QString ExportTarget::refusal(const QString& output, const QStringList& inputs)
{
    for (const QString& input : inputs) {
        if (input.isEmpty() || !sameFile(output, input))
            continue;
        return tr("%1 was not written: it is, or links to, %2, which this export reads. Choose "
                  "another file name.")
            .arg(QDir::toNativeSeparators(output), QDir::toNativeSeparators(input));
    }
    return QString();
}
