// SPDX-License-Identifier: MIT
#ifndef FRAMESEXPORTJOB_H
#define FRAMESEXPORTJOB_H

#include "exportjob.h"
#include "exportpictures.h"

#include <QCoreApplication>

/*!
    Writes the frames the settings select as PNG pictures frame-00000.png, frame-00001.png...
    into a folder, opaque on the stage's background. They are written beside the folder's
    files first and take their names only once all are done, so a failed or cancelled export
    leaves the folder as it was.
*/
class FramesExportJob : public ExportJob
{
    Q_DECLARE_TR_FUNCTIONS(FramesExportJob)
public:
    FramesExportJob(const ZenubProject& project, const QString& folder,
                    const ExportSettings& settings = ExportSettings());

    static QString frameFileName(int index);

    qint64 totalFrames() const override;
    bool run(const Progress& progress = Progress(),
             const std::atomic_bool* cancelled = nullptr) override;

private:
    static ExportSettings opaque(ExportSettings settings);

    ExportPictures m_pictures;
    QString m_folder;
};

#endif
