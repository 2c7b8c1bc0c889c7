// SPDX-License-Identifier: MIT
#ifndef HTML5EXPORTDIALOG_H
#define HTML5EXPORTDIALOG_H

#include "model/html5/banneroptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class ZenubProject;

/*!
    File > Export to HTML5: the folder, the whole project or one scene, and the banner options
    (plays, where it stops, click-through link, fallback picture). Writes the page on Export and
    says how large the output is.
*/
class Html5ExportDialog : public QDialog
{
    Q_OBJECT
public:
    Html5ExportDialog(const ZenubProject& project, const QString& folder,
                      QWidget* parent = nullptr);

    /*! Asks, exports and reports; the choices are kept for the next export of the run. */
    static void exportProject(QWidget* parent, const ZenubProject& project,
                              const QString& projectFile);

    QString folder() const;
    /*! The project as exported: the chosen scene alone, or all of them. */
    ZenubProject exportedProject() const;
    BannerOptions banner() const;

    void accept() override;

private:
    void update();

    const ZenubProject& m_project;
    QLineEdit* m_pFolder = nullptr;
    QComboBox* m_pScene = nullptr;
    QCheckBox* m_pForever = nullptr;
    QSpinBox* m_pPlays = nullptr;
    QCheckBox* m_pStopOnLast = nullptr;
    QLineEdit* m_pClickUrl = nullptr;
    QCheckBox* m_pFallback = nullptr;
    QSpinBox* m_pFallbackFrame = nullptr;
    QLabel* m_pMessage = nullptr;
};

#endif
