// SPDX-License-Identifier: MIT
// Playing a scene of 1,000 paths with gradient fills whose position, rotation and opacities
// are on tracks: one stage frame after another, against QPainter drawing the same paths with
// the same gradients, moved the same way, on a widget of the same size.

#include "benchprojects.h"
#include "benchrow.h"

#include <testenvironment.h>

#include <document/designerdocument.h>
#include <model/render/paintbrush.h>
#include <stage/stagewidget.h>

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

#include <cmath>

namespace {

const int kShapes = 1000;
const int kFrames = 96;
const int kPlayed = 48;

struct Motion
{
    QPointF from, to;
    double turn = 0;
    double opacityFrom = 1, opacityTo = 1;
};

Motion motionOf(int i)
{
    Motion m;
    m.from = QPointF((i * 53) % 1180, (i * 31) % 640);
    m.to = QPointF((i * 71 + 300) % 1180, (i * 43 + 200) % 640);
    m.turn = (i % 7) * 30 - 90;
    m.opacityFrom = 0.4 + (i % 5) * 0.15;
    m.opacityTo = 1.0 - (i % 4) * 0.15;
    return m;
}

// A closed blob of six curved nodes, a different one for each shape.
ZenubPath blob(int i)
{
    QVector<ZenubPathNode> nodes;
    for (int n = 0; n < 6; ++n) {
        const double angle = 2 * M_PI * n / 6;
        const double radius = 0.35 + 0.15 * ((i + n) % 3) / 2.0;
        const QPointF at(0.5 + radius * std::cos(angle), 0.5 + radius * std::sin(angle));
        const QPointF tangent(-std::sin(angle) * 0.12, std::cos(angle) * 0.12);
        nodes.append(ZenubPathNode(at, at - tangent, at + tangent, true));
    }
    ZenubPath path;
    path.addSubpath(nodes, true);
    return path;
}

ZenubPaint gradient(int i)
{
    const QVector<ZenubGradientStop> stops = {
        {0.0, QColor::fromHsv((i * 37) % 360, 200, 240)},
        {0.5, QColor::fromHsv((i * 37 + 120) % 360, 160, 200)},
        {1.0, QColor::fromHsv((i * 37 + 240) % 360, 220, 160)}};
    return i % 2 ? ZenubPaint::linear(stops, QPointF(0, 0), QPointF(1, 1))
                 : ZenubPaint::radial(stops, QPointF(0.5, 0.5), QPointF(1, 0.5));
}

ZenubProject playbackProject()
{
    ZenubProject project = ZenubProject::createNew(QStringLiteral("Paths"), 1280, 720, 24);
    project.scenes().clear();
    ZenubScene scene(QStringLiteral("Scene"), kFrames);
    ZenubLayer layer(QStringLiteral("Layer"));
    for (int i = 0; i < kShapes; ++i) {
        ZenubShape shape(ZenubShape::Type::Path, QStringLiteral("Path %1").arg(i));
        shape.setPath(blob(i));
        shape.setFill(gradient(i));
        shape.setStrokeWidth(0);
        const Motion m = motionOf(i);
        ZenubShapeTracks& tracks = shape.tracks();
        tracks.size().setValue(QSizeF(60 + i % 40, 50 + i % 30));
        tracks.position().setKey(0, m.from);
        tracks.position().setKey(kFrames - 1, m.to);
        tracks.rotation().setKey(0, 0);
        tracks.rotation().setKey(kFrames - 1, m.turn);
        tracks.opacity().setKey(0, m.opacityFrom);
        tracks.opacity().setKey(kFrames - 1, m.opacityTo);
        tracks.fillOpacity().setKey(0, 1.0);
        tracks.fillOpacity().setKey(kFrames - 1, 0.6);
        layer.addShape(shape);
    }
    scene.addLayer(layer);
    project.addScene(scene);
    return project;
}

// The same paths and gradients, made once, drawn where the tracks put them.
class PlainPaths : public QWidget
{
public:
    PlainPaths(const ZenubProject& project, double zoom, const QPointF& origin)
        : m_zoom(zoom)
        , m_origin(origin)
        , m_background(project.getBackgroundColor())
        , m_stage(0, 0, project.getStageWidth(), project.getStageHeight())
    {
        for (const ZenubShape& shape : project.getScenes().at(0).getLayers().at(0).getShapes()) {
            const QRectF box(QPointF(0, 0), shape.tracks().size().value());
            m_paths.append(shape.getPath().toPainterPath(box));
            m_brushes.append(PaintBrush::brush(shape.getFill(), box));
            m_boxes.append(box);
        }
    }
    int frame = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window).darker(125));
        painter.translate(m_origin);
        painter.scale(m_zoom, m_zoom);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(m_stage, m_background);
        painter.setClipRect(m_stage);
        painter.setPen(Qt::NoPen);
        const double t = double(frame) / (kFrames - 1);
        for (int i = 0; i < m_paths.size(); ++i) {
            const Motion m = motionOf(i);
            const QPointF at = m.from + (m.to - m.from) * t;
            const QPointF centre = at + m_boxes.at(i).center();
            QTransform transform;
            transform.translate(centre.x(), centre.y());
            transform.rotate(m.turn * t);
            transform.translate(-m_boxes.at(i).center().x() + 0, -m_boxes.at(i).center().y());
            painter.save();
            painter.setTransform(transform, true);
            painter.setOpacity((m.opacityFrom + (m.opacityTo - m.opacityFrom) * t) *
                               (1.0 - 0.4 * t));
            painter.setBrush(m_brushes.at(i));
            painter.drawPath(m_paths.at(i));
            painter.restore();
        }
    }

private:
    double m_zoom;
    QPointF m_origin;
    QColor m_background;
    QRectF m_stage;
    QVector<QPainterPath> m_paths;
    QVector<QBrush> m_brushes;
    QVector<QRectF> m_boxes;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestEnvironment environment;
    const ZenubProject project = playbackProject();
    DesignerDocument document;
    document.setProject(project);
    StageWidget stage;
    stage.resize(1280, 720);
    stage.show();
    if (!QTest::qWaitForWindowExposed(&stage))
        return 1;
    stage.setDocument(&document);
    stage.setScene(0);
    stage.repaint();
    // Where the stage put the scene, so both draw the same pixels.
    const double zoom = stage.getZoom();
    const QPointF origin((stage.width() - 1280 * zoom) / 2, (stage.height() - 720 * zoom) / 2);
    PlainPaths plain(project, zoom, origin);
    plain.resize(stage.size());
    plain.show();
    if (!QTest::qWaitForWindowExposed(&plain))
        return 1;

    for (int run = 0; run < bench::runs(); ++run) {
        // Frame by frame in alternation, so both see the same moments of a busy machine: the
        // middle two seconds of the scene, one frame after another.
        double ours = 0, baseline = 0;
        for (int f = kFrames / 4; f < kFrames / 4 + kPlayed; ++f) {
            ours += bench::millisecondsOf([&] {
                stage.setFrame(f);
                stage.repaint();
            });
            baseline += bench::millisecondsOf([&] {
                plain.frame = f;
                plain.repaint();
            });
        }
        bench::row("Frame time while playing 1,000 gradient paths with tracks",
                   QStringLiteral("1,000 paths"), ours / kPlayed, baseline / kPlayed, "ms",
                   bench::Better::Lower, 1.3,
                   "one frame of the stage (1280x720) after another while the scene plays, each "
                   "shape's position, rotation and opacities on tracks, against QPainter drawing "
                   "the same paths with the same gradients, moved the same way, on a widget of "
                   "the same size");
    }
    return 0;
}
