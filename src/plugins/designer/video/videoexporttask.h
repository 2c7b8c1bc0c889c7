// SPDX-License-Identifier: MIT
#ifndef VIDEOEXPORTTASK_H
#define VIDEOEXPORTTASK_H

#include <QObject>
#include <QVector>

#include <atomic>
#include <memory>

class QThread;
class VideoExportJob;
class ZenubProject;

/*!
    Runs a video export on a thread of its own and reports back on the thread that made it,
    so the window stays responsive while frames are encoded. Deleting the task cancels the
    export and waits for the thread.
*/
class VideoExportTask : public QObject
{
    Q_OBJECT
public:
    VideoExportTask(const ZenubProject& project, const QString& fileName,
                    const QVector<int>& scenes, QObject* parent = nullptr);
    ~VideoExportTask() override;

    qint64 totalFrames() const;
    void start();
    /*! Asks the thread to stop after the current frame; finished() follows. */
    void cancel();

signals:
    void progressChanged(qint64 done, qint64 total);
    void finished(bool bSucceeded, bool bCancelled, const QString& errorString);

private:
    std::unique_ptr<VideoExportJob> m_job;
    QThread* m_pThread = nullptr;
    std::atomic_bool m_bCancelled{false};
    bool m_bSucceeded = false;
};

#endif
