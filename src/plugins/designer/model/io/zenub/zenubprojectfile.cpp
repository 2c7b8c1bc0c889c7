// SPDX-License-Identifier: MIT
#include "zenubprojectfile.h"

#include "model/project/zenubproject.h"
#include "zenubjsonreader.h"
#include "zenubjsonwriter.h"
#include "zenubpicturetable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>
#include <QSaveFile>
#include <QStorageInfo>

#include <algorithm>
#include <cmath>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Counts what a save would write, so that a save the reader would refuse is refused before a
// byte reaches the disk.
class ByteCounter : public QIODevice
{
public:
    ByteCounter() { open(QIODevice::WriteOnly); }
    qint64 count() const { return m_count; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        m_count += size;
        return size;
    }

private:
    qint64 m_count = 0;
};

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1);
}

// The largest of \a pictures, largest first, as "Name" (2.5 MiB), "Other" (1.0 MiB).
QString largestPictures(QVector<ZenubPictureTable::Picture> pictures)
{
    std::sort(pictures.begin(), pictures.end(),
              [](const ZenubPictureTable::Picture& a, const ZenubPictureTable::Picture& b) {
                  return a.data.size() > b.data.size();
              });
    QStringList names;
    for (int i = 0; i < std::min(3, int(pictures.size())); ++i)
        names.append(QStringLiteral("\"%1\" (%2)")
                         .arg(pictures.at(i).shapeName, sizeText(pictures.at(i).data.size())));
    return names.join(QStringLiteral(", "));
}

} // namespace

ZenubProjectFile::ZenubProjectFile(const QString& fileName)
    : m_fileName(fileName)
{}

bool ZenubProjectFile::load(ZenubProject* project)
{
    const QString shown = QDir::toNativeSeparators(m_fileName);
    const QFileInfo info(m_fileName);
    if (!info.exists())
        return failMissing();
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
    if (!isWithinSizeLimit(data.size()))
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
    if (!isWithinSizeLimit(status.st_size)) {
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
    if (!isWithinSizeLimit(info.size()))
        return failTooLarge();
    file->setFileName(m_fileName);
    if (!file->open(QIODevice::ReadOnly)) {
        return fail(Error::ReadFailed,
                    tr("The project file %1 cannot be read: %2").arg(shown, file->errorString()));
    }
    return true;
#endif
}

bool ZenubProjectFile::failMissing()
{
    const QString shown = QDir::toNativeSeparators(m_fileName);
    const QFileInfo info(m_fileName);
    // A link is there even when what it leads to is not; say which of the two went wrong.
    if (info.isSymLink()) {
#ifdef Q_OS_UNIX
        struct stat status;
        if (::stat(QFile::encodeName(m_fileName).constData(), &status) != 0 && errno == ELOOP) {
            return fail(Error::ReadFailed, tr("The project file %1 cannot be read: it is a link "
                                              "that leads round in a loop.")
                                               .arg(shown));
        }
#endif
        return fail(Error::FileNotFound,
                    tr("The project file %1 is a link to %2, which does not exist.")
                        .arg(shown, QDir::toNativeSeparators(info.symLinkTarget())));
    }
    return fail(Error::FileNotFound, tr("The project file %1 does not exist.").arg(shown));
}

bool ZenubProjectFile::failTooLarge()
{
    return fail(Error::TooLarge,
                tr("The file %1 is too large to be a project: projects are limited to %2.")
                    .arg(QDir::toNativeSeparators(m_fileName),
                         QLocale().formattedDataSize(maximumFileSize, 0)));
}

bool ZenubProjectFile::failTooLargeToSave(const ZenubProject& project, qint64 size)
{
    const QVector<ZenubPictureTable::Picture> pictures = ZenubPictureTable::of(project).pictures();
    QString message = tr("The project cannot be saved as %1: it would take %2, and a project "
                         "of more than %3 could not be opened again.")
                          .arg(QDir::toNativeSeparators(m_fileName), sizeText(size),
                               QLocale().formattedDataSize(maximumFileSize, 0));
    if (!pictures.isEmpty())
        message +=
            QLatin1Char(' ') + tr("Its largest images are %1; remove some or use smaller ones.")
                                   .arg(largestPictures(pictures));
    return fail(Error::TooLarge, message);
}

qint64 ZenubProjectFile::encodedSize(const ZenubProject& project)
{
    ByteCounter counter;
    ZenubJsonWriter writer(&counter);
    write(project, writer);
    writer.finish();
    return counter.count();
}

bool ZenubProjectFile::hasRoomFor(const ZenubProject& project, const QVector<ZenubShape>& shapes,
                                  QString* errorString)
{
    ZenubProject after = project;
    ZenubLayer layer;
    for (const ZenubShape& shape : shapes)
        layer.addShape(shape);
    ZenubScene scene;
    scene.addLayer(layer);
    after.addScene(scene);
    // Only a picture the project does not hold yet can make it much larger; the save refuses
    // whatever else would take it past the limit.
    const ZenubPictureTable held = ZenubPictureTable::of(project);
    const ZenubPictureTable all = ZenubPictureTable::of(after);
    QVector<ZenubPictureTable::Picture> added;
    for (const ZenubPictureTable::Picture& picture : all.pictures())
        if (held.idOf(picture.data, picture.format).isEmpty())
            added.append(picture);
    if (added.isEmpty())
        return true;
    const qint64 size = encodedSize(after);
    if (isWithinSizeLimit(size))
        return true;
    if (errorString) {
        const auto largest = std::max_element(
            added.begin(), added.end(),
            [](const ZenubPictureTable::Picture& a, const ZenubPictureTable::Picture& b) {
                return a.data.size() < b.data.size();
            });
        *errorString = tr("The image \"%1\" (%2) cannot be added: the project would then "
                          "take %3, and a project of more than %4 could not be opened again.")
                           .arg(largest->shapeName, sizeText(largest->data.size()), sizeText(size),
                                QLocale().formattedDataSize(maximumFileSize, 0));
        if (!held.isEmpty())
            *errorString += QLatin1Char(' ') +
                            tr("Its largest images are %1.").arg(largestPictures(held.pictures()));
    }
    return false;
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
        // A version no release will reach is shown cut, not as hundreds of digits.
        QString digits = QString::number(number, 'f', 0);
        if (digits.size() > 9)
            digits = digits.left(9) + QChar(0x2026);
        return fail(Error::NewerVersion,
                    tr("The project file %1 was saved by a newer version of Zenub Animate "
                       "(format version %2). Please update Zenub Animate to open it.")
                        .arg(shown, digits));
    }

    ZenubJsonReader reader;
    reader.setFormatVersion(int(number));
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
    // Held whole before anything is written, so that a file the reader would refuse is never
    // started.
    const QByteArray bytes = toBytes(project);
    if (!isWithinSizeLimit(bytes.size()))
        return failTooLargeToSave(project, bytes.size());
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        // A full disk often shows only as a generic input/output error once the buffered bytes
        // meet it: the free space tells the cause.
        const QStorageInfo disk(folder);
        const QString cause = disk.isValid() && disk.bytesAvailable() < bytes.size()
                                  ? tr("the disk is full (%1 free, %2 needed)")
                                        .arg(QLocale().formattedDataSize(disk.bytesAvailable()),
                                             QLocale().formattedDataSize(bytes.size()))
                                  : file.errorString();
        return fail(Error::WriteFailed,
                    tr("The project cannot be saved as %1: %2").arg(shown, cause));
    }
    m_error = Error::None;
    m_errorString.clear();
    return true;
}

QJsonObject ZenubProjectFile::toDocument(const ZenubProject& project)
{
    // One way to write a project, so that the exported page holds what the file would.
    return QJsonDocument::fromJson(toBytes(project)).object();
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
