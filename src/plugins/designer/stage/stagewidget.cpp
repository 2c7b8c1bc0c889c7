// SPDX-License-Identifier: MIT
#include "stagewidget.h"

#include "editor/shapecommands.h"
#include "model/render/framerenderer.h"
#include "stage/motionpath.h"
#include "stage/nodetool.h"
#include "stage/pentool.h"
#include "stage/shapedrawtool.h"
#include "stage/stageoverlay.h"
#include "stage/stagepicker.h"
#include "stage/stagesnapper.h"
#include "stage/stagetexteditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

StageWidget::StageWidget(QWidget* parent)
    : QWidget(parent)
    , m_guideDrag(this)
{
    using Kind = StageTool::Kind;
    m_tools[Kind::Select] = std::make_unique<StageGesture>(this);
    m_tools[Kind::Rectangle] = std::make_unique<ShapeDrawTool>(this, ZenubShape::Type::Rectangle);
    m_tools[Kind::Ellipse] = std::make_unique<ShapeDrawTool>(this, ZenubShape::Type::Ellipse);
    m_tools[Kind::Node] = std::make_unique<NodeTool>(this);
    m_tools[Kind::Polygon] = std::make_unique<ShapeDrawTool>(this, ZenubShape::Type::Polygon);
    m_tools[Kind::Pen] = std::make_unique<PenTool>(this);
    m_tools[Kind::Text] = std::make_unique<ShapeDrawTool>(this, ZenubShape::Type::Text);
    m_pTextEditor = new StageTextEditor(this);
    setFocusPolicy(Qt::StrongFocus);
    // Hovering shows which handle a press would take.
    setMouseTracking(true);
    setAutoFillBackground(false);
}

void StageWidget::setDocument(DesignerDocument* document)
{
    if (m_pDocument)
        disconnect(m_pDocument, nullptr, this, nullptr);
    m_pTextEditor->finish();
    m_pDocument = document;
    m_scope.leave();
    m_bPanning = false;
    m_guideDrag.cancel();
    for (const auto& tool : m_tools)
        tool.second->cancel();
    if (document)
        connect(document, &IDocument::dataChanged, this, [this] {
            // An undo may take away selected shapes.
            m_scope.check(m_pDocument->getProject());
            QVector<ShapeRef> kept;
            for (const ShapeRef& ref : qAsConst(m_selected))
                if (m_pDocument && m_pDocument->shapeAt(ref))
                    kept.append(ref);
            setSelectedShapes(kept);
            syncViewport();
            update();
            emit documentChanged();
        });
    syncViewport();
    update();
    emit documentChanged();
}

const ZenubProject* StageWidget::shownProject() const
{
    const StageTool* tool = m_tool == StageTool::Kind::Hand ? nullptr : currentTool();
    if (const ZenubProject* preview = tool ? tool->preview() : nullptr)
        return preview;
    return m_pDocument ? &m_pDocument->getProject() : nullptr;
}

void StageWidget::setScene(int scene)
{
    if (scene == m_scene)
        return;
    m_pTextEditor->finish();
    m_scene = scene;
    m_scope.leave();
    setSelection(ShapeRef());
    update();
}

void StageWidget::setFrame(int frame)
{
    frame = std::max(0, frame);
    if (frame == m_frame)
        return;
    m_frame = frame;
    update();
    emit frameChanged(frame);
}

void StageWidget::setSelection(const ShapeRef& ref)
{
    setSelectedShapes(ref.isValid() ? QVector<ShapeRef>{ref} : QVector<ShapeRef>());
}

void StageWidget::setSelectedShapes(const QVector<ShapeRef>& refs)
{
    m_scope.follow(refs);
    if (refs == m_selected) {
        update();
        return;
    }
    m_selected = refs;
    m_selection = refs.isEmpty() ? ShapeRef() : refs.constLast();
    update();
    emit selectionChanged();
}

StageTool* StageWidget::currentTool() const
{
    return m_tools.at(m_tool).get();
}

StageTool* StageWidget::tool(StageTool::Kind kind) const
{
    const auto found = m_tools.find(kind);
    return found == m_tools.end() ? nullptr : found->second.get();
}

bool StageWidget::deleteSelectedNodes()
{
    auto* nodes = dynamic_cast<NodeTool*>(tool(StageTool::Kind::Node));
    return m_tool == StageTool::Kind::Node && nodes && nodes->deleteNodes();
}

bool StageWidget::hasTool(StageTool::Kind kind) const
{
    return kind == StageTool::Kind::Hand || m_tools.count(kind) > 0;
}

void StageWidget::setTool(StageTool::Kind kind)
{
    if (kind == m_tool || !hasTool(kind))
        return;
    if (m_tool != StageTool::Kind::Hand) {
        StageTool* previous = currentTool();
        if (previous->isActive())
            previous->cancel();
        previous->putDown();
    }
    m_bPanning = false;
    m_tool = kind;
    updateCursor(mapFromGlobal(QCursor::pos()));
    update();
    emit toolChanged(kind);
}

int StageWidget::insertionLayer() const
{
    if (m_insertionLayer)
        return m_insertionLayer();
    if (!m_pDocument || m_scene < 0 || m_scene >= m_pDocument->getProject().getScenes().size())
        return -1;
    return ShapeCommands::insertionLayer(m_pDocument->getProject().getScenes().at(m_scene));
}

void StageWidget::setInsertionLayerSource(const std::function<int()>& source)
{
    m_insertionLayer = source;
}

QSize StageWidget::sizeHint() const
{
    return QSize(800, 500);
}

QSize StageWidget::minimumSizeHint() const
{
    return QSize(200, 150);
}

void StageWidget::syncViewport()
{
    m_viewport.setWidgetSize(size());
    if (m_pDocument)
        m_viewport.setStageSize(QSizeF(m_pDocument->getProject().getStageWidth(),
                                       m_pDocument->getProject().getStageHeight()));
}

QPointF StageWidget::toStage(const QPointF& widgetPoint) const
{
    return m_viewport.toStage(widgetPoint);
}

QPointF StageWidget::fromStage(const QPointF& stagePoint) const
{
    return m_viewport.fromStage(stagePoint);
}

double StageWidget::getZoom() const
{
    return m_viewport.scale();
}

void StageWidget::zoomAbout(double zoom, const QPointF& anchor)
{
    syncViewport();
    m_viewport.zoomTo(zoom, anchor);
    update();
    emit viewChanged();
}

void StageWidget::zoomIn()
{
    zoomAbout(StageViewport::steppedZoom(getZoom(), 1), rect().center());
}

void StageWidget::zoomOut()
{
    zoomAbout(StageViewport::steppedZoom(getZoom(), -1), rect().center());
}

void StageWidget::zoomToFit()
{
    m_viewport.fit();
    update();
    emit viewChanged();
}

void StageWidget::zoomToActualSize()
{
    setZoom(1.0);
}

void StageWidget::setZoom(double zoom)
{
    // A fitted stage sits in the middle, so zooming about the middle keeps it there.
    syncViewport();
    m_viewport.fit();
    m_viewport.zoomTo(zoom, QPointF(width() / 2.0, height() / 2.0));
    update();
    emit viewChanged();
}

void StageWidget::setGridVisible(bool bVisible)
{
    if (m_bGrid == bVisible)
        return;
    m_bGrid = bVisible;
    update();
    emit viewChanged();
}

void StageWidget::editText(const ShapeRef& ref, const QPointF& at)
{
    if (!m_pTextEditor->begin(ref, at.isNull()))
        return;
    setSelection(ref);
    if (!at.isNull())
        m_pTextEditor->setTextCursor(m_pTextEditor->cursorForPosition(
            m_pTextEditor->viewport()->mapFrom(this, at.toPoint())));
}

void StageWidget::setGuidesVisible(bool bVisible)
{
    if (m_bGuides == bVisible)
        return;
    m_bGuides = bVisible;
    update();
    emit viewChanged();
}

void StageWidget::setOnionSkin(bool bShown, int frames)
{
    m_onionSkin.setShown(bShown);
    m_onionSkin.setFrames(frames);
    update();
}

void StageWidget::setMotionPathsVisible(bool bVisible)
{
    m_bMotionPaths = bVisible;
    update();
}

void StageWidget::clearGuides()
{
    if (m_pDocument)
        m_pDocument->editProject(tr("Clear Guides"), [](ZenubProject& project) {
            project.setGuides(ZenubGuides());
            return true;
        });
}

QPointF StageWidget::panLimit() const
{
    return m_viewport.panLimit();
}

void StageWidget::setPanOffset(const QPointF& offset)
{
    syncViewport();
    m_viewport.panBy(offset - m_viewport.pan());
    update();
    emit viewChanged();
}

std::unique_ptr<StageSnapper> StageWidget::makeSnapper(const QVector<ShapeRef>& moving) const
{
    const double grid = m_bGrid ? StageOverlay::gridSpacing(getZoom()) : 0;
    if (!m_pDocument)
        return std::make_unique<StageSnapper>(ZenubProject(), m_scene, m_frame, moving, grid);
    auto snapper =
        std::make_unique<StageSnapper>(m_pDocument->getProject(), m_scene, m_frame, moving, grid);
    if (m_bGuides)
        snapper->addGuides(m_pDocument->getProject().getGuides());
    return snapper;
}

ShapeRef StageWidget::shapeAtStagePoint(const QPointF& point) const
{
    if (!m_pDocument)
        return ShapeRef();
    return StagePicker(m_pDocument->getProject(), m_scene, m_frame, m_scope.group()).shapeAt(point);
}

void StageWidget::leaveGroup()
{
    m_scope.leave();
    update();
}

void StageWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A zoomed stage stays where it is on the screen when the view's edge moves (a scroll bar
    // showing up, a panel resized); a fitted one follows the view.
    if (!m_viewport.isFit() && event->oldSize().isValid()) {
        const QSize grown = event->size() - event->oldSize();
        m_viewport.panBy(-QPointF(grown.width(), grown.height()) / 2);
    }
    syncViewport();
    if (m_viewport.isFit())
        emit viewChanged();
}

void StageWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window).darker(125));
    if (!m_pDocument)
        return;
    syncViewport();
    const StageTool* tool = m_tool == StageTool::Kind::Hand ? nullptr : currentTool();
    ZenubProject edited;
    if (m_pTextEditor->isEditing()) {
        edited = m_pDocument->getProject();
        m_pTextEditor->hideEdited(edited);
    }
    const ZenubProject& project = tool && tool->preview()      ? *tool->preview()
                                  : m_pTextEditor->isEditing() ? edited
                                                               : m_pDocument->getProject();
    FrameRenderer renderer(project);
    QVector<FrameRenderer::ShapeIndex> selected;
    for (const ShapeRef& ref : qAsConst(m_selected)) {
        // A text being typed shows its own box, which grows as its lines do.
        if (ref.scene == m_scene && !ref.isMember() && ref != m_pTextEditor->editedShape())
            selected.append({ref.layer, ref.shape});
    }
    renderer.setSelection(selected);
    painter.save();
    painter.translate(m_viewport.origin());
    painter.scale(getZoom(), getZoom());
    renderer.paintBackground(&painter);
    m_onionSkin.paint(&painter, project, m_scene, m_frame);
    renderer.paintShapes(&painter, m_scene, m_frame);
    painter.restore();

    StageOverlay overlay(&painter, m_viewport);
    if (m_bGrid)
        overlay.paintGrid(QSizeF(project.getStageWidth(), project.getStageHeight()));
    overlay.paintAnimatedMarks(project, m_scene, m_frame);
    if (m_bMotionPaths)
        MotionPath::paintAll(&painter, m_viewport, project, m_selected, m_scene, m_frame);
    m_scope.paint(overlay, project, m_selected, m_frame);
    if (m_bGuides)
        overlay.paintUserGuides(m_guideDrag.shown(project.getGuides()));
    m_guideDrag.paint(overlay);
    if (tool)
        tool->paintOverlay(overlay, project);
}

void StageWidget::mousePressEvent(QMouseEvent* event)
{
    if (isBusy())
        return;
    if (event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (m_bSpaceHeld || m_tool == StageTool::Kind::Hand))) {
        m_bPanning = true;
        m_bSpacePanned = m_bSpaceHeld;
        m_panButton = event->button();
        m_lastWidget = event->localPos();
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() == Qt::RightButton) {
        // The menu acts on what was clicked: a shape outside the selection becomes it.
        const ShapeRef hit = shapeAtStagePoint(toStage(event->localPos()));
        if (!m_selected.contains(hit))
            setSelection(hit);
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton || !m_pDocument) {
        QWidget::mousePressEvent(event);
        return;
    }
    Qt::Orientation along = Qt::Horizontal;
    int guide = -1;
    if (m_bGuides && m_tool == StageTool::Kind::Select &&
        GuideDrag::guideAt(m_pDocument->getProject().getGuides(), m_viewport, event->localPos(),
                           &along, &guide)) {
        m_guideDrag.begin(along, guide);
        return;
    }
    currentTool()->press(toStage(event->localPos()), event->modifiers());
}

void StageWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(toStage(event->localPos()));
    if (m_guideDrag.isActive())
        m_guideDrag.moveTo(event->localPos());
    else if (!isBusy()) {
        if (m_tool != StageTool::Kind::Hand)
            currentTool()->hover(toStage(event->localPos()));
        updateCursor(event->localPos());
    } else
        dragTo(event->localPos(), event->modifiers());
}

void StageWidget::dragTo(const QPointF& widgetPoint, Qt::KeyboardModifiers modifiers)
{
    if (m_bPanning) {
        syncViewport();
        m_viewport.panBy(widgetPoint - m_lastWidget);
        m_lastWidget = widgetPoint;
        update();
        emit viewChanged();
        return;
    }
    currentTool()->dragTo(toStage(widgetPoint), modifiers);
}

void StageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = m_bPanning ? m_panButton : Qt::LeftButton;
    if (!isBusy() || event->button() != button)
        return;
    if (m_guideDrag.isActive()) {
        m_guideDrag.finish(event->localPos());
        updateCursor(event->localPos());
        return;
    }
    dragTo(event->localPos(), event->modifiers());
    if (m_bPanning)
        m_bPanning = false;
    else
        currentTool()->finish();
    updateCursor(event->localPos());
}

bool StageWidget::isBusy() const
{
    return m_bPanning || m_guideDrag.isActive() ||
           (m_tool != StageTool::Kind::Hand && currentTool()->isActive());
}

void StageWidget::updateCursor(const QPointF& widgetPoint)
{
    if (m_bSpaceHeld || m_tool == StageTool::Kind::Hand) {
        setCursor(Qt::OpenHandCursor);
        return;
    }
    Qt::Orientation along = Qt::Horizontal;
    int guide = -1;
    if (m_pDocument && m_bGuides && m_tool == StageTool::Kind::Select &&
        GuideDrag::guideAt(m_pDocument->getProject().getGuides(), m_viewport, widgetPoint, &along,
                           &guide)) {
        setCursor(along == Qt::Horizontal ? Qt::SplitVCursor : Qt::SplitHCursor);
        return;
    }
    const Qt::CursorShape shape = currentTool()->cursorAt(toStage(widgetPoint));
    if (shape == Qt::ArrowCursor)
        unsetCursor();
    else
        setCursor(shape);
}

void StageWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_tool == StageTool::Kind::Hand || isBusy())
        return;
    if (currentTool()->doubleClick(toStage(event->localPos())) || m_tool != StageTool::Kind::Select)
        return;
    const QPointF point = toStage(event->localPos());
    const ShapeRef ref = shapeAtStagePoint(point);
    const ZenubShape* shape = m_pDocument ? m_pDocument->shapeAt(ref) : nullptr;
    if (shape && shape->getType() == ZenubShape::Type::Group) {
        // Into the group: its member under the pointer is picked, and the next clicks pick
        // among its members.
        m_scope.enter(ref);
        setSelection(StagePicker(m_pDocument->getProject(), m_scene, m_frame, ref).shapeAt(point));
        update();
    } else if (shape && shape->getType() == ZenubShape::Type::Text)
        editText(ref, event->localPos());
    else if (ref.isValid())
        emit shapeActivated(ref);
}

void StageWidget::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        zoomAbout(StageViewport::steppedZoom(getZoom(), event->angleDelta().y() / 120.0),
                  event->position());
        event->accept();
        return;
    }
    // A fitted stage has nothing to scroll to.
    if (m_viewport.isFit()) {
        QWidget::wheelEvent(event);
        return;
    }
    QPointF delta = event->pixelDelta().isNull() ? QPointF(event->angleDelta()) / 3.0
                                                 : QPointF(event->pixelDelta());
    if (event->modifiers() & Qt::ShiftModifier)
        delta = QPointF(delta.y(), delta.x());
    m_viewport.panBy(delta);
    update();
    emit viewChanged();
    event->accept();
}

void StageWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) {
            m_bSpaceHeld = true;
            m_bSpacePanned = false;
            if (!isBusy())
                setCursor(Qt::OpenHandCursor);
        }
        return;
    }
    if (event->key() == Qt::Key_Escape && isBusy()) {
        // Escape drops the drag: nothing reaches the document.
        if (m_bPanning)
            m_bPanning = false;
        else if (m_guideDrag.isActive())
            m_guideDrag.cancel();
        else
            currentTool()->cancel();
        return;
    }
    if (!isBusy() && m_tool != StageTool::Kind::Hand && currentTool()->keyPress(event))
        return;
    if (event->key() == Qt::Key_Escape && m_tool != StageTool::Kind::Select) {
        setTool(StageTool::Kind::Select);
        return;
    }
    if (event->key() == Qt::Key_Escape && m_scope.isEntered() && !isBusy()) {
        // One level up: the group itself becomes the selection.
        setSelection(m_scope.group());
        return;
    }
    if (!m_pDocument || !m_selection.isValid() || isBusy()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const double step = (event->modifiers() & Qt::ShiftModifier) ? 10.0 : 1.0;
    const auto nudge = [this](double dx, double dy) {
        const QPointF local =
            GroupScope::localStep(m_pDocument->getProject(), m_selection, m_frame, {dx, dy});
        m_pDocument->moveShapes(m_selected, m_frame, local.x(), local.y());
    };
    switch (event->key()) {
    case Qt::Key_Left:
        nudge(-step, 0);
        break;
    case Qt::Key_Right:
        nudge(step, 0);
        break;
    case Qt::Key_Up:
        nudge(0, -step);
        break;
    case Qt::Key_Down:
        nudge(0, step);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        m_pDocument->removeShapes(m_selected);
        break;
    case Qt::Key_Escape:
        setSelection(ShapeRef());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void StageWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        // A tap plays, as on the time line; held for a drag, Space only pans.
        if (m_bSpaceHeld && !m_bSpacePanned && !isBusy())
            emit playToggleRequested();
        m_bSpaceHeld = false;
        if (!isBusy())
            unsetCursor();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void StageWidget::focusOutEvent(QFocusEvent* event)
{
    // The release of Space goes elsewhere once focus has left.
    m_bSpaceHeld = false;
    QWidget::focusOutEvent(event);
}
