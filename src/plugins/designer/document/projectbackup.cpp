// SPDX-License-Identifier: MIT
#include "projectbackup.h"

#include "model/project/zenubproject.h"
#include "model/io/zenub/zenubprojectfile.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QFile>
#include <QFileInfo>

QString ProjectBackup::fileName(const QString& projectFile)
{
    return projectFile + QLatin1String(".bak");
}

bool ProjectBackup::write(const QString& projectFile, const ZenubProject& project)
{
    return ZenubProjectFile(fileName(projectFile)).save(project);
}

void ProjectBackup::remove(const QString& projectFile)
{
    QFile::remove(fileName(projectFile));
}

bool ProjectBackup::offerRecovery(const QString& projectFile, const ZenubProject& saved,
                                  ZenubProject* recovered)
{
    // Only a backup newer than the file holds edits that were never saved.
    const QFileInfo backupInfo(fileName(projectFile));
    return backupInfo.exists() &&
           backupInfo.lastModified() >= QFileInfo(projectFile).lastModified() &&
           ZenubProjectFile(backupInfo.filePath()).load(recovered) && *recovered != saved &&
           IUi::getInstance()->showQuestion(
               ICore::getMainWindow(), QStringLiteral("Zenub Animate"),
               tr("%1 has unsaved changes from an earlier session. Do you want to recover "
                  "them?")
                   .arg(QFileInfo(projectFile).completeBaseName()),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}
