// SPDX-License-Identifier: MIT
#ifndef EXTENSIONSYSTEM_PRIVATEFOLDER_H
#define EXTENSIONSYSTEM_PRIVATEFOLDER_H

#include "extensionsystem_export.h"

#include <QString>

namespace ExtensionSystem {

/*!
    The folder where one user's running application keeps what no other account may reach or
    replace: the second-start socket, the web channel's per-run secret and the temporary files.

    It is "Zenub-Animate" in the user's runtime folder ($XDG_RUNTIME_DIR), or in a folder
    "zenub-animate-<uid>" of our own in the system's temporary folder where there is none.
    Every folder is created with rights for the user alone; one found with another owner, wider
    rights or as a link is refused, never used.
*/
class EXTENSIONSYSTEM_EXPORT PrivateFolder
{
public:
    /*! The folder, created when missing; empty, with the reason in *errorString, when refused. */
    static QString path(QString* errorString = nullptr);

    /*!
        Creates the folder "name" below "parent" for the user alone, or checks the one that is
        there. Returns its path, or an empty string and the reason.
    */
    static QString makeFolder(const QString& parent, const QString& name, QString* errorString);

    /*! Empty when "path" is a real folder that only the current user owns and reaches. */
    static QString whyNotPrivate(const QString& path, bool followLink = false);

    /*! Writes "data" to "path", readable and writable by the user alone. */
    static bool writePrivateFile(const QString& path, const QByteArray& data, QString* errorString);
};

} // namespace ExtensionSystem

#endif
