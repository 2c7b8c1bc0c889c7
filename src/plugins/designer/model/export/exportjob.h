// SPDX-License-Identifier: MIT
#ifndef EXPORTJOB_H
#define EXPORTJOB_H

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

/*!
    An export that writes frame after frame and may take long: it reports its progress, stops
    when asked, and then leaves no half-written output behind. It works on its own copy of the
    project, so it can run on any thread while the user goes on editing.
*/
class ExportJob
{
public:
    /*! Called after each frame with the frames done and the frames in all. */
    using Progress = std::function<void(qint64 done, qint64 total)>;

    virtual ~ExportJob() = default;

    virtual qint64 totalFrames() const = 0;
    /*! Runs the export; false on failure or when \a cancelled became true. */
    virtual bool run(const Progress& progress = Progress(),
                     const std::atomic_bool* cancelled = nullptr) = 0;

    /*! The files the export reads; what it writes may be none of them, nor a link to one. */
    void setInputFiles(const QStringList& files) { m_inputFiles = files; }

    QString errorString() const { return m_errorString; }
    bool wasCancelled() const { return m_bCancelled; }

protected:
    QStringList m_inputFiles;
    QString m_errorString;
    bool m_bCancelled = false;
};

#endif
