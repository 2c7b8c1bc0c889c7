// SPDX-License-Identifier: MIT
#ifndef DOWNLOADPLACEMENT_H
#define DOWNLOADPLACEMENT_H

#include "core_export.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class QTemporaryDir;

/*!
    Where one update download lives. While it arrives it is a part file in a folder of its own
    inside the download folder, readable by the user alone; only once its checksum has matched
    is it moved into the download folder, under a name no file there has yet ("setup (1).exe"
    when "setup.exe" is taken). A file of the user's is never replaced, and nothing but the
    part file and its folder is ever deleted.
*/
class CORE_EXPORT DownloadPlacement
{
    Q_DECLARE_TR_FUNCTIONS(DownloadPlacement)
public:
    DownloadPlacement();
    ~DownloadPlacement();
    DownloadPlacement(const DownloadPlacement&) = delete;
    DownloadPlacement& operator=(const DownloadPlacement&) = delete;

    /*!
        Makes ready for a download of \a fileName into \a folder: the private folder is made,
        or kept when it serves the same folder and name, so a stalled part file can be
        continued. False with \a error when a folder cannot be made.
    */
    bool prepare(const QString& folder, const QString& fileName, QString* error);
    /*! The part file in the private folder; empty before prepare(). */
    QString partPath() const;
    /*!
        Moves the part file into the download folder under the first free name and removes the
        private folder. Returns the new path, or an empty string and \a error.
    */
    QString place(QString* error);
    /*! Removes the part file and the private folder. */
    void discard();

    /*! "name (n).ext" for \a number > 0, the name itself for 0. */
    static QString numberedFileName(const QString& fileName, int number);

private:
    QString m_folder;
    QString m_fileName;
    std::unique_ptr<QTemporaryDir> m_private;
};

#endif
