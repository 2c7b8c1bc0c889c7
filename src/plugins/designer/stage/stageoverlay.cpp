// SPDX-License-Identifier: MIT
#include "stageoverlay.h"

#include "document/designerdocument.h"
#include "model/project/zenubguides.h"
#include "model/project/zenubkeyframe.h"
#include "stagehandles.h"
#include "stagesnapper.h"
#include "stageviewport.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <cmath>
#include <utility>

namespace {

const QColor kAccent(0xff, 0x8c, 0x00);
const QColor kGuide(0xe0, 0x20, 0xc0);
const QColor kUserGuide(0x20, 0xb8, 0xe0);

} // namespace

StageOverlay::StageOverlay(QPainter* painter, const StageViewport& viewport)
    : m_pPainter(painter)
    , m_viewport(viewport)
{}

double StageOverlay::gridSpacing(double scale)
{
    double spacing = 10.0;
    while (spacing * scale < 8.0)
        spacing *= 2;
    return spacing;
}

void StageOverlay::paintGrid(const QSizeF& stage)
{
    const double spacing = gridSpacing(m_viewport.scale());
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(0x80, 0x80, 0x80, 70));
    pen.setCosmetic(true);
    m_pPainter->setPen(pen);
    const QPointF topLeft = m_viewport.fromStage(QPointF(0, 0));
    const QPointF bottomRight = m_viewport.fromStage(QPointF(stage.width(), stage.height()));
    for (double x = spacing; x < stage.width(); x += spacing) {
        const double at = m_viewport.fromStage(QPointF(x, 0)).x();
        m_pPainter->drawLine(QLineF(at, topLeft.y(), at, bottomRight.y()));
    }
    for (double y = spacing; y < stage.height(); y += spacing) {
        const double at = m_viewport.fromStage(QPointF(0, y)).y();
        m_pPainter->drawLine(QLineF(topLeft.x(), at, bottomRight.x(), at));
    }
    m_pPainter->restore();
}

void StageOverlay::paintHandles(const ZenubKeyframe& state)
{
    const double scale = m_viewport.scale();
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::Antialiasing);
    // The box of several shapes has no outline of its own; a shape's own outline covers this.
    QPen frame(kAccent, 1, Qt::DashLine);
    m_pPainter->setPen(frame);
    const StageHandles::Handle corners[] = {StageHandles::TopLeft, StageHandles::TopRight,
                                            StageHandles::BottomRight, StageHandles::BottomLeft};
    QPolygonF outline;
    for (const StageHandles::Handle corner : corners)
        outline << m_viewport.fromStage(StageHandles::position(state, corner, scale));
    m_pPainter->drawPolygon(outline);
    m_pPainter->setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    const QPointF top =
        m_viewport.fromStage(StageHandles::position(state, StageHandles::Top, scale));
    const QPointF rotate =
        m_viewport.fromStage(StageHandles::position(state, StageHandles::Rotate, scale));
    m_pPainter->drawLine(top, rotate);
    const double half = StageHandles::kGripSize / 2;
    m_pPainter->setBrush(kAccent);
    m_pPainter->drawEllipse(rotate, half, half);
    m_pPainter->setBrush(Qt::white);
    for (int i = 0; i < StageHandles::Rotate; ++i) {
        const QPointF at =
            m_viewport.fromStage(StageHandles::position(state, StageHandles::Handle(i), scale));
        m_pPainter->drawRect(QRectF(at - QPointF(half, half), QSizeF(2 * half, 2 * half)));
    }
    m_pPainter->restore();
}

void StageOverlay::paintAnimatedMarks(const ZenubProject& project, int scene, int frame)
{
    if (scene < 0 || scene >= project.getScenes().size())
        return;
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::Antialiasing);
    m_pPainter->setPen(Qt::NoPen);
    // A yellow diamond on a dark one a pen's width larger looks like an outlined diamond, but
    // takes two fills instead of the stroker's joins: a scene plays with a mark on every
    // animated shape, so this is painted thousands of times a second.
    const QColor dark(0x10, 0x10, 0x10);
    const QColor light(0xff, 0xd0, 0x30);
    const double r = 5.0;
    const double edge = 0.75 * M_SQRT2; // half the outline's width, along the diagonals
    for (const ZenubLayer& layer : project.getScenes().at(scene).getLayers()) {
        if (!layer.isVisible())
            continue;
        for (const ZenubShape& shape : layer.getShapes()) {
            if (!shape.isAnimated())
                continue;
            const QRectF bounds = StageSnapper::boundsOf(shape, frame);
            const QPointF corner = m_viewport.fromStage(bounds.topRight()) + QPointF(-7, 7);
            for (const auto& [radius, colour] :
                 {std::make_pair(r + edge, dark), std::make_pair(r - edge, light)}) {
                const QPointF diamond[] = {corner + QPointF(0, -radius),
                                           corner + QPointF(radius, 0), corner + QPointF(0, radius),
                                           corner + QPointF(-radius, 0)};
                m_pPainter->setBrush(colour);
                m_pPainter->drawPolygon(diamond, 4);
            }
        }
    }
    m_pPainter->restore();
}

void StageOverlay::paintGuides(const QVector<QLineF>& guides)
{
    m_pPainter->save();
    QPen pen(kGuide);
    pen.setCosmetic(true);
    m_pPainter->setPen(pen);
    for (const QLineF& guide : guides)
        m_pPainter->drawLine(
            QLineF(m_viewport.fromStage(guide.p1()), m_viewport.fromStage(guide.p2())));
    m_pPainter->restore();
}

void StageOverlay::paintRubberBand(const QRectF& band)
{
    const QRectF box =
        QRectF(m_viewport.fromStage(band.topLeft()), m_viewport.fromStage(band.bottomRight()))
            .normalized();
    m_pPainter->save();
    QColor fill = QPalette().color(QPalette::Highlight);
    m_pPainter->setPen(fill);
    fill.setAlpha(50);
    m_pPainter->setBrush(fill);
    m_pPainter->drawRect(box);
    m_pPainter->restore();
}

void StageOverlay::paintUserGuides(const ZenubGuides& guides)
{
    for (const Qt::Orientation along : {Qt::Horizontal, Qt::Vertical})
        for (const double position : guides.positions(along))
            paintGuideLine(along, position, false);
}

void StageOverlay::paintGuideLine(Qt::Orientation orientation, double position, bool bHeld)
{
    const QPaintDevice* device = m_pPainter->device();
    const QPointF at = m_viewport.fromStage(QPointF(position, position));
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(bHeld ? kUserGuide.darker(130) : kUserGuide);
    pen.setCosmetic(true);
    pen.setWidth(bHeld ? 2 : 1);
    m_pPainter->setPen(pen);
    if (orientation == Qt::Horizontal)
        m_pPainter->drawLine(QLineF(0, at.y(), device->width(), at.y()));
    else
        m_pPainter->drawLine(QLineF(at.x(), 0, at.x(), device->height()));
    m_pPainter->restore();
}

void StageOverlay::paintOutline(const QPainterPath& path, bool bDashed)
{
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::Antialiasing);
    QTransform view;
    view.translate(m_viewport.origin().x(), m_viewport.origin().y());
    view.scale(m_viewport.scale(), m_viewport.scale());
    // Light under dark, as the selection outline, so it shows on any fill.
    QPen under(QColor(0xff, 0xff, 0xff, 200), 3);
    under.setCosmetic(true);
    m_pPainter->setBrush(Qt::NoBrush);
    m_pPainter->setPen(under);
    m_pPainter->drawPath(view.map(path));
    QPen over(kUserGuide.darker(140), 1, bDashed ? Qt::DashLine : Qt::SolidLine);
    over.setCosmetic(true);
    m_pPainter->setPen(over);
    m_pPainter->drawPath(view.map(path));
    m_pPainter->restore();
}

void StageOverlay::paintNode(const QPointF& point, bool bSelected)
{
    const QPointF at = m_viewport.fromStage(point);
    const double half = StageHandles::kGripSize / 2;
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::Antialiasing, false);
    m_pPainter->setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    m_pPainter->setBrush(bSelected ? kAccent : QColor(Qt::white));
    m_pPainter->drawRect(QRectF(at - QPointF(half, half), QSizeF(2 * half, 2 * half)));
    m_pPainter->restore();
}

void StageOverlay::paintHandle(const QPointF& node, const QPointF& handle, bool bSelected)
{
    const QPointF from = m_viewport.fromStage(node);
    const QPointF to = m_viewport.fromStage(handle);
    m_pPainter->save();
    m_pPainter->setRenderHint(QPainter::Antialiasing);
    m_pPainter->setPen(QPen(kUserGuide.darker(140), 1));
    m_pPainter->drawLine(from, to);
    m_pPainter->setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    m_pPainter->setBrush(bSelected ? kAccent : kUserGuide);
    m_pPainter->drawEllipse(to, StageHandles::kGripSize / 2 - 0.5,
                            StageHandles::kGripSize / 2 - 0.5);
    m_pPainter->restore();
}
