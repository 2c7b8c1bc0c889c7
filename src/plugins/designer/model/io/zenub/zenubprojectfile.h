// SPDX-License-Identifier: MIT
#ifndef ZENUBPROJECTFILE_H
#define ZENUBPROJECTFILE_H

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QVector>

class QFile;
class ZenubJsonWriter;
class ZenubProject;
class ZenubShape;

/*!
    Reads and writes a project file: a JSON document
    { "format": "zenub-project", "version": 4, "application": ..., "project": { ... } }.
    Files are written in the newest version; every older one is read (before version 4 a
    shape's box moved by keyframes of its own, which become keyframes of each property).

    Only regular files within the size limit are read: a FIFO, a device or a huge file is
    refused with a message naming it, and reading never waits on a writer. A project beyond the
    limit is never written either, so that every file saved can be opened again.
    Every failure leaves the caller's project untouched and sets error() and a translated
    errorString() that can be shown to the user as it is. Saving goes through a temporary
    file, so a failed save keeps the previous file intact.
*/
class ZenubProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(ZenubProjectFile)
public:
    enum class Error {
        None,
        FileNotFound,
        ReadFailed,
        NotJson,
        WrongFormat,
        NewerVersion,
        InvalidContent,
        WriteFailed,
        TooLarge
    };

    static QString formatId() { return QStringLiteral("zenub-project"); }
    /*! The newest format version this release reads. */
    static constexpr int formatVersion() { return 4; }
    /*! See isWithinSizeLimit(). */
    static constexpr qint64 maximumFileSize = 64 * 1024 * 1024;
    /*!
        The one size rule for project files: a file of \a bytes is read, and may be written,
        only when this holds. Larger files are refused unread, and saves that would produce
        one are refused before anything is written.
    */
    static constexpr bool isWithinSizeLimit(qint64 bytes) { return bytes <= maximumFileSize; }
    /*! The number of bytes save() writes for \a project. */
    static qint64 encodedSize(const ZenubProject& project);
    /*!
        Whether \a project can still be saved once \a shapes are added to it; otherwise
        \a errorString says so, naming the pictures that would not fit.
    */
    static bool hasRoomFor(const ZenubProject& project, const QVector<ZenubShape>& shapes,
                           QString* errorString);

    explicit ZenubProjectFile(const QString& fileName);

    QString getFileName() const { return m_fileName; }

    bool load(ZenubProject* project);
    bool save(const ZenubProject& project);
    /*! Reads a project from the bytes of a file; \a project changes only on success. */
    bool parse(const QByteArray& data, ZenubProject* project);

    Error getError() const { return m_error; }
    QString getErrorString() const { return m_errorString; }

    /*! The whole document save() writes for \a project. */
    static QJsonObject toDocument(const ZenubProject& project);
    static QByteArray toBytes(const ZenubProject& project);

private:
    static void write(const ZenubProject& project, ZenubJsonWriter& writer);
    bool fail(Error error, const QString& message);
    /*! Opens the file for reading only when it is a regular file within the size limit. */
    bool openRegularFile(QFile* file);
    bool failTooLarge();
    bool failTooLargeToSave(const ZenubProject& project, qint64 size);
    /*! Names why a file that is not there is missing: a link to nothing, or in a loop. */
    bool failMissing();

    QString m_fileName;
    Error m_error = Error::None;
    QString m_errorString;
};

#endif
