// SPDX-License-Identifier: MIT
#include "timelineview.h"

#include "edgescroller.h"
#include "model/edits/keyframeedits.h"
#include "timelinepainting.h"
#include "timelinerowpainter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kNameWidth = TimelineLayout::kNameWidth;
constexpr int kRulerHeight = TimelineLayout::kRulerHeight;
constexpr int kRowHeight = TimelineLayout::kRowHeight;

} // namespace

TimelineView::TimelineView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_layout(m_rows, horizontalScrollBar(), verticalScrollBar())
    , m_pEdgeScroller(new EdgeScroller(
          horizontalScrollBar(), [this] { dragTo(m_lastPos); }, this))
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(false);
    setMinimumHeight(kRulerHeight + 3 * kRowHeight);
}

void TimelineView::setDocument(DesignerDocument* document)
{
    m_pDocument = document;
    m_selection.clear();
    refresh();
}

void TimelineView::setScene(int scene)
{
    if (scene == m_scene)
        return;
    m_scene = scene;
    m_selection.clear();
    m_expanded.clear();
    refresh();
    emit selectionChanged();
}

const ZenubScene* TimelineView::scene() const
{
    if (!m_pDocument)
        return nullptr;
    const QVector<ZenubScene>& scenes = m_pDocument->getProject().getScenes();
    return m_scene >= 0 && m_scene < scenes.size() ? &scenes.at(m_scene) : nullptr;
}

void TimelineView::setFrame(int frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    // Keeps the marker in sight while playing or stepping.
    const int x = m_layout.frameX(frame);
    const int visible = viewport()->width() - kNameWidth;
    if (visible > m_layout.frameWidth() &&
        (x < kNameWidth || x > viewport()->width() - m_layout.frameWidth()))
        horizontalScrollBar()->setValue(frame * m_layout.frameWidth() - visible / 2);
    viewport()->update();
}

void TimelineView::setHighlightedShapes(const QVector<ShapeRef>& refs)
{
    m_highlighted = refs;
    viewport()->update();
}

void TimelineView::setSelection(const KeyframeRefs& refs)
{
    const ZenubScene* current = scene();
    const KeyframeRefs selection =
        current ? KeyframeEdits::existing(*current, refs) : KeyframeRefs();
    if (selection == m_selection)
        return;
    m_selection = selection;
    viewport()->update();
    emit selectionChanged();
}

void TimelineView::refresh()
{
    m_rows.build(scene(), m_expanded);
    // A row closed or gone is no longer chosen.
    const KeyframeRefs chosenBefore = m_chosenRows;
    m_chosenRows.erase(std::remove_if(m_chosenRows.begin(), m_chosenRows.end(),
                                      [this](const KeyframeRef& row) {
                                          return m_rows.indexOf(row.layer, row.shape,
                                                                row.property) < 0;
                                      }),
                       m_chosenRows.end());
    const KeyframeRefs before = m_selection;
    m_selection = scene() ? KeyframeEdits::existing(*scene(), m_selection) : KeyframeRefs();
    updateScrollBars();
    viewport()->update();
    if (before != m_selection)
        emit selectionChanged();
    if (chosenBefore != m_chosenRows)
        emit chosenRowsChanged();
}

void TimelineView::setNamesOnly(bool bNamesOnly)
{
    // The scroll bar always there keeps the names' width whatever the rows' count.
    setHorizontalScrollBarPolicy(bNamesOnly ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(bNamesOnly ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    if (bNamesOnly) {
        setFixedWidth(kNameWidth + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    } else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

void TimelineView::setTimeFormat(const TimeFormat& format)
{
    m_format = format;
    viewport()->update();
}

void TimelineView::setFrameWidth(int pixels)
{
    const int width = std::clamp(pixels, kMinimumFrameWidth, kMaximumFrameWidth);
    if (width == m_layout.frameWidth())
        return;
    // Zooming keeps the marker where it was on screen.
    const int markerOnScreen = m_layout.frameX(m_frame);
    m_layout.setFrameWidth(width);
    updateScrollBars();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + m_layout.frameX(m_frame) -
                                    markerOnScreen);
    viewport()->update();
    emit frameWidthChanged(width);
}

int TimelineView::duration() const
{
    const ZenubScene* current = scene();
    return current ? std::max(1, current->getDuration()) : 1;
}

void TimelineView::setExpanded(int layer, int shape, bool bExpanded)
{
    if (bExpanded == isExpanded(layer, shape))
        return;
    if (bExpanded)
        m_expanded.insert(qMakePair(layer, shape));
    else
        m_expanded.remove(qMakePair(layer, shape));
    refresh();
}

bool TimelineView::isExpanded(int layer, int shape) const
{
    return m_expanded.contains(qMakePair(layer, shape));
}

QPoint TimelineView::disclosurePoint(int layer, int shape) const
{
    const int row = m_rows.indexOf(layer, shape);
    return row < 0 ? QPoint(-1, -1)
                   : QPoint(TimelinePainting::kDisclosureWidth / 2,
                            m_layout.rowY(row) + kRowHeight / 2);
}

QPoint TimelineView::keyframePoint(const KeyframeRef& ref) const
{
    const int row = m_rows.indexOf(ref.layer, ref.shape, ref.property);
    return row < 0 ? QPoint(-1, -1)
                   : QPoint(m_layout.frameX(ref.frame), m_layout.rowY(row) + kRowHeight / 2);
}

QPoint TimelineView::rulerPoint(int frame) const
{
    return QPoint(m_layout.frameX(frame), kRulerHeight / 2);
}

void TimelineView::updateScrollBars()
{
    const int trackWidth = std::max(0, viewport()->width() - kNameWidth);
    horizontalScrollBar()->setRange(0,
                                    std::max(0, duration() * m_layout.frameWidth() - trackWidth));
    horizontalScrollBar()->setPageStep(trackWidth);
    horizontalScrollBar()->setSingleStep(m_layout.frameWidth());
    const int rowsHeight = std::max(0, viewport()->height() - kRulerHeight);
    verticalScrollBar()->setRange(0, std::max(0, int(m_rows.count()) * kRowHeight - rowsHeight));
    verticalScrollBar()->setPageStep(rowsHeight);
    verticalScrollBar()->setSingleStep(kRowHeight);
}

void TimelineView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TimelineView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    TimelineRowPainter rows(m_layout, m_rows, palette(), viewport()->size());
    rows.setSelection(m_selection, m_dragDelta);
    for (int i = 0; i < m_rows.count(); ++i) {
        const int y = m_layout.rowY(i);
        if (y + kRowHeight < kRulerHeight || y >= viewport()->height())
            continue;
        const TimelineRows::Row& row = m_rows.at(i);
        const bool bHighlighted =
            row.shape >= 0 && m_highlighted.contains(ShapeRef{m_scene, row.layer, row.shape});
        rows.paint(painter, *scene(), i, y, duration(), bHighlighted,
                   m_chosenRows.contains(KeyframeRef{row.layer, row.shape, -1, row.property}));
    }
    paintRuler(painter);

    // The marker runs over every row.
    const int x = m_layout.frameX(m_frame);
    if (x >= kNameWidth)
        TimelinePainting::drawMarker(painter, x, kRulerHeight, viewport()->height());
    if (m_bBand) {
        QColor fill = palette().highlight().color();
        fill.setAlpha(40);
        painter.setPen(palette().highlight().color());
        painter.setBrush(fill);
        painter.drawRect(m_band.normalized());
    }
    painter.setPen(palette().mid().color());
    painter.drawLine(kNameWidth - 1, 0, kNameWidth - 1, viewport()->height());
}

void TimelineView::paintRuler(QPainter& painter) const
{
    painter.fillRect(QRect(0, 0, kNameWidth, kRulerHeight), palette().button());
    painter.setPen(palette().buttonText().color());
    painter.drawText(QRect(6, 0, kNameWidth - 12, kRulerHeight), Qt::AlignVCenter, tr("Layers"));
    TimelinePainting::drawRuler(
        painter, palette(), QRect(kNameWidth, 0, viewport()->width() - kNameWidth, kRulerHeight),
        std::max(0, m_layout.frameAtX(kNameWidth)),
        std::min(duration() - 1, m_layout.frameAtX(viewport()->width())), m_layout.frameWidth(),
        m_format, [this](int frame) { return m_layout.frameX(frame); });
    painter.setPen(palette().mid().color());
    painter.drawLine(0, kRulerHeight - 1, viewport()->width(), kRulerHeight - 1);
}

bool TimelineView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const ZenubScene* current = scene();
        const QString text = current ? m_layout.toolTipAt(*current, help->pos()) : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TimelineView::scrubTo(int x)
{
    const int frame = std::clamp(m_layout.frameAtX(x), 0, duration() - 1);
    if (frame != m_frame)
        emit frameScrubbed(frame);
}

void TimelineView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !scene()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint point = event->pos();
    const bool bAdd = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (point.x() < kNameWidth) {
        pressName(point, bAdd);
        return;
    }
    if (point.y() < kRulerHeight) {
        m_bScrubbing = true;
        scrubTo(point.x());
        return;
    }
    const KeyframeRefs hits = m_layout.hitKeyframes(scene(), point);
    if (hits.isEmpty()) {
        // A click here moves the marker; a drag picks the keyframes in a rectangle.
        m_bBandPending = true;
        m_band = QRect(point, point);
        m_bandBase = bAdd ? m_selection : KeyframeRefs();
        return;
    }
    const bool bAllSelected = std::all_of(hits.cbegin(), hits.cend(), [this](const auto& ref) {
        return std::binary_search(m_selection.cbegin(), m_selection.cend(), ref);
    });
    KeyframeRefs selection = bAdd ? m_selection : KeyframeRefs();
    if (bAdd && bAllSelected) {
        for (const KeyframeRef& ref : hits)
            selection.removeAll(ref);
        setSelection(selection);
        return;
    }
    if (!bAllSelected || bAdd)
        setSelection(selection + hits);
    m_bDragPending = true;
    m_pressHits = bAdd ? KeyframeRefs() : hits;
    m_pressFrame = hits.constFirst().frame;
    m_dragDelta = 0;
}

void TimelineView::pressName(const QPoint& point, bool bAdd)
{
    const int row = m_layout.rowAtY(point.y());
    if (row < 0)
        return;
    const TimelineRows::Row& target = m_rows.at(row);
    if (point.x() < TimelinePainting::kDisclosureWidth &&
        TimelineRows::isExpandable(*scene(), target)) {
        setExpanded(target.layer, target.shape, !isExpanded(target.layer, target.shape));
        return;
    }
    // A property's name chooses its row for the graph editor, with Ctrl or Shift one more.
    const KeyframeRef chosen{target.layer, target.shape, -1, target.property};
    KeyframeRefs rows = bAdd ? m_chosenRows : KeyframeRefs();
    if (target.isProperty() && !rows.removeOne(chosen))
        rows.append(chosen);
    if (rows != m_chosenRows) {
        m_chosenRows = rows;
        viewport()->update();
        emit chosenRowsChanged();
    }
    QVector<ShapeRef> shapes;
    const int count = scene()->getLayers().at(target.layer).getShapes().size();
    for (int shape = 0; shape < count; ++shape)
        if (target.shape < 0 || shape == target.shape)
            shapes.append(ShapeRef{m_scene, target.layer, shape});
    emit shapesPicked(shapes);
}

void TimelineView::mouseMoveEvent(QMouseEvent* event)
{
    m_lastPos = event->pos();
    dragTo(event->pos());
    if (m_bScrubbing || m_bDragPending)
        m_pEdgeScroller->follow(event->pos().x(), kNameWidth, viewport()->width());
}

void TimelineView::dragTo(const QPoint& pos)
{
    if (m_bBandPending) {
        m_band.setBottomRight(pos);
        if (!m_bBand && (m_band.bottomRight() - m_band.topLeft()).manhattanLength() >= 4)
            m_bBand = true;
        if (m_bBand)
            setSelection(m_bandBase + m_layout.keyframesIn(scene(), m_band.normalized()));
        viewport()->update();
    } else if (m_bScrubbing) {
        scrubTo(pos.x());
    } else if (m_bDragPending && scene()) {
        const int delta = KeyframeEdits::clampDelta(*scene(), m_selection,
                                                    m_layout.frameAtX(pos.x()) - m_pressFrame);
        if (delta != m_dragDelta) {
            m_dragDelta = delta;
            viewport()->update();
        }
    }
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event)
{
    m_pEdgeScroller->stop();
    dragTo(event->pos());
    const int delta = m_bDragPending ? m_dragDelta : 0;
    if (m_bBandPending && !m_bBand) {
        setSelection(m_bandBase);
        scrubTo(event->pos().x());
    }
    m_bBandPending = false;
    m_bBand = false;
    m_bScrubbing = false;
    m_bDragPending = false;
    m_dragDelta = 0;
    viewport()->update();
    if (delta != 0) {
        emit moveRequested(m_selection, delta);
    } else if (!m_pressHits.isEmpty()) {
        // A click on a keyframe brings up its frame and shapes, so the stage and the
        // properties show and edit that keyframe.
        QVector<ShapeRef> shapes;
        for (const KeyframeRef& ref : qAsConst(m_pressHits))
            shapes.append(ShapeRef{m_scene, ref.layer, ref.shape});
        emit frameScrubbed(m_pressFrame);
        emit shapesPicked(shapes);
    }
    m_pressHits.clear();
}

void TimelineView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const KeyframeRefs hits = m_layout.hitKeyframes(scene(), event->pos());
    if (event->button() == Qt::LeftButton && !hits.isEmpty())
        emit keyframeActivated(hits.constFirst());
    else
        mousePressEvent(event);
}

void TimelineView::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click on an unselected keyframe acts on that one, as file managers do.
    const KeyframeRefs hits = m_layout.hitKeyframes(scene(), event->pos());
    if (!hits.isEmpty() && !std::all_of(hits.cbegin(), hits.cend(), [this](const auto& ref) {
            return std::binary_search(m_selection.cbegin(), m_selection.cend(), ref);
        }))
        setSelection(hits);
    emit contextMenuRequested(event->globalPos());
}

void TimelineView::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        // Each notch a fifth wider or narrower, at least a pixel.
        const int steps = delta.y() / 120;
        const int width = m_layout.frameWidth();
        if (steps != 0)
            setFrameWidth(steps > 0 ? std::max(width + 1, width * 6 / 5)
                                    : std::min(width - 1, width * 5 / 6));
    } else if ((event->modifiers() & Qt::ShiftModifier) || delta.x() != 0) {
        // Sideways through the frames: Shift with the wheel, or a wheel that tilts.
        const int along = delta.x() != 0 ? delta.x() : delta.y();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() -
                                        along * 3 * m_layout.frameWidth() / 120);
    } else {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
}
