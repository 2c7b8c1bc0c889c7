// SPDX-License-Identifier: MIT
#ifndef LOTTIEEXPORTER_H
#define LOTTIEEXPORTER_H

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class QIODevice;
class ZenubJsonWriter;
class ZenubLayer;
class ZenubProject;
class ZenubScene;
class ZenubShape;

/*! What an export to Lottie writes. */
struct LottieExportOptions
{
    /*! The one scene to write, or -1 for every scene, one after the other. */
    int scene = -1;
    /*! Texts as filled glyph outlines (drawn the same everywhere) instead of text layers. */
    bool textAsOutlines = false;
};

/*!
    A project as one Lottie animation (JSON): the stage's size and frame rate, the scenes one
    after the other (each layer shown during its scene only), the stage's background as the
    bottom layer, hidden layers left out. Vector shapes and groups go into shape layers (see
    LottieShapeWriter), pictures into image layers with their picture embedded, texts into text
    layers (or outlines).

    What the file cannot hold is known before anything is written: notCarried() says it, one
    line per shape, so that nothing is left out unsaid.
*/
class LottieExporter
{
    Q_DECLARE_TR_FUNCTIONS(LottieExporter)
public:
    LottieExporter(const ZenubProject& project, const LottieExportOptions& options);

    /*! One line for each thing the file will not show as the editor does. */
    QStringList notCarried() const;
    /*! The animation as a JSON document. */
    QByteArray toJson() const;
    /*! Writes the file through a temporary one; false with \a errorString set on failure. */
    bool write(const QString& fileName, QString* errorString) const;

private:
    struct Output;
    /*! Writes the animation to \a device, or keeps it in \a bytes without one. */
    bool writeAnimation(QIODevice* device, QByteArray* bytes) const;
    void writeScene(const ZenubScene& scene, double start, Output& out) const;
    void writeLayer(const ZenubLayer& layer, double start, double end, Output& out) const;
    /*! Opens a layer and writes the members every layer has, up to its end frame. */
    static void beginLayer(const QString& name, double start, double end,
                           const std::function<void(ZenubJsonWriter&)>& transform, Output& out);
    void writeImage(const ZenubShape& shape, double start, double end, Output& out) const;
    void checkShape(const ZenubShape& shape, bool member, QStringList* notes) const;
    bool asOutlines(const ZenubShape& text, bool member) const;

    const ZenubProject& m_project;
    LottieExportOptions m_options;
};

#endif
