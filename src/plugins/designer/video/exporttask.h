// SPDX-License-Identifier: MIT
#ifndef EXPORTTASK_H
#define EXPORTTASK_H

#include <QObject>

#include <atomic>
#include <memory>

class ExportJob;
class QThread;

/*!
    Runs an export on a thread of its own and reports back on the thread that made it, so the
    window stays responsive while frames are written. Deleting the task cancels the export and
    waits for the thread.
*/
class ExportTask : public QObject
{
    Q_OBJECT
public:
    explicit ExportTask(std::unique_ptr<ExportJob> job, QObject* parent = nullptr);
    ~ExportTask() override;

    qint64 totalFrames() const;
    void start();
    /*! Asks the thread to stop after the current frame; finished() follows. */
    void cancel();

signals:
    void progressChanged(qint64 done, qint64 total);
    void finished(bool bSucceeded, bool bCancelled, const QString& errorString);

private:
    std::unique_ptr<ExportJob> m_job;
    QThread* m_pThread = nullptr;
    std::atomic_bool m_bCancelled{false};
    bool m_bSucceeded = false;
};

#endif
