// SPDX-License-Identifier: MIT
#ifndef EXPORTPROGRESSDIALOG_H
#define EXPORTPROGRESSDIALOG_H

#include <QProgressDialog>

#include <memory>

class ExportJob;
class ExportTask;

/*! Shows a long export's progress with a Cancel button while it runs on its own thread. */
class ExportProgressDialog : public QProgressDialog
{
    Q_OBJECT
public:
    /*! \a name is what the export writes, as the user knows it. */
    ExportProgressDialog(std::unique_ptr<ExportJob> job, const QString& name,
                         QWidget* parent = nullptr);
    ~ExportProgressDialog() override;

    /*! Runs the export until it ends; false when it failed or was cancelled. */
    bool run();
    QString errorString() const { return m_errorString; }
    bool wasCancelled() const { return m_bCancelled; }

protected:
    /*! Escape and the window's close button cancel, as the Cancel button does. */
    void reject() override;

private:
    void onProgress(qint64 done, qint64 total);
    void onFinished(bool bSucceeded, bool bCancelled, const QString& errorString);

    ExportTask* m_pTask = nullptr;
    QString m_name;
    QString m_errorString;
    bool m_bFinished = false;
    bool m_bSucceeded = false;
    bool m_bCancelled = false;
};

#endif
