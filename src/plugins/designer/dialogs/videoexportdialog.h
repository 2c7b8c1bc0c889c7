// SPDX-License-Identifier: MIT
#ifndef VIDEOEXPORTDIALOG_H
#define VIDEOEXPORTDIALOG_H

#include <QProgressDialog>

class VideoExportTask;
class ZenubProject;

/*!
    File > Export to Video: asks for the file, shows the export's progress with a Cancel
    button, and says how it ended.
*/
class VideoExportDialog : public QProgressDialog
{
    Q_OBJECT
public:
    VideoExportDialog(const ZenubProject& project, int scene, const QString& fileName,
                      QWidget* parent = nullptr);
    ~VideoExportDialog() override;

    /*! Asks for a file name next to \a projectFile and exports \a scene into it. */
    static void exportScene(QWidget* parent, const ZenubProject& project, int scene,
                            const QString& projectFile);

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

    VideoExportTask* m_pTask = nullptr;
    QString m_fileName;
    QString m_errorString;
    bool m_bFinished = false;
    bool m_bSucceeded = false;
    bool m_bCancelled = false;
};

#endif
