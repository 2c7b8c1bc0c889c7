// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStringList>

#include <vector>

// The ffmpeg tool's frames per second for \a frames (32-bit BGRA, all of one size) sent raw
// through a pipe at \a frameRate, then \a output (its filters, encoder and file name); -1 when
// it fails.
inline double ffmpegFramesPerSecond(const QString& ffmpeg, const std::vector<QImage>& frames,
                                    int frameRate, const QStringList& output)
{
    const QSize size = frames.front().size();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(ffmpeg, QStringList{QStringLiteral("-loglevel"), QStringLiteral("error"),
                                      QStringLiteral("-y"), QStringLiteral("-f"),
                                      QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"),
                                      QStringLiteral("bgra"), QStringLiteral("-s"),
                                      QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                                      QStringLiteral("-r"), QString::number(frameRate),
                                      QStringLiteral("-i"), QStringLiteral("-")} +
                              output);
    if (!process.waitForStarted(10000))
        return -1;
    for (const QImage& frame : frames) {
        process.write(reinterpret_cast<const char*>(frame.constBits()), frame.sizeInBytes());
        // Keep the pipe, not our memory, as the buffer.
        while (process.bytesToWrite() > 0 && process.state() == QProcess::Running)
            process.waitForBytesWritten(-1);
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return -1;
    return double(frames.size()) / (double(timer.nsecsElapsed()) / 1e9);
}
