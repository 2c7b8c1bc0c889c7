// SPDX-License-Identifier: MIT
#include "lottieshapebuilder.h"

#include "lottiegeometry.h"
#include "lottiepaintreader.h"

#include "model/project/zenubshape.h"
#include "model/render/shapegeometry.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>

struct LottieShapeBuilder::Frame
{
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double rotation = 0;
    double opacity = 1;
};

namespace {

double nearestTurn(double degrees, double towards)
{
    return degrees + 360 * std::round((towards - degrees) / 360);
}

} // namespace

LottieShapeBuilder::LottieShapeBuilder(double first, int frames, QStringList* unsupported)
    : m_first(first)
    , m_frames(std::max(1, frames))
    , m_unsupported(unsupported)
{}

void LottieShapeBuilder::leaveOut(const QString& feature, const QString& place) const
{
    const QString entry = tr("%1 (%2)").arg(feature, place);
    if (!m_unsupported->contains(entry))
        m_unsupported->append(entry);
}

bool LottieShapeBuilder::visible(const LottieLayer& layer, bool visibleOnly, int frame) const
{
    const double at = m_first + frame;
    return !visibleOnly || (at >= layer.in && at < layer.out);
}

QVector<LottieKeyFitter::Candidate>
LottieShapeBuilder::candidates(const LottieLayer& layer, const LottieChain& chain,
                               const QVector<const LottieTrack*>& more, bool edges) const
{
    QVector<LottieKeyFitter::Candidate> found;
    const auto add = [&](const LottieTrack* track, const LottieLayer* in) {
        if (!track->isAnimated())
            return;
        for (const LottieKey& key : track->keys())
            found.append({key.frame * in->stretch + in->start - m_first,
                          key.hold ? ZenubEasing(ZenubEasing::Type::Hold) : key.easingOf(0)});
    };
    for (const LottieStep& step : chain.steps)
        for (const LottieTrack* track : step.transform->tracks())
            add(track, step.layer);
    for (const LottieTrack* track : more)
        add(track, &layer);
    // Showing and hiding at the in and out points: a step between two frames.
    for (const double edge : edges ? QVector<double>{layer.in, layer.out} : QVector<double>())
        for (const double frame : {edge - 1, edge})
            found.append({frame - m_first, ZenubEasing()});
    return found;
}

void LottieShapeBuilder::keyBoxes(ZenubShape* shape, const QVector<Frame>& frames,
                                  const QVector<LottieKeyFitter::Candidate>& candidates) const
{
    // Each property of the box on its own track, with keys where its own values need them.
    const auto fitted = [&](const auto& sample) {
        LottieSamples samples;
        samples.reserve(frames.size(), 2);
        for (const Frame& f : frames) {
            const auto values = sample(f);
            samples.append(values.data(), int(values.size()));
        }
        return LottieKeyFitter::fit(samples, candidates);
    };
    ZenubShapeTracks& tracks = shape->tracks();
    for (const LottieKeyFitter::Key& key : fitted([](const Frame& f) {
             return std::array<double, 2>{f.x, f.y};
         }))
        tracks.position().setKey(
            {key.frame, QPointF(key.value.at(0), key.value.at(1)), key.easing});
    for (const LottieKeyFitter::Key& key : fitted([](const Frame& f) {
             return std::array<double, 2>{f.width, f.height};
         }))
        tracks.size().setKey({key.frame, QSizeF(key.value.at(0), key.value.at(1)), key.easing});
    for (const LottieKeyFitter::Key& key :
         fitted([](const Frame& f) { return std::array<double, 1>{f.rotation}; }))
        tracks.rotation().setKey({key.frame, key.value.at(0), key.easing});
    for (const LottieKeyFitter::Key& key :
         fitted([](const Frame& f) { return std::array<double, 1>{f.opacity}; }))
        tracks.opacity().setKey({key.frame, std::clamp(key.value.at(0), 0.0, 1.0), key.easing});
}

QVector<ZenubShape> LottieShapeBuilder::build(const LottieDrawn& drawn, const LottieLayer& layer,
                                              const LottieChain& chain, bool visibleOnly)
{
    if (drawn.group)
        return buildGroup(drawn, layer, chain, visibleOnly);
    return {buildLeaf(drawn, layer, chain, visibleOnly)};
}

bool LottieShapeBuilder::buildBox(ZenubShape* shape, const std::function<QRectF(int)>& localAt,
                                  const LottieLayer& layer, const LottieChain& chain)
{
    QVector<Frame> frames;
    bool turnedOver = false;
    for (int f = 0; f < m_frames; ++f) {
        const QTransform m = chain.matrixAt(m_first + f);
        double degrees = 0;
        double sx = 0;
        double sy = 0;
        if (!LottieGeometry::decompose(m, &degrees, &sx, &sy) || sy < 0) {
            turnedOver = true;
            sy = std::abs(sy);
        }
        const QRectF local = localAt(f);
        const QPointF centre = m.map(local.center());
        Frame frame;
        frame.width = local.width() * sx;
        frame.height = local.height() * sy;
        frame.x = centre.x() - frame.width / 2;
        frame.y = centre.y() - frame.height / 2;
        frame.rotation = degrees;
        frame.opacity = chain.opacityAt(m_first + f) * (visible(layer, true, f) ? 1 : 0);
        frame.rotation = nearestTurn(degrees, frames.isEmpty() ? chain.turnAt(m_first + f)
                                                               : frames.constLast().rotation);
        frames.append(frame);
    }
    if (turnedOver)
        leaveOut(tr("mirrored or skewed pictures and texts (drawn unmirrored)"),
                 tr("layer \"%1\"").arg(layer.name));
    keyBoxes(shape, frames, candidates(layer, chain, {}));
    return true;
}

ZenubShape LottieShapeBuilder::buildLeaf(const LottieDrawn& drawn, const LottieLayer& layer,
                                         const LottieChain& chain, bool visibleOnly)
{
    const double start = layer.localFrame(m_first);
    LottieChain own;
    for (const LottieTransform* transform : drawn.outer)
        own.steps.append({transform, &layer, true});
    own = own.then(chain);
    const bool single = drawn.outlines.size() == 1;
    const LottieItem* item = single ? drawn.outlines.constFirst().item : nullptr;
    LottieChain full;
    if (single)
        for (const LottieTransform* transform : drawn.outlines.constFirst().nested)
            full.steps.append({transform, &layer, false});
    full = full.then(own);

    ZenubShape::Type type = ZenubShape::Type::Path;
    if (item && item->kind == LottieItem::Kind::Rectangle)
        type = ZenubShape::Type::Rectangle;
    else if (item && item->kind == LottieItem::Kind::Ellipse)
        type = ZenubShape::Type::Ellipse;
    else if (item && item->kind == LottieItem::Kind::PolyStar)
        type = item->star ? ZenubShape::Type::Star : ZenubShape::Type::Polygon;

    // What does not move as a box: an outline that changes, or several under one paint.
    QVector<const LottieTrack*> geometry;
    bool changing = false;
    if (item) {
        geometry = {&item->position, &item->size, &item->outerRadius};
        changing = item->roundness.isAnimated() || item->path.isAnimated() ||
                   item->points.isAnimated() || item->innerRadius.isAnimated() ||
                   item->starRotation.isAnimated();
    } else {
        for (const LottieDrawn::Outline& outline : drawn.outlines) {
            const LottieItem* part = outline.item;
            for (const LottieTrack* track :
                 {&part->position, &part->size, &part->roundness, &part->path, &part->points,
                  &part->outerRadius, &part->innerRadius, &part->starRotation})
                changing = changing || track->isAnimated();
            for (const LottieTransform* transform : outline.nested)
                for (const LottieTrack* track : transform->tracks())
                    changing = changing || track->isAnimated();
        }
    }
    // The outline in the drawn thing's coordinates at a frame of the layer, for paths.
    const auto outlineAt = [&](double at) {
        ZenubPath outline;
        for (const LottieDrawn::Outline& part : drawn.outlines) {
            QTransform nested;
            if (!item)
                for (const LottieTransform* transform : part.nested)
                    nested = nested * transform->matrixAt(at);
            // Kept: a loop over a temporary's member would outlive the temporary.
            const ZenubPath mapped = LottieGeometry::outlineOf(*part.item, at).mapped(nested);
            for (const ZenubPath::Subpath& subpath : mapped.getSubpaths())
                outline.addSubpath(subpath.nodes, subpath.closed);
        }
        return outline;
    };
    ZenubPath nodes;
    if (!item || type == ZenubShape::Type::Path)
        nodes = outlineAt(start);
    if (drawn.fill && drawn.fill->evenOdd)
        nodes.setFillRule(ZenubPath::FillRule::EvenOdd);

    // Each frame: where the local box goes.
    const auto localBox = [&](double frame) {
        if (!item || type == ZenubShape::Type::Path)
            return LottieGeometry::boundsOf(nodes);
        if (item->kind == LottieItem::Kind::PolyStar) {
            const QPointF c = item->position.pointAt(frame);
            const double r = item->outerRadius.scalarAt(frame);
            return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
        }
        return LottieGeometry::centred(item->position.pointAt(frame), item->size.pointAt(frame));
    };
    QVector<QTransform> matrices;
    QVector<QRectF> boxes;
    bool skewed = false;
    bool uneven = false;
    bool mirrored = false;
    bool flips = false;
    for (int f = 0; f < m_frames; ++f) {
        const double at = layer.localFrame(m_first + f);
        QRectF box = localBox(at);
        QTransform m = full.matrixAt(m_first + f);
        if (type == ZenubShape::Type::Polygon || type == ZenubShape::Type::Star) {
            QTransform turn;
            turn.translate(box.center().x(), box.center().y());
            turn.rotate(item->starRotation.scalarAt(at));
            turn.translate(-box.center().x(), -box.center().y());
            m = turn * m;
        }
        double degrees = 0;
        double sx = 0;
        double sy = 0;
        if (!LottieGeometry::decompose(m, &degrees, &sx, &sy))
            skewed = true;
        if (std::abs(sx - std::abs(sy)) > 1e-6 * std::max(sx, std::abs(sy)))
            uneven = true;
        if (f == 0)
            mirrored = sy < 0;
        else if ((sy < 0) != mirrored)
            flips = true;
        matrices.append(m);
        boxes.append(box);
    }
    const bool still = std::all_of(matrices.cbegin(), matrices.cend(),
                                   [&](const QTransform& m) { return m == matrices.constFirst(); });
    // A rounded rectangle scaled unevenly has elliptic corners, a turned polystar scaled unevenly
    // and a mirrored one are no polystar of ours: they become their outline.
    const double radius = item ? item->roundness.scalarAt(start) : 0;
    const bool toPath =
        (type == ZenubShape::Type::Rectangle && radius > 0 && uneven) ||
        ((type == ZenubShape::Type::Polygon || type == ZenubShape::Type::Star) &&
         (mirrored || (uneven && std::fmod(item->starRotation.scalarAt(start), 90) != 0)));
    if (toPath || skewed || flips) {
        if ((skewed || flips) && !still)
            leaveOut(tr("skewed or mirrored shapes that move (kept as at the start)"), drawn.place);
        if (item && type != ZenubShape::Type::Path) {
            nodes = LottieGeometry::outlineOf(*item, start);
            // The outline holds a polystar's own turn already.
            for (int f = 0; f < matrices.size(); ++f)
                matrices[f] = full.matrixAt(m_first + f);
            if (drawn.fill && drawn.fill->evenOdd)
                nodes.setFillRule(ZenubPath::FillRule::EvenOdd);
        }
        type = ZenubShape::Type::Path;
    }
    if (type == ZenubShape::Type::Path && (skewed || flips)) {
        // Drawn through the first frame's transform, and placed as it is.
        nodes = nodes.mapped(matrices.constFirst());
        for (QTransform& m : matrices)
            m = QTransform();
        mirrored = false;
    }

    ZenubShape shape(type, drawn.name);
    QRectF pathBox;
    if (type == ZenubShape::Type::Path) {
        pathBox = LottieGeometry::boundsOf(nodes);
        // A line along an axis has no extent across it: give it one, so it can be placed.
        if (pathBox.width() <= 0)
            pathBox.setWidth(1);
        if (pathBox.height() <= 0)
            pathBox.setHeight(1);
        QTransform normalise = QTransform::fromTranslate(-pathBox.x(), -pathBox.y()) *
                               QTransform::fromScale(1 / pathBox.width(), 1 / pathBox.height());
        // A mirrored outline is flipped here, so that the box turns and scales as ever.
        if (mirrored)
            normalise = normalise * QTransform(1, 0, 0, -1, 0, 1);
        shape.setPath(nodes.mapped(normalise));
        for (QRectF& box : boxes)
            box = pathBox;
        // An outline that changes its form is keyed where it needs keys, while its node count
        // stays; one that moves askew or turns over is kept as at the start.
        if (changing && !skewed && !flips) {
            QVector<ZenubPath> outlines;
            LottieSamples samples;
            QVector<double> values;
            for (int f = 0; f < m_frames; ++f) {
                ZenubPath outline = outlineAt(layer.localFrame(m_first + f)).mapped(normalise);
                outline.setFillRule(nodes.getFillRule());
                values.clear();
                for (const ZenubPath::Subpath& subpath : outline.getSubpaths())
                    for (const ZenubPathNode& node : subpath.nodes)
                        values << node.point.x() << node.point.y() << node.in.x() << node.in.y()
                               << node.out.x() << node.out.y();
                if (!samples.isEmpty() && values.size() != samples.at(0).size)
                    break;
                samples.append(values);
                outlines.append(outline);
            }
            if (samples.size() == m_frames) {
                changing = false;
                QVector<const LottieTrack*> shapes;
                for (const LottieDrawn::Outline& part : drawn.outlines)
                    for (const LottieTrack* track :
                         {&part.item->position, &part.item->size, &part.item->roundness,
                          &part.item->path, &part.item->points, &part.item->outerRadius,
                          &part.item->innerRadius, &part.item->starRotation})
                        shapes.append(track);
                const QVector<LottieKeyFitter::Key> keys =
                    LottieKeyFitter::fit(samples, candidates(layer, LottieChain(), shapes, false));
                if (keys.size() > 1)
                    for (const LottieKeyFitter::Key& key : keys)
                        shape.tracks().path().setKey(
                            {key.frame, outlines.at(key.frame), key.easing});
            }
        }
    } else if (type == ZenubShape::Type::Polygon || type == ZenubShape::Type::Star) {
        const auto points = [&](double at) {
            return qRound(
                std::clamp(item->points.scalarAt(at), 3.0, double(ZenubShape::maximumPoints())));
        };
        const auto inner = [&](double at) {
            const double outer = item->outerRadius.scalarAt(at);
            return outer > 0 ? std::clamp(item->innerRadius.scalarAt(at) / outer, 0.0, 1.0) : 0.5;
        };
        shape.setPoints(points(start));
        shape.setInnerRadius(inner(start));
        // Points and the inner radius on their tracks; a turn is the box's.
        changing = item->roundness.isAnimated() || item->path.isAnimated();
        const QVector<const LottieTrack*> sources{&item->points, &item->innerRadius,
                                                  &item->outerRadius};
        LottieSamples counts;
        LottieSamples ratios;
        for (int f = 0; f < m_frames; ++f) {
            const double at = layer.localFrame(m_first + f);
            counts.append({double(points(at))});
            ratios.append({inner(at)});
        }
        const QVector<LottieKeyFitter::Key> pointKeys =
            LottieKeyFitter::fit(counts, candidates(layer, LottieChain(), sources, false), 0.5);
        if (pointKeys.size() > 1)
            for (const LottieKeyFitter::Key& key : pointKeys)
                shape.tracks().points().setKey({key.frame, int(key.value.at(0)), key.easing});
        const QVector<LottieKeyFitter::Key> ratioKeys =
            LottieKeyFitter::fit(ratios, candidates(layer, LottieChain(), sources, false));
        if (ratioKeys.size() > 1)
            for (const LottieKeyFitter::Key& key : ratioKeys)
                shape.tracks().innerRadius().setKey({key.frame, key.value.at(0), key.easing});
    }

    // A changing opacity of the fill or stroke goes into the box's, where it is theirs alike.
    const LottieTrack* fade = nullptr;
    if (drawn.fill && drawn.fill->opacity.isAnimated())
        fade = &drawn.fill->opacity;
    else if (drawn.stroke && drawn.stroke->opacity.isAnimated())
        fade = &drawn.stroke->opacity;
    if (fade && drawn.fill && drawn.stroke) {
        for (int f = 0; f < m_frames && fade; ++f) {
            const double at = layer.localFrame(m_first + f);
            // Fading apart: each keeps its own opacity.
            if (std::abs(drawn.fill->opacity.scalarAt(at) - drawn.stroke->opacity.scalarAt(at)) >
                1e-6)
                fade = nullptr;
        }
    }

    QVector<Frame> frames;
    for (int f = 0; f < m_frames; ++f) {
        const QTransform& m = matrices.at(f);
        double degrees = 0;
        double sx = 0;
        double sy = 0;
        LottieGeometry::decompose(m, &degrees, &sx, &sy);
        const QRectF& box = boxes.at(f);
        const QPointF centre = m.map(box.center());
        Frame frame;
        frame.width = box.width() * sx;
        frame.height = box.height() * std::abs(sy);
        frame.x = centre.x() - frame.width / 2;
        frame.y = centre.y() - frame.height / 2;
        frame.rotation = nearestTurn(degrees, frames.isEmpty() ? full.turnAt(m_first + f)
                                                               : frames.constLast().rotation);
        frame.opacity = own.opacityAt(m_first + f) * (visible(layer, visibleOnly, f) ? 1 : 0);
        if (fade)
            frame.opacity *= fade->scalarAt(layer.localFrame(m_first + f)) / 100;
        frames.append(frame);
    }
    if (type == ZenubShape::Type::Rectangle) {
        double degrees = 0;
        double sx = 0;
        double sy = 0;
        LottieGeometry::decompose(matrices.constFirst(), &degrees, &sx, &sy);
        shape.setCornerRadius(radius * sx);
        changing = false;
        LottieSamples radii;
        for (int f = 0; f < m_frames; ++f) {
            LottieGeometry::decompose(matrices.at(f), &degrees, &sx, &sy);
            radii.append({item->roundness.scalarAt(layer.localFrame(m_first + f)) * sx});
        }
        const QVector<LottieKeyFitter::Key> keys = LottieKeyFitter::fit(
            radii, candidates(layer, LottieChain(), {&item->roundness}, false));
        if (keys.size() > 1)
            for (const LottieKeyFitter::Key& key : keys)
                shape.tracks().cornerRadius().setKey(
                    {key.frame, std::max(0.0, key.value.at(0)), key.easing});
    }
    if (changing)
        leaveOut(tr("outlines that change their form (kept as at the start)"), drawn.place);
    QVector<const LottieTrack*> more = geometry;
    if (fade)
        more.append(fade);
    keyBoxes(&shape, frames, candidates(layer, full, more));
    // A fade already in the box's opacity is not the paints' as well.
    LottiePaintReader(m_first, m_frames, [&](const QVector<const LottieTrack*>& sources) {
        return candidates(layer, LottieChain(), sources, false);
    }).read(drawn, layer, own.matrixAt(m_first), fade != nullptr, &shape);
    return shape;
}

QVector<ZenubShape> LottieShapeBuilder::buildGroup(const LottieDrawn& drawn,
                                                   const LottieLayer& layer,
                                                   const LottieChain& chain, bool visibleOnly)
{
    LottieChain own;
    for (const LottieTransform* transform : drawn.outer)
        own.steps.append({transform, &layer, true});
    own = own.then(chain);
    LottieChain groupChain;
    groupChain.steps.append({drawn.transform, &layer, true});
    groupChain = groupChain.then(own);

    QVector<ZenubShape> members;
    for (const LottieDrawn& member : drawn.members)
        members += build(member, layer, LottieChain(), false);
    if (members.isEmpty())
        return {};
    QRectF content;
    for (const ZenubShape& member : qAsConst(members))
        content = content.united(ShapeGeometry::bounds(member, 0));
    if (content.width() <= 0)
        content.setWidth(1);
    if (content.height() <= 0)
        content.setHeight(1);

    QVector<Frame> frames;
    bool whole = true;
    bool faded = false;
    for (int f = 0; f < m_frames && whole; ++f) {
        const QTransform m = groupChain.matrixAt(m_first + f);
        double degrees = 0;
        double sx = 0;
        double sy = 0;
        whole = LottieGeometry::decompose(m, &degrees, &sx, &sy) && sy > 0;
        const QPointF centre = m.map(content.center());
        Frame frame;
        frame.width = content.width() * sx;
        frame.height = content.height() * sy;
        frame.x = centre.x() - frame.width / 2;
        frame.y = centre.y() - frame.height / 2;
        frame.rotation = nearestTurn(degrees, frames.isEmpty() ? groupChain.turnAt(m_first + f)
                                                               : frames.constLast().rotation);
        frame.opacity =
            groupChain.opacityAt(m_first + f) * (visible(layer, visibleOnly, f) ? 1 : 0);
        faded = faded || (frame.opacity > 0 && frame.opacity < 1);
        frames.append(frame);
    }
    if (!whole) {
        // Skewed or mirrored: each member goes on its own, moved the whole way.
        QVector<ZenubShape> lifted;
        for (LottieDrawn member : drawn.members) {
            member.outer.append(drawn.transform);
            member.outer += drawn.outer;
            lifted += build(member, layer, chain, visibleOnly);
        }
        return lifted;
    }
    if (faded)
        leaveOut(tr("the opacity of groups, given to each of their shapes"), drawn.place);
    for (ZenubShape& member : members)
        member.tracks().translate(-content.topLeft());
    ZenubShape group(ZenubShape::Type::Group, drawn.name);
    group.setMembers(members);
    group.setContentSize(content.size());
    keyBoxes(&group, frames, candidates(layer, groupChain, {}));
    return {group};
}
