// SPDX-License-Identifier: MIT
#ifndef EXPORTPICTURES_H
#define EXPORTPICTURES_H

#include "exportsettings.h"
#include "model/project/zenubproject.h"

#include <QImage>

/*!
    The pictures an export writes: the frames its settings select, drawn at their scale on the
    stage's background, or on nothing where the settings ask for transparency.
*/
class ExportPictures
{
public:
    ExportPictures(const ZenubProject& project, const ExportSettings& settings);

    /*! Empty when the settings do not fit the project; errorString() says why. */
    const QVector<ExportFrame>& frames() const { return m_frames; }
    QString errorString() const { return m_errorString; }
    QSize size() const { return m_size; }
    const ZenubProject& project() const { return m_project; }

    /*! Frame \a index of frames(), on a picture of \a canvas (size() or larger). */
    QImage picture(int index, const QSize& canvas) const;

private:
    ZenubProject m_project;
    ExportSettings m_settings;
    // Before the frames, which it is filled with.
    QString m_errorString;
    QVector<ExportFrame> m_frames;
    QSize m_size;
};

#endif
