// SPDX-License-Identifier: MIT
#ifndef INSTANCETEMPFOLDER_H
#define INSTANCETEMPFOLDER_H

#include "extensionsystem_export.h"

#include <QString>

/*!
    The temporary folder of this running instance: "run-<process id>" in the user's private
    folder, so that closing one window removes only its own files. Folders left behind by
    instances that no longer run, and their web channel addresses, are removed when the first
    one is made.
*/
class EXTENSIONSYSTEM_EXPORT InstanceTempFolder
{
public:
    /*! Creates the folder when missing; empty, with the reason, when it cannot be trusted. */
    static QString path(QString* errorString = nullptr);
    /*! Removes this instance's folder and everything in it. */
    static void remove();
    /*!
        Removes \a path and everything below it, folders first, stopping at the first entry that
        cannot be removed. Links are removed as links, never followed. True when nothing is left.
    */
    static bool removeTree(const QString& path);

private:
    static QString name(qint64 processId);
    static void removeLeftovers(const QString& parent);
};

#endif
