// SPDX-License-Identifier: MIT
#ifndef LOTTIEHARNESS_H
#define LOTTIEHARNESS_H

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

class ZenubProject;

/*!
    The community's Lottie validator, lottie-web (in Debian's Chromium) and pixelmatch, run by
    run-harness.sh over a list of jobs in one browser session. The npm packages are installed
    into the build tree on first use.
*/
class LottieHarness
{
public:
    struct Frame
    {
        double frame = 0;
        /*! Our own picture of the frame to compare lottie-web's with; none: only drawn. */
        QImage reference;
        /*! Filled in by run(): the part of the pixels that differ (0..1), and the pictures. */
        double differing = -1;
        QString drawn;
    };
    struct Job
    {
        QString name;
        QString lottie;
        bool validate = true;
        QVector<Frame> frames;
        /*! Filled in by run(): the validator's errors and lottie-web's. */
        QStringList errors;
        QStringList warnings;
    };

    /*! Runs \a jobs, writing pictures into \a folder; false with \a error when it could not. */
    static bool run(QVector<Job>& jobs, const QString& folder, QString* error);
    /*!
        Frame \a frame of the whole animation as the editor draws it (the scenes one after
        the other, or only \a scene), at the stage's size.
    */
    static QImage editorFrame(const ZenubProject& project, int frame, int scene = -1);
};

#endif
