// SPDX-License-Identifier: MIT
#ifndef EXPORTSETTINGSDIALOG_H
#define EXPORTSETTINGSDIALOG_H

#include "model/export/exportsettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class ZenubProject;

/*!
    The settings of a video, animated picture or frames export, with where it goes: the whole
    project or one scene, scale, quality, frame range, and for animated pictures how often they
    play and whether the background is left out. Options the chosen file's format cannot use
    are disabled. Shows the size and the number of frames the export will have.
*/
class ExportSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Target { VideoFile, FramesFolder };

    ExportSettingsDialog(Target target, const ZenubProject& project, const QString& path,
                         const ExportSettings& settings, QWidget* parent = nullptr);

    QString path() const;
    ExportSettings settings() const;

    void accept() override;

private:
    void browse();
    void update();
    int selectedFrameCount() const;

    const ZenubProject& m_project;
    Target m_target;
    QLineEdit* m_pPath = nullptr;
    QComboBox* m_pScene = nullptr;
    QSpinBox* m_pScale = nullptr;
    QSpinBox* m_pQuality = nullptr;
    QSpinBox* m_pFirst = nullptr;
    QSpinBox* m_pLast = nullptr;
    QCheckBox* m_pForever = nullptr;
    QSpinBox* m_pPlays = nullptr;
    QCheckBox* m_pTransparent = nullptr;
    QLabel* m_pSummary = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
};

#endif
