// SPDX-License-Identifier: MIT
#include "nodetool.h"

#include "model/render/shapegeometry.h"
#include "stagehandles.h"
#include "stageoverlay.h"
#include "stagesnapper.h"
#include "stagewidget.h"

#include <QKeyEvent>
#include <QPainterPath>

#include <cmath>

namespace {

// Screen pixels: a press that moves less is a click; a double-click this near adds a node.
const double kClickDistance = 3.0;
const double kSegmentReach = 5.0;
const double kSnapDistance = 6.0;

const ZenubPathNode* nodeOf(const ZenubPath& path, const NodeRef& ref)
{
    if (ref.subpath < 0 || ref.subpath >= path.getSubpaths().size())
        return nullptr;
    const QVector<ZenubPathNode>& nodes = path.getSubpaths().at(ref.subpath).nodes;
    return ref.node >= 0 && ref.node < nodes.size() ? &nodes.at(ref.node) : nullptr;
}

// \a point turned about \a centre onto the nearest multiple of 45 degrees.
QPointF inSteps(const QPointF& centre, const QPointF& point)
{
    QLineF line(centre, point);
    line.setAngle(std::round(line.angle() / 45.0) * 45.0);
    return line.p2();
}

} // namespace

NodeTool::NodeTool(StageWidget* stage)
    : StageTool(stage)
    , m_gradient(stage)
{}

bool NodeTool::target(ShapeRef* ref, const ZenubShape** shape) const
{
    const DesignerDocument* document = m_pStage->getDocument();
    const QVector<ShapeRef> selected = m_pStage->getSelectedShapes();
    if (!document || selected.size() != 1)
        return false;
    const ZenubShape* found = document->shapeAt(selected.constFirst());
    if (!found || found->getType() != ZenubShape::Type::Path || found->getKeyframes().isEmpty())
        return false;
    *ref = selected.constFirst();
    *shape = found;
    return true;
}

QVector<NodeRef> NodeTool::selectedNodes() const
{
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    if (!target(&ref, &shape) || ref != m_ref)
        return {};
    QVector<NodeRef> valid;
    const ZenubPath path = stagePath(m_pStage->getDocument()->getProject(), ref);
    for (const NodeRef& node : m_selected)
        if (nodeOf(path, node))
            valid.append(node);
    return valid;
}

void NodeTool::setSelectedNodes(const QVector<NodeRef>& nodes)
{
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    m_ref = target(&ref, &shape) ? ref : ShapeRef();
    m_selected = nodes;
    m_pStage->update();
    m_pStage->toolStateChanged();
}

QTransform NodeTool::parentToStage(const ZenubProject& project, const ShapeRef& ref) const
{
    return ShapeGeometry::parentToStage(project.getScenes().at(ref.scene), ref,
                                        m_pStage->getFrame());
}

ZenubPath NodeTool::stagePath(const ZenubProject& project, const ShapeRef& ref) const
{
    const ZenubShape* shape = ref.find(project);
    if (!shape)
        return ZenubPath();
    ZenubShapeState state;
    shape->stateAt(m_pStage->getFrame(), &state);
    return PathEdits::toStage(*shape, state, parentToStage(project, ref));
}

bool NodeTool::nodeAt(const QPointF& point, NodeRef* found) const
{
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    if (!target(&ref, &shape))
        return false;
    const ZenubPath path = stagePath(m_pStage->getDocument()->getProject(), ref);
    const double reach = (StageHandles::kGripSize / 2 + 1) / m_pStage->getZoom();
    const QVector<ZenubPath::Subpath>& subpaths = path.getSubpaths();
    for (int s = subpaths.size() - 1; s >= 0; --s)
        for (int n = subpaths.at(s).nodes.size() - 1; n >= 0; --n) {
            const QPointF at = subpaths.at(s).nodes.at(n).point;
            if (std::abs(at.x() - point.x()) <= reach && std::abs(at.y() - point.y()) <= reach) {
                *found = NodeRef{s, n};
                return true;
            }
        }
    return false;
}

bool NodeTool::showsHandles(const ZenubPath& path, const NodeRef& node) const
{
    const QVector<NodeRef> picked = selectedNodes();
    if (picked.contains(node))
        return true;
    const int count = path.getSubpaths().at(node.subpath).nodes.size();
    const bool bClosed = path.getSubpaths().at(node.subpath).closed;
    for (const int step : {-1, 1}) {
        int next = node.node + step;
        if (bClosed)
            next = (next + count) % count;
        if (picked.contains(NodeRef{node.subpath, next}))
            return true;
    }
    return false;
}

bool NodeTool::handleAt(const QPointF& point, NodeRef* found, bool* bOut) const
{
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    if (!target(&ref, &shape))
        return false;
    const double reach = (StageHandles::kGripSize / 2 + 1) / m_pStage->getZoom();
    const ZenubPath path = stagePath(m_pStage->getDocument()->getProject(), ref);
    for (int s = 0; s < path.getSubpaths().size(); ++s)
        for (int n = 0; n < path.getSubpaths().at(s).nodes.size(); ++n) {
            const ZenubPathNode& node = path.getSubpaths().at(s).nodes.at(n);
            if (!showsHandles(path, {s, n}))
                continue;
            for (const bool out : {true, false}) {
                const QPointF handle = out ? node.out : node.in;
                if (handle == node.point)
                    continue;
                if (QLineF(handle, point).length() <= reach) {
                    *found = NodeRef{s, n};
                    *bOut = out;
                    return true;
                }
            }
        }
    return false;
}

void NodeTool::press(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    m_press = point;
    m_point = point;
    m_modifiers = modifiers;
    m_bDragged = false;
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    const bool bShift = modifiers & Qt::ShiftModifier;
    if (target(&ref, &shape)) {
        m_editedPath = stagePath(m_pStage->getDocument()->getProject(), ref);
        NodeRef node;
        bool bOut = false;
        if (handleAt(point, &node, &bOut)) {
            m_handleNode = node;
            m_bHandleOut = bOut;
            m_drag = Drag::Handle;
            return;
        }
        if (nodeAt(point, &node)) {
            QVector<NodeRef> picked = selectedNodes();
            if (bShift && picked.contains(node)) {
                picked.removeAll(node);
                setSelectedNodes(picked);
                return;
            }
            if (bShift)
                picked.append(node);
            else if (!picked.contains(node))
                picked = {node};
            setSelectedNodes(picked);
            m_handleNode = node;
            m_drag = Drag::Nodes;
            return;
        }
    }
    if (m_gradient.press(point))
        return;
    // Another shape takes the tool to it; the empty stage or the path itself starts a band.
    const ShapeRef hit = m_pStage->shapeAtStagePoint(point);
    if (hit.isValid() && hit != ref) {
        m_pStage->setSelection(hit);
        setSelectedNodes({});
        return;
    }
    m_selectedBefore = bShift ? selectedNodes() : QVector<NodeRef>();
    m_drag = Drag::Band;
}

void NodeTool::dragTo(const QPointF& point, Qt::KeyboardModifiers modifiers)
{
    m_modifiers = modifiers;
    m_bDragged =
        m_bDragged || QLineF(point, m_press).length() * m_pStage->getZoom() >= kClickDistance;
    if (!m_bDragged)
        return;
    if (m_gradient.isActive()) {
        m_gradient.dragTo(point);
        return;
    }
    m_point = point;
    if (m_drag == Drag::Band) {
        m_pStage->update();
        return;
    }
    updatePreview();
}

void NodeTool::updatePreview()
{
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    if (!target(&ref, &shape))
        return;
    const ZenubProject& project = m_pStage->getDocument()->getProject();
    // Edited on the stage, where lengths and angles are the user's, then mapped back.
    ZenubPath path = stagePath(project, ref);
    if (m_drag == Drag::Nodes) {
        // The node taken snaps; the others come along by the same step.
        if (const ZenubPathNode* node = nodeOf(path, m_handleNode)) {
            QPointF to = node->point + (m_point - m_press);
            if (!(m_modifiers & Qt::AltModifier)) {
                QVector<QLineF> guides;
                to = m_pStage->makeSnapper({ref})->snapPoint(
                    to, true, true, kSnapDistance / m_pStage->getZoom(), &guides);
            }
            PathEdits::moveNodes(path, selectedNodes(), to - node->point);
        }
    } else if (m_drag == Drag::Handle) {
        QPointF to = m_point;
        if (const ZenubPathNode* node = nodeOf(path, m_handleNode))
            if (m_modifiers & Qt::ShiftModifier)
                to = inSteps(node->point, to);
        PathEdits::moveHandle(path, m_handleNode, m_bHandleOut, to);
    }
    m_editedPath = path;
    m_preview = project;
    if (ZenubShape* edited = ref.find(m_preview))
        PathEdits::setFromStage(*edited, m_pStage->getFrame(), path, parentToStage(project, ref),
                                m_pStage->getDocument()->isAutoKey());
    m_bPreview = true;
    m_pStage->update();
}

void NodeTool::finish()
{
    if (m_gradient.isActive()) {
        m_gradient.finish();
        return;
    }
    const Drag drag = m_drag;
    const bool bDragged = m_bDragged;
    const ZenubPath edited = m_editedPath;
    cancel();
    if (!bDragged)
        return;
    if (drag == Drag::Band) {
        ShapeRef ref;
        const ZenubShape* shape = nullptr;
        if (!target(&ref, &shape)) {
            return;
        }
        const QRectF band = QRectF(m_press, m_point).normalized();
        QVector<NodeRef> picked = m_selectedBefore;
        const ZenubPath path = stagePath(m_pStage->getDocument()->getProject(), ref);
        const QVector<ZenubPath::Subpath>& subpaths = path.getSubpaths();
        for (int s = 0; s < subpaths.size(); ++s)
            for (int n = 0; n < subpaths.at(s).nodes.size(); ++n)
                if (band.contains(subpaths.at(s).nodes.at(n).point) &&
                    !picked.contains(NodeRef{s, n}))
                    picked.append(NodeRef{s, n});
        setSelectedNodes(picked);
        return;
    }
    const int count = selectedNodes().size();
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    if (!target(&ref, &shape))
        return;
    const ZenubPath& onStage = edited;
    edit(drag == Drag::Handle ? tr("Move Handle")
         : count == 1         ? tr("Move Node")
                              : tr("Move %n Nodes", "", count),
         [&onStage](ZenubPath& path) {
             path = onStage;
             return true;
         });
}

void NodeTool::cancel()
{
    m_gradient.cancel();
    m_drag = Drag::None;
    m_bPreview = false;
    m_preview = ZenubProject();
    m_pStage->update();
}

bool NodeTool::edit(const QString& text, const std::function<bool(ZenubPath&)>& change)
{
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    DesignerDocument* document = m_pStage->getDocument();
    if (!target(&ref, &shape))
        return false;
    // Edited on the stage, where lengths and angles are the user's, then mapped back.
    const QTransform toParent = parentToStage(document->getProject(), ref);
    const int frame = m_pStage->getFrame();
    const bool bAutoKey = document->isAutoKey();
    bool bChanged = false;
    document->editShapes({ref}, text, [&](ZenubShape& each) {
        ZenubShapeState state;
        each.stateAt(frame, &state);
        ZenubPath path = PathEdits::toStage(each, state, toParent);
        bChanged = change(path);
        if (bChanged)
            PathEdits::setFromStage(each, frame, path, toParent, bAutoKey);
    });
    m_pStage->toolStateChanged();
    return bChanged;
}

bool NodeTool::deleteNodes()
{
    const QVector<NodeRef> picked = selectedNodes();
    if (picked.isEmpty())
        return false;
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    target(&ref, &shape);
    ZenubPath left = stagePath(m_pStage->getDocument()->getProject(), ref);
    PathEdits::deleteNodes(left, picked);
    setSelectedNodes({});
    // Without a line left the shape itself goes.
    if (left.isEmpty())
        return m_pStage->getDocument()->removeShapes({ref});
    return edit(picked.size() == 1 ? tr("Delete Node") : tr("Delete %n Nodes", "", picked.size()),
                [&picked](ZenubPath& path) { return PathEdits::deleteNodes(path, picked); });
}

bool NodeTool::setSmooth(bool bSmooth)
{
    const QVector<NodeRef> picked = selectedNodes();
    return !picked.isEmpty() &&
           edit(bSmooth ? tr("Make Nodes Smooth") : tr("Make Corners"),
                [&](ZenubPath& path) { return PathEdits::setSmooth(path, picked, bSmooth); });
}

bool NodeTool::setClosed(bool bClosed)
{
    const QVector<NodeRef> picked = selectedNodes();
    if (picked.isEmpty())
        return false;
    const bool bChanged = edit(bClosed ? tr("Close Path") : tr("Open Path"), [&](ZenubPath& path) {
        return PathEdits::setClosed(path, picked, bClosed);
    });
    // Opening renumbers the nodes.
    if (bChanged && !bClosed)
        setSelectedNodes({});
    return bChanged;
}

Qt::CursorShape NodeTool::cursorAt(const QPointF& point) const
{
    NodeRef node;
    bool bOut = false;
    if (handleAt(point, &node, &bOut) || nodeAt(point, &node) || m_gradient.isAt(point))
        return Qt::SizeAllCursor;
    return Qt::ArrowCursor;
}

bool NodeTool::doubleClick(const QPointF& point)
{
    ShapeRef ref;
    const ZenubShape* shape = nullptr;
    if (!target(&ref, &shape)) {
        // A path double-clicked is taken up for editing.
        const ShapeRef hit = m_pStage->shapeAtStagePoint(point);
        m_pStage->setSelection(hit);
        return hit.isValid();
    }
    NodeRef from;
    double t = 0;
    if (!PathEdits::nearestSegment(stagePath(m_pStage->getDocument()->getProject(), ref),
                                   QTransform(), point, kSegmentReach / m_pStage->getZoom(), &from,
                                   &t))
        return false;
    NodeRef added;
    if (edit(tr("Add Node"), [&](ZenubPath& path) {
            added = PathEdits::insertNode(path, from, t);
            return added.node >= 0;
        }))
        setSelectedNodes({added});
    return true;
}

bool NodeTool::keyPress(QKeyEvent* event)
{
    const QVector<NodeRef> picked = selectedNodes();
    if (picked.isEmpty())
        return false;
    const double step = (event->modifiers() & Qt::ShiftModifier) ? 10.0 : 1.0;
    QPointF move;
    switch (event->key()) {
    case Qt::Key_Escape:
        setSelectedNodes({});
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        deleteNodes();
        return true;
    case Qt::Key_Left:
        move = QPointF(-step, 0);
        break;
    case Qt::Key_Right:
        move = QPointF(step, 0);
        break;
    case Qt::Key_Up:
        move = QPointF(0, -step);
        break;
    case Qt::Key_Down:
        move = QPointF(0, step);
        break;
    default:
        return false;
    }
    edit(picked.size() == 1 ? tr("Move Node") : tr("Move %n Nodes", "", picked.size()),
         [&](ZenubPath& path) { return PathEdits::moveNodes(path, picked, move); });
    return true;
}

void NodeTool::putDown()
{
    m_selected.clear();
    m_ref = ShapeRef();
}

void NodeTool::paintOverlay(StageOverlay& overlay, const ZenubProject& shown) const
{
    ShapeRef ref;
    const ZenubShape* original = nullptr;
    if (target(&ref, &original)) {
        const ZenubShape* shape = ref.find(shown);
        if (shape) {
            const ZenubPath path = stagePath(shown, ref);
            overlay.paintOutline(path.toPainterPath(QTransform()));
            const QVector<NodeRef> picked = selectedNodes();
            for (int s = 0; s < path.getSubpaths().size(); ++s)
                for (int n = 0; n < path.getSubpaths().at(s).nodes.size(); ++n) {
                    const ZenubPathNode& node = path.getSubpaths().at(s).nodes.at(n);
                    if (!showsHandles(path, {s, n}))
                        continue;
                    for (const QPointF& handle : {node.in, node.out})
                        if (handle != node.point)
                            overlay.paintHandle(node.point, handle,
                                                m_drag == Drag::Handle &&
                                                    m_handleNode == NodeRef{s, n});
                }
            for (int s = 0; s < path.getSubpaths().size(); ++s)
                for (int n = 0; n < path.getSubpaths().at(s).nodes.size(); ++n)
                    overlay.paintNode(path.getSubpaths().at(s).nodes.at(n).point,
                                      picked.contains(NodeRef{s, n}));
        }
    }
    m_gradient.paint(overlay, shown);
    if (m_drag == Drag::Band && m_bDragged)
        overlay.paintRubberBand(QRectF(m_press, m_point));
}
