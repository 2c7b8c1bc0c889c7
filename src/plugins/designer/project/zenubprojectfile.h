#ifndef ZENUBPROJECTFILE_H
#define ZENUBPROJECTFILE_H

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

class ZenubProject;

/*!
    Reads and writes a project file: a JSON document
    { "format": "zenub-project", "version": 1, "application": ..., "project": { ... } }.

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
        WriteFailed
    };

    static QString formatId() { return QStringLiteral("zenub-project"); }
    static constexpr int formatVersion() { return 1; }

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
    bool fail(Error error, const QString& message);

    QString m_fileName;
    Error m_error = Error::None;
    QString m_errorString;
};

#endif
