// SPDX-License-Identifier: MIT
#ifndef PROJECTBACKUP_H
#define PROJECTBACKUP_H

#include <QCoreApplication>
#include <QString>

class ZenubProject;

/*!
    The automatic copy of a project's unsaved edits, kept beside the project file so that a
    crash loses nothing; it goes when the edits are saved or the project is closed.
*/
class ProjectBackup
{
    Q_DECLARE_TR_FUNCTIONS(ProjectBackup)
public:
    /*! Where the backup of \a projectFile is written. */
    static QString fileName(const QString& projectFile);
    static bool write(const QString& projectFile, const ZenubProject& project);
    static void remove(const QString& projectFile);
    /*!
        Whether the backup of \a projectFile holds edits that \a saved, the file's content, lacks
        and the user wants back; then \a recovered holds them.
    */
    static bool offerRecovery(const QString& projectFile, const ZenubProject& saved,
                              ZenubProject* recovered);
};

#endif
