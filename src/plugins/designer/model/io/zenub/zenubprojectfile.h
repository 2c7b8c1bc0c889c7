// SPDX-License-Identifier: MIT
#ifndef ZENUBPROJECTFILE_H
#define ZENUBPROJECTFILE_H

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

class QFile;
class ZenubJsonWriter;
class ZenubProject;

/*!
    Reads and writes a project file: a JSON document
    { "format": "zenub-project", "version": 1, "application": ..., "project": { ... } }.

    Only regular files up to maximumFileSize are read: a FIFO, a device or a huge file is
    refused with a message naming it, and reading never waits on a writer.
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
    static constexpr int formatVersion() { return 2; }
    /*!
        Larger files are refused unread. Real projects are a few hundred KiB; Qt's JSON reader
        cannot hold a document much beyond 128 MiB anyway, and 64 MiB reads in well under a
        second.
    */
    static constexpr qint64 maximumFileSize = 64 * 1024 * 1024;

    explicit ZenubProjectFile(const QString& fileName);

    QString getFileName() const { return m_fileName; }

    bool load(ZenubProject* project);
    bool save(const ZenubProject& project);
    /*! Reads a project from the bytes of a file; \a project changes only on success. */
    bool parse(const QByteArray& data, ZenubProject* project);

    Error getError() const { return m_error; }
    QString getErrorString() const { return m_errorString; }

    /*! The whole document for \a project, with format id and version. */
    static QJsonObject toDocument(const ZenubProject& project);
    static QByteArray toBytes(const ZenubProject& project);

private:
    static void write(const ZenubProject& project, ZenubJsonWriter& writer);
    bool fail(Error error, const QString& message);
    /*! Opens the file for reading only when it is a regular file within the size limit. */
    bool openRegularFile(QFile* file);
    bool failTooLarge();

    QString m_fileName;
    Error m_error = Error::None;
    QString m_errorString;
};

#endif
