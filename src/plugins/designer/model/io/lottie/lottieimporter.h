// SPDX-License-Identifier: MIT
#ifndef LOTTIEIMPORTER_H
#define LOTTIEIMPORTER_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ZenubProject;
struct LottieDocument;

/*!
    Opens a Lottie animation as a new project: the animation's size and frame rate, one scene
    as long as the animation, a layer of the project for each layer of the file that draws
    (bottom first), hidden ones hidden. A solid layer filling the stage under everything is the
    stage's background. See LottieShapeBuilder for how the shapes are made.

    What the project cannot hold is left out and named, with where it was, in one message.
*/
class LottieImporter
{
    Q_DECLARE_TR_FUNCTIONS(LottieImporter)
public:
    /*! Frames times drawn things: what an import may sample at most. */
    static constexpr qint64 maximumSamples() { return 20000000; }

    /*!
        Reads the file \a fileName into \a project; false with \a errorString naming the file
        and the first fault. \a unsupported gets what was left out.
    */
    static bool importFile(const QString& fileName, ZenubProject* project, QStringList* unsupported,
                           QString* errorString);
    /*! The project \a document shows; false with \a errorString when it cannot be made. */
    static bool import(const LottieDocument& document, ZenubProject* project,
                       QStringList* unsupported, QString* errorString);
    /*! Whether \a fileName holds a Lottie animation rather than a project. */
    static bool isLottieFile(const QString& fileName);
    /*! The message naming what \a fileName lost: \a unsupported in one sentence. */
    static QString leftOutMessage(const QString& fileName, const QStringList& unsupported);
};

#endif
