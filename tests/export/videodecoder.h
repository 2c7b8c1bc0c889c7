#ifndef VIDEODECODER_H
#define VIDEODECODER_H

#include <QImage>
#include <QString>
#include <QVector>

/*! A video file read back with FFmpeg's libraries: every frame as RGB, and what the file says. */
struct DecodedVideo
{
    QVector<QImage> frames;
    QSize size;
    double seconds = 0;
    QString codec;
    QString error;
};

DecodedVideo decodeVideo(const QString& fileName);

/*! Mean absolute difference of two pictures per colour channel, 0 to 255. */
double meanDifference(const QImage& a, const QImage& b);

#endif
