// SPDX-License-Identifier: MIT
#include "stagesnapper.h"

#include "model/render/framerenderer.h"

#include <QTransform>

#include <cmath>
#include <limits>

StageSnapper::StageSnapper(const ZenubProject& project, int scene, int frame,
                           const QVector<ShapeRef>& moving, double grid)
    : m_stage(project.getStageWidth(), project.getStageHeight())
    , m_grid(grid)
{
    m_xs = {0.0, m_stage.width() / 2, m_stage.width()};
    m_ys = {0.0, m_stage.height() / 2, m_stage.height()};
    if (scene < 0 || scene >= project.getScenes().size())
        return;
    const QVector<ZenubLayer>& layers = project.getScenes().at(scene).getLayers();
    for (int l = 0; l < layers.size(); ++l) {
        if (!layers.at(l).isVisible())
            continue;
        const QVector<ZenubShape>& shapes = layers.at(l).getShapes();
        for (int s = 0; s < shapes.size(); ++s) {
            if (moving.contains(ShapeRef{scene, l, s}) || shapes.at(s).getKeyframes().isEmpty())
                continue;
            const QRectF box = boundsOf(shapes.at(s), frame);
            m_xs << box.left() << box.center().x() << box.right();
            m_ys << box.top() << box.center().y() << box.bottom();
        }
    }
}

void StageSnapper::addGuides(const ZenubGuides& guides)
{
    m_xs += guides.positions(Qt::Vertical);
    m_ys += guides.positions(Qt::Horizontal);
}

QRectF StageSnapper::boundsOf(const ZenubShape& shape, int frame)
{
    const ZenubKeyframe state = shape.stateAtFrame(frame);
    return FrameRenderer::shapeTransform(state).mapRect(FrameRenderer::shapeRect(state));
}

bool StageSnapper::snap(const QVector<double>& values, const QVector<double>& targets,
                        double tolerance, double* shift, double* line) const
{
    double best = std::numeric_limits<double>::max();
    for (const double value : values) {
        QVector<double> near = targets;
        if (m_grid > 0)
            near.append(std::round(value / m_grid) * m_grid);
        for (const double target : qAsConst(near)) {
            const double distance = std::abs(target - value);
            if (distance <= tolerance && distance < best) {
                best = distance;
                *shift = target - value;
                *line = target;
            }
        }
    }
    return best <= tolerance;
}

QPointF StageSnapper::snapBox(const QRectF& box, const QPointF& offset, double tolerance,
                              QVector<QLineF>* guides) const
{
    const QRectF moved = box.translated(offset);
    QPointF result = offset;
    double shift = 0;
    double line = 0;
    guides->clear();
    if (snap({moved.left(), moved.center().x(), moved.right()}, m_xs, tolerance, &shift, &line)) {
        result.rx() += shift;
        guides->append(QLineF(line, 0, line, m_stage.height()));
    }
    if (snap({moved.top(), moved.center().y(), moved.bottom()}, m_ys, tolerance, &shift, &line)) {
        result.ry() += shift;
        guides->append(QLineF(0, line, m_stage.width(), line));
    }
    return result;
}

QPointF StageSnapper::snapPoint(const QPointF& point, bool snapX, bool snapY, double tolerance,
                                QVector<QLineF>* guides) const
{
    QPointF result = point;
    double shift = 0;
    double line = 0;
    guides->clear();
    if (snapX && snap({point.x()}, m_xs, tolerance, &shift, &line)) {
        result.rx() += shift;
        guides->append(QLineF(line, 0, line, m_stage.height()));
    }
    if (snapY && snap({point.y()}, m_ys, tolerance, &shift, &line)) {
        result.ry() += shift;
        guides->append(QLineF(0, line, m_stage.width(), line));
    }
    return result;
}
