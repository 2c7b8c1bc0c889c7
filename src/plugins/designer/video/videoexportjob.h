// SPDX-License-Identifier: MIT
#ifndef VIDEOEXPORTJOB_H
#define VIDEOEXPORTJOB_H

#include "model/export/exportjob.h"
#include "model/export/exportpictures.h"

#include <QCoreApplication>

/*!
    Encodes the frames the settings select as one video or animated picture, the scenes one
    after another at the project's frame rate.
*/
class VideoExportJob : public ExportJob
{
    Q_DECLARE_TR_FUNCTIONS(VideoExportJob)
public:
    VideoExportJob(const ZenubProject& project, const QString& fileName,
                   const ExportSettings& settings = ExportSettings());

    /*! Every frame once per encoder pass (a GIF's palette takes one of its own). */
    qint64 totalFrames() const override;
    /*! A failed or cancelled export leaves no file behind and an existing file as it was. */
    bool run(const Progress& progress = Progress(),
             const std::atomic_bool* cancelled = nullptr) override;

private:
    ExportPictures m_pictures;
    ExportSettings m_settings;
    QString m_fileName;
};

#endif
