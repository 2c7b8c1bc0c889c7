// SPDX-License-Identifier: MIT
#ifndef NEWPROJECTDIALOG_H
#define NEWPROJECTDIALOG_H

#include <documents/icreatedocumentdlg.h>

class QComboBox;

namespace Ui {
class NewProjectDialog;
}

/*!
    Asks for a new project's name, folder, stage size (typed, or one of the breakpoints' sizes)
    and frame rate. The values are the width,
    the height and the frame rate; the flag asks for a title text in the first scene. The
    dialog only accepts a name and folder that give a new file in a folder that exists or could
    be created.
*/
class NewProjectDialog : public ICreateDocumentDlg
{
    Q_OBJECT
public:
    explicit NewProjectDialog(QWidget* parent = nullptr);
    ~NewProjectDialog() override;

    QString getDocumentPath() override;
    int getValue1() override;
    int getValue2() override;
    int getValue3() override;
    bool getFlag() override;

    void setProjectName(const QString& name);
    void setFolder(const QString& folder);
    void setStageSize(int width, int height);
    void setFrameRate(int frameRate);

    /*!
        Checks the input, creating the folder when it is missing. Returns an empty string when
        the project can be created, otherwise the message for the user.
    */
    QString validate();
    /*! The message for a project name that cannot be a file name, or an empty string. */
    static QString checkName(const QString& name);

public slots:
    void accept() override;

private:
    void browse();
    void addSizePresets();
    QString projectPath() const;

    Ui::NewProjectDialog* ui;
    QComboBox* m_pPreset = nullptr;
    QString m_strAcceptedPath;
};

#endif
