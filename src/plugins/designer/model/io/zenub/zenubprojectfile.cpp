// SPDX-License-Identifier: MIT
#include "zenubprojectfile.h"

#include "zenubjsonreader.h"
#include "zenubjsonwriter.h"
#include "model/project/zenubproject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

#include <cmath>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

ZenubProjectFile::ZenubProjectFile(const QString& fileName)
    : m_fileName(fileName)
{}

bool ZenubProjectFile::load(ZenubProject* project)
{
    const QString shown = QDir::toNativeSeparators(m_fileName);
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return fail(Error::FileNotFound, tr("The project file %1 does not exist.").arg(shown));
    if (info.isDir()) {
        return fail(Error::ReadFailed,
                    tr("The project file %1 cannot be read: it is a folder.").arg(shown));
    }
    QFile file;
    if (!openRegularFile(&file))
        return false;
    const QByteArray data = file.read(qMin(file.size(), maximumFileSize) + 1);
    if (file.error() != QFileDevice::NoError) {
        return fail(Error::ReadFailed,
                    tr("The project file %1 cannot be read: %2").arg(shown, file.errorString()));
    }
    // The size may have grown since the check.
    if (data.size() > maximumFileSize)
        return failTooLarge();
    return parse(data, project);
}

bool ZenubProjectFile::openRegularFile(QFile* file)
{
    const QString shown = QDir::toNativeSeparators(m_fileName);
    const auto notRegular = [&] {
        return fail(Error::ReadFailed, tr("The file %1 cannot be opened as a project: it is not "
                                          "a regular file.")
                                           .arg(shown));
    };
#ifdef Q_OS_UNIX
    // Without O_NONBLOCK, opening a FIFO waits for a writer; the type is then checked on what
    // was opened, not on a name that may have changed in between.
    const int fd =
        ::open(QFile::encodeName(m_fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return fail(Error::ReadFailed, tr("The project file %1 cannot be read: %2")
                                           .arg(shown, QString::fromLocal8Bit(strerror(errno))));
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return notRegular();
    }
    if (status.st_size > maximumFileSize) {
        ::close(fd);
        return failTooLarge();
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(Error::ReadFailed,
                    tr("The project file %1 cannot be read: %2").arg(shown, file->errorString()));
    }
    return true;
#else
    const QFileInfo info(m_fileName);
    if (!info.isFile())
        return notRegular();
    if (info.size() > maximumFileSize)
        return failTooLarge();
    file->setFileName(m_fileName);
    if (!file->open(QIODevice::ReadOnly)) {
        return fail(Error::ReadFailed,
                    tr("The project file %1 cannot be read: %2").arg(shown, file->errorString()));
    }
    return true;
#endif
}

bool ZenubProjectFile::failTooLarge()
{
    return fail(Error::TooLarge,
                tr("The file %1 is too large to be a project: projects are limited to %2 MiB.")
                    .arg(QDir::toNativeSeparators(m_fileName))
                    .arg(maximumFileSize / (1024 * 1024)));
}

bool ZenubProjectFile::parse(const QByteArray& data, ZenubProject* project)
{
    const QString shown = QDir::toNativeSeparators(m_fileName);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return fail(Error::NotJson,
                    tr("The file %1 is not a Zenub Animate project: it holds no valid JSON "
                       "(%2 at character %3).")
                        .arg(shown, parseError.errorString(), QString::number(parseError.offset)));
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != formatId()) {
        return fail(Error::WrongFormat,
                    tr("The file %1 is not a Zenub Animate project.").arg(shown));
    }

    const QJsonValue version = root.value(QStringLiteral("version"));
    const double number = version.toDouble();
    if (!version.isDouble() || std::floor(number) != number || number < 1) {
        return fail(Error::InvalidContent,
                    tr("The project file %1 is damaged: its format version is missing or "
                       "not a positive whole number.")
                        .arg(shown));
    }
    if (number > formatVersion()) {
        return fail(Error::NewerVersion,
                    tr("The project file %1 was saved by a newer version of Zenub Animate "
                       "(format version %2). Please update Zenub Animate to open it.")
                        .arg(shown, QString::number(number, 'f', 0)));
    }

    ZenubJsonReader reader;
    if (!root.value(QStringLiteral("project")).isObject())
        reader.fail(ZenubJsonReader::tr("The field \"%1\" must be an object.")
                        .arg(QStringLiteral("project")));
    const QString rootPath = QStringLiteral("project");
    const ZenubProject read = ZenubProject::fromJson(
        root.value(QStringLiteral("project")).toObject(), reader, ZenubJsonPath(rootPath));
    if (reader.hasError()) {
        return fail(Error::InvalidContent,
                    tr("The project file %1 is damaged: %2").arg(shown, reader.errorString()));
    }
    *project = read;
    m_error = Error::None;
    m_errorString.clear();
    return true;
}

bool ZenubProjectFile::save(const ZenubProject& project)
{
    const QString shown = QDir::toNativeSeparators(m_fileName);
    const QFileInfo info(m_fileName);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder)) {
        return fail(Error::WriteFailed, tr("The project cannot be saved: the folder %1 cannot "
                                           "be created.")
                                            .arg(QDir::toNativeSeparators(folder)));
    }
    if (info.isDir()) {
        return fail(
            Error::WriteFailed,
            tr("The project cannot be saved as %1: a folder of that name exists.").arg(shown));
    }
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(Error::WriteFailed,
                    tr("The project cannot be saved as %1: %2").arg(shown, file.errorString()));
    }
    ZenubJsonWriter writer(&file);
    write(project, writer);
    if (!writer.finish() || !file.commit()) {
        return fail(Error::WriteFailed,
                    tr("The project cannot be saved as %1: %2").arg(shown, file.errorString()));
    }
    m_error = Error::None;
    m_errorString.clear();
    return true;
}

QJsonObject ZenubProjectFile::toDocument(const ZenubProject& project)
{
    return QJsonObject{
        {QStringLiteral("format"), formatId()},
        {QStringLiteral("version"), formatVersion()},
        {QStringLiteral("application"), QStringLiteral("Zenub Animate " ZENUB_VERSION)},
        {QStringLiteral("project"), project.toJson()}};
}

QByteArray ZenubProjectFile::toBytes(const ZenubProject& project)
{
    ZenubJsonWriter writer;
    write(project, writer);
    return writer.takeBytes();
}

void ZenubProjectFile::write(const ZenubProject& project, ZenubJsonWriter& writer)
{
    // Indented as QJsonDocument does, so that projects under version control give readable
    // differences and files saved before the writer streamed do not change.
    writer.beginObject();
    writer.member(QLatin1String("application"), QStringLiteral("Zenub Animate " ZENUB_VERSION));
    writer.member(QLatin1String("format"), formatId());
    writer.key(QLatin1String("project"));
    project.write(writer);
    writer.member(QLatin1String("version"), formatVersion());
    writer.endObject();
}

bool ZenubProjectFile::fail(Error error, const QString& message)
{
    m_error = error;
    m_errorString = message;
    return false;
}
