// SPDX-License-Identifier: MIT
#ifndef DIALOGFOLDERS_H
#define DIALOGFOLDERS_H

#include <QString>
#include <QStringList>

/*!
    Where the file dialogs start: near the work, never in the home folder while there is a
    better place. Pictures start where the last picture came from; projects and exports start
    in the current project's folder; after that comes the folder last used for the same kind of
    file, then the one last used for any, then the home folder. The folders are kept in the
    settings, so they outlast the run.
*/
class DialogFolders
{
public:
    enum Kind { Projects, Pictures, Exports };

    /*! The folder a dialog for \a kind starts in; \a projectFile is the current project's. */
    static QString start(Kind kind, const QString& projectFile);
    /*! Remembers the folder of \a path (a file, or a folder itself) for \a kind. */
    static void remember(Kind kind, const QString& path);
    /*! The first of \a candidates that is a folder, else the home folder. */
    static QString firstFolder(const QStringList& candidates);
    /*! The file of the project being edited; empty without one. */
    static QString currentProjectFile();
};

#endif
