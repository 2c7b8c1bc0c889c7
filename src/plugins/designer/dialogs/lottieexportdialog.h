// SPDX-License-Identifier: MIT
#ifndef LOTTIEEXPORTDIALOG_H
#define LOTTIEEXPORTDIALOG_H

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class ZenubProject;
struct LottieExportOptions;

/*!
    File > Export to Lottie: what to write (the whole project or one scene, texts as text or
    as outlines) and, before anything is written, what the file cannot carry. Export asks for
    the file and writes it.
*/
class LottieExportDialog : public QDialog
{
    Q_OBJECT
public:
    LottieExportDialog(const ZenubProject& project, int currentScene, QWidget* parent = nullptr);

    /*! Shows the dialog and exports what it is asked to; the project stays as it is. */
    static void exportProject(QWidget* parent, const ZenubProject& project, int currentScene,
                              const QString& projectFile);

    LottieExportOptions options() const;
    /*! The lines of what is not carried, as shown. */
    QStringList notCarried() const { return m_notCarried; }

private:
    void updateNotCarried();

    const ZenubProject& m_project;
    QComboBox* m_pScope = nullptr;
    QCheckBox* m_pOutlines = nullptr;
    QLabel* m_pSummary = nullptr;
    QPlainTextEdit* m_pList = nullptr;
    QStringList m_notCarried;
};

#endif
