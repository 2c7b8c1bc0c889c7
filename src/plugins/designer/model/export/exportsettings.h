// SPDX-License-Identifier: MIT
#ifndef EXPORTSETTINGS_H
#define EXPORTSETTINGS_H

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QVariantMap>
#include <QVector>

class ZenubProject;

/*! One frame of an export: a scene's index and a frame of it. */
struct ExportFrame
{
    int scene = 0;
    int frame = 0;
};

/*!
    What every export of frames shares, in the dialogs and on the command line alike: the
    whole project (every scene in order, the default) or one scene, a scale, a quality and a
    range of the frames that selection has. Animated pictures add how often they play and
    whether the stage's background is left out.
*/
struct ExportSettings
{
    Q_DECLARE_TR_FUNCTIONS(ExportSettings)
public:
    static constexpr int kMinScale = 50;
    static constexpr int kMaxScale = 200;

    /*! Empty for the whole project. */
    QString sceneName;
    int scalePercent = 100;
    int quality = 80;
    /*! Counted from 0 over the selected frames; lastFrame -1 runs to the end. */
    int firstFrame = 0;
    int lastFrame = -1;
    /*! 0 plays for ever. */
    int plays = 0;
    bool bTransparent = false;

    /*! The frames to write, in order; empty with \a error set when the settings do not fit. */
    QVector<ExportFrame> frames(const ZenubProject& project, QString* error) const;
    /*! The stage's size at the scale, at least one pixel each way. */
    QSize outputSize(const ZenubProject& project) const;

    /*! Keys as the command line's options name them: "scene", "scale", "frames"... */
    QVariantMap toMap() const;
    /*! Reads toMap()'s keys (texts as typed are fine); false with \a error on a bad value. */
    static bool fromMap(const QVariantMap& map, ExportSettings* settings, QString* error);
};

#endif
