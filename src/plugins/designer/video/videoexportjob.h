// SPDX-License-Identifier: MIT
#ifndef VIDEOEXPORTJOB_H
#define VIDEOEXPORTJOB_H

#include "model/project/zenubproject.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include <atomic>
#include <functional>

/*!
    Renders scenes of a project frame by frame at the stage size and encodes them as one video,
    the scenes one after another at the project's frame rate. It keeps its own copy of the
    project, so it can run on any thread while the user goes on editing.
*/
class VideoExportJob
{
    Q_DECLARE_TR_FUNCTIONS(VideoExportJob)
public:
    /*! Called after each frame with the frames done and the frames in all. */
    using Progress = std::function<void(qint64 done, qint64 total)>;

    /*! Exports \a scenes, or every scene when the list is empty. */
    VideoExportJob(const ZenubProject& project, const QString& fileName,
                   const QVector<int>& scenes = QVector<int>());

    qint64 totalFrames() const;
    /*!
        Runs the export; false on failure or when \a cancelled became true, which leaves no
        file behind and an existing file as it was.
    */
    bool run(const Progress& progress = Progress(), const std::atomic_bool* cancelled = nullptr);

    QString errorString() const { return m_errorString; }
    bool wasCancelled() const { return m_bCancelled; }

private:
    ZenubProject m_project;
    QString m_fileName;
    QVector<int> m_scenes;
    QString m_errorString;
    bool m_bCancelled = false;
};

#endif
