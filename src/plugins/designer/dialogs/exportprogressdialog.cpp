// SPDX-License-Identifier: MIT
#include "exportprogressdialog.h"

#include "model/export/exportjob.h"
#include "video/exporttask.h"

#include <QPushButton>

ExportProgressDialog::ExportProgressDialog(std::unique_ptr<ExportJob> job, const QString& name,
                                           QWidget* parent)
    : QProgressDialog(parent)
    , m_pTask(new ExportTask(std::move(job), this))
    , m_name(name)
{
    setWindowTitle(tr("Exporting"));
    setLabelText(tr("Exporting to %1").arg(m_name));
    // Wide enough that the changing label does not resize the dialog.
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    setWindowModality(Qt::WindowModal);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setRange(0, int(std::min<qint64>(m_pTask->totalFrames(), INT_MAX)));
    setValue(0);
    connect(m_pTask, &ExportTask::progressChanged, this, &ExportProgressDialog::onProgress);
    connect(m_pTask, &ExportTask::finished, this, &ExportProgressDialog::onFinished);
    // The dialog stays until the thread has let go of the file, so nothing is left behind.
    // QProgressDialog hides itself on canceled(); its connection is made by signature.
    disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
    connect(this, &QProgressDialog::canceled, this, [this] {
        m_pTask->cancel();
        setLabelText(tr("Cancelling..."));
        if (QPushButton* button = findChild<QPushButton*>())
            button->setEnabled(false);
    });
}

ExportProgressDialog::~ExportProgressDialog() = default;

bool ExportProgressDialog::run()
{
    m_pTask->start();
    exec();
    if (!m_bFinished) {
        // Closed some other way: the task's destructor stops the thread and drops the file.
        m_pTask->cancel();
        m_bCancelled = true;
    }
    return m_bSucceeded;
}

void ExportProgressDialog::reject()
{
    emit canceled();
}

void ExportProgressDialog::onProgress(qint64 done, qint64 total)
{
    setValue(int(std::min(done, total)));
    setLabelText(tr("Exporting to %1: frame %2 of %3").arg(m_name).arg(done).arg(total));
}

void ExportProgressDialog::onFinished(bool bSucceeded, bool bCancelled, const QString& errorString)
{
    m_bFinished = true;
    m_bSucceeded = bSucceeded;
    m_bCancelled = bCancelled;
    m_errorString = errorString;
    done(bSucceeded ? QDialog::Accepted : QDialog::Rejected);
}
