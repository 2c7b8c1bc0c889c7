// SPDX-License-Identifier: MIT
#include "exporttask.h"

#include "model/export/exportjob.h"

#include <QThread>

ExportTask::ExportTask(std::unique_ptr<ExportJob> job, QObject* parent)
    : QObject(parent)
    , m_job(std::move(job))
{}

ExportTask::~ExportTask()
{
    if (m_pThread) {
        m_bCancelled = true;
        m_pThread->wait();
        delete m_pThread;
    }
}

qint64 ExportTask::totalFrames() const
{
    return m_job->totalFrames();
}

void ExportTask::start()
{
    if (m_pThread)
        return;
    m_pThread = QThread::create([this] {
        m_bSucceeded =
            m_job->run([this](qint64 done, qint64 total) { emit progressChanged(done, total); },
                       &m_bCancelled);
    });
    // Queued to this object's thread: the job's results are read only after the run ended.
    connect(m_pThread, &QThread::finished, this,
            [this] { emit finished(m_bSucceeded, m_job->wasCancelled(), m_job->errorString()); });
    m_pThread->start();
}

void ExportTask::cancel()
{
    m_bCancelled = true;
}
