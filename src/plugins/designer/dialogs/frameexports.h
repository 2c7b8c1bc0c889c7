// SPDX-License-Identifier: MIT
#ifndef FRAMEEXPORTS_H
#define FRAMEEXPORTS_H

#include <QCoreApplication>

class QWidget;
class ZenubProject;

/*!
    File > Export to Video and Export to PNG Frames: the settings, then the export with its
    progress, then how it ended. The settings are kept for the next export.
*/
class FrameExports
{
    Q_DECLARE_TR_FUNCTIONS(FrameExports)
public:
    static void exportVideo(QWidget* parent, const ZenubProject& project,
                            const QString& projectFile);
    static void exportFrames(QWidget* parent, const ZenubProject& project,
                             const QString& projectFile);

    /*! What the end of an export to \a fileName says: the kind of file it names. */
    static QString writtenMessage(const QString& fileName);
    static QString failedMessage(const QString& fileName);
};

#endif
