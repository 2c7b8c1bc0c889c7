// SPDX-License-Identifier: MIT
#include "stagewidget.h"

#include "editor/shapecommands.h"
#include "stage/nodetool.h"
#include "stage/pentool.h"
#include "stage/shapedrawtool.h"
#include "stage/stageoverlay.h"
#include "stage/stagepainter.h"
#include "stage/stagepicker.h"
#include "stage/stagesnapper.h"
#include "stage/stagetexteditor.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

StageWidget::StageWidget(QWidget* parent)
    : QWidget(parent)
    , m_guideDrag(this)
    , m_input(this)
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
    m_input.stopPanning();
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
    m_input.stopPanning();
    m_tool = kind;
    m_input.updateCursor(mapFromGlobal(QCursor::pos()));
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
    if (m_pDocument)
        syncViewport();
    StagePainter(this, m_viewport).paint(&painter);
}

void StageWidget::mousePressEvent(QMouseEvent* event)
{
    if (!m_input.press(event))
        QWidget::mousePressEvent(event);
}

void StageWidget::mouseMoveEvent(QMouseEvent* event)
{
    m_input.move(event);
}

void StageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    m_input.release(event);
}

void StageWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_input.doubleClick(event);
}

void StageWidget::wheelEvent(QWheelEvent* event)
{
    if (!m_input.wheel(event))
        QWidget::wheelEvent(event);
}

void StageWidget::keyPressEvent(QKeyEvent* event)
{
    if (!m_input.keyPress(event))
        QWidget::keyPressEvent(event);
}

void StageWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_input.keyRelease(event))
        QWidget::keyReleaseEvent(event);
}

void StageWidget::focusOutEvent(QFocusEvent* event)
{
    m_input.focusOut();
    QWidget::focusOutEvent(event);
}
