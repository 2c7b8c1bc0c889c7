#include "timelineview.h"

#include "keyframeedits.h"
#include "timelinepainting.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kNameWidth = 170;
constexpr int kRulerHeight = 22;
constexpr int kRowHeight = 22;
constexpr int kMark = 6;
} // namespace

TimelineView::TimelineView(QWidget* parent)
    : QAbstractScrollArea(parent)
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
    const int x = frameX(frame);
    const int visible = viewport()->width() - kNameWidth;
    if (visible > m_frameWidth && (x < kNameWidth || x > viewport()->width() - m_frameWidth))
        horizontalScrollBar()->setValue(frame * m_frameWidth - visible / 2);
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
    m_rows.build(scene());
    const KeyframeRefs before = m_selection;
    m_selection = scene() ? KeyframeEdits::existing(*scene(), m_selection) : KeyframeRefs();
    updateScrollBars();
    viewport()->update();
    if (before != m_selection)
        emit selectionChanged();
}

void TimelineView::setFrameWidth(int pixels)
{
    const int width = std::clamp(pixels, 4, 48);
    if (width == m_frameWidth)
        return;
    // Zooming keeps the marker where it was on screen.
    const int markerOnScreen = frameX(m_frame);
    m_frameWidth = width;
    updateScrollBars();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + frameX(m_frame) -
                                    markerOnScreen);
    viewport()->update();
}

int TimelineView::duration() const
{
    const ZenubScene* current = scene();
    return current ? std::max(1, current->getDuration()) : 1;
}

int TimelineView::frameX(int frame) const
{
    return kNameWidth + frame * m_frameWidth + m_frameWidth / 2 - horizontalScrollBar()->value();
}

int TimelineView::frameAtX(int x) const
{
    const int offset = x - kNameWidth + horizontalScrollBar()->value();
    return offset < 0 ? -1 - (-offset - 1) / m_frameWidth : offset / m_frameWidth;
}

int TimelineView::rowY(int row) const
{
    return kRulerHeight + row * kRowHeight - verticalScrollBar()->value();
}

int TimelineView::rowAtY(int y) const
{
    if (y < kRulerHeight)
        return -1;
    const int row = (y - kRulerHeight + verticalScrollBar()->value()) / kRowHeight;
    return row < m_rows.count() ? row : -1;
}

QPoint TimelineView::keyframePoint(const KeyframeRef& ref) const
{
    const int row = m_rows.indexOf(ref.layer, ref.shape);
    return row < 0 ? QPoint(-1, -1) : QPoint(frameX(ref.frame), rowY(row) + kRowHeight / 2);
}

QPoint TimelineView::rulerPoint(int frame) const
{
    return QPoint(frameX(frame), kRulerHeight / 2);
}

KeyframeRefs TimelineView::refsAt(int row, int frame) const
{
    const ZenubScene* current = scene();
    if (!current || row < 0 || row >= m_rows.count())
        return KeyframeRefs();
    return TimelineRows::refsAt(*current, m_rows.at(row), frame);
}

KeyframeRefs TimelineView::hitKeyframes(const QPoint& point) const
{
    const int row = rowAtY(point.y());
    if (row < 0 || point.x() < kNameWidth)
        return KeyframeRefs();
    // The nearest mark within reach wins, so small zooms still let a click land.
    const int reach = std::max(kMark + 1, m_frameWidth / 2);
    int best = -1;
    for (const int frame : TimelineRows::frames(*scene(), m_rows.at(row)))
        if (std::abs(frameX(frame) - point.x()) <= reach &&
            (best < 0 || std::abs(frameX(frame) - point.x()) < std::abs(frameX(best) - point.x())))
            best = frame;
    return best < 0 ? KeyframeRefs() : refsAt(row, best);
}

KeyframeRefs TimelineView::keyframesIn(const QRect& rect) const
{
    KeyframeRefs refs;
    for (int row = 0; row < m_rows.count(); ++row) {
        const int y = rowY(row) + kRowHeight / 2;
        if (y < rect.top() || y > rect.bottom())
            continue;
        for (const int frame : TimelineRows::frames(*scene(), m_rows.at(row)))
            if (rect.contains(frameX(frame), y))
                refs += refsAt(row, frame);
    }
    return refs;
}

void TimelineView::updateScrollBars()
{
    const int trackWidth = std::max(0, viewport()->width() - kNameWidth);
    horizontalScrollBar()->setRange(0, std::max(0, duration() * m_frameWidth - trackWidth));
    horizontalScrollBar()->setPageStep(trackWidth);
    horizontalScrollBar()->setSingleStep(m_frameWidth);
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
    for (int i = 0; i < m_rows.count(); ++i) {
        const int y = rowY(i);
        if (y + kRowHeight >= kRulerHeight && y < viewport()->height())
            paintRow(painter, i, y);
    }
    paintRuler(painter);

    // The marker runs over every row.
    const int x = frameX(m_frame);
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
        std::max(0, frameAtX(kNameWidth)), std::min(duration() - 1, frameAtX(viewport()->width())),
        m_frameWidth, [this](int frame) { return frameX(frame); });
    painter.setPen(palette().mid().color());
    painter.drawLine(0, kRulerHeight - 1, viewport()->width(), kRulerHeight - 1);
}

void TimelineView::paintRow(QPainter& painter, int index, int y) const
{
    const TimelineRows::Row& row = m_rows.at(index);
    const ZenubScene& current = *scene();
    const ZenubLayer& layer = current.getLayers().at(row.layer);
    const QRect band(0, y, viewport()->width(), kRowHeight);
    const bool bHighlighted =
        row.shape >= 0 && m_highlighted.contains(ShapeRef{m_scene, row.layer, row.shape});
    painter.save();
    painter.setClipRect(QRect(0, kRulerHeight, viewport()->width(), viewport()->height()));
    painter.fillRect(band, row.shape < 0 ? palette().button() : palette().base());
    if (bHighlighted) {
        QColor tint = palette().highlight().color();
        tint.setAlpha(50);
        painter.fillRect(band, tint);
    }
    // Frames past the scene's end are greyed: nothing plays there.
    const int end = frameX(duration()) - m_frameWidth / 2;
    if (end < band.right()) {
        const QColor shade(128, 128, 128, 60);
        painter.fillRect(QRect(std::max(end, kNameWidth), y, band.right() - end + 1, kRowHeight),
                         shade);
    }
    painter.setPen(palette().midlight().color());
    painter.drawLine(0, y + kRowHeight - 1, band.right(), y + kRowHeight - 1);

    const QVector<int> frames = TimelineRows::frames(current, row);
    const int middle = y + kRowHeight / 2;
    painter.save();
    painter.setClipRect(
        QRect(kNameWidth, std::max(y, kRulerHeight), viewport()->width() - kNameWidth, kRowHeight));
    painter.setRenderHint(QPainter::Antialiasing);
    if (row.shape >= 0 && frames.size() > 1) {
        QColor span = TimelinePainting::animatedColor();
        span.setAlpha(110);
        painter.fillRect(QRect(frameX(frames.constFirst()), middle - 3,
                               frameX(frames.constLast()) - frameX(frames.constFirst()), 6),
                         span);
    }
    for (const int frame : frames) {
        const KeyframeRefs refs = refsAt(index, frame);
        const bool bSelected = std::all_of(refs.cbegin(), refs.cend(), [this](const auto& ref) {
            return m_selection.contains(ref);
        });
        const ZenubKeyframe* keyframe =
            row.shape >= 0 ? KeyframeEdits::find(current, refs.constFirst()) : nullptr;
        const bool bEased =
            keyframe && keyframe->getEasing().getType() != ZenubEasing::Type::Linear;
        const int shift = bSelected ? m_dragDelta : 0;
        if (shift != 0) {
            painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            TimelinePainting::drawKeyframe(painter, QPointF(frameX(frame), middle), bEased, kMark);
        }
        painter.setPen(
            QPen(bSelected ? palette().highlightedText().color() : palette().base().color(), 1));
        painter.setBrush(bSelected ? palette().highlight() : palette().text());
        TimelinePainting::drawKeyframe(painter, QPointF(frameX(frame + shift), middle), bEased,
                                       bSelected ? kMark + 1 : kMark);
    }
    painter.restore();

    TimelinePainting::drawRowHeader(painter, palette(), QRect(0, y, kNameWidth - 1, kRowHeight),
                                    TimelineRows::title(current, row), row.shape < 0,
                                    !layer.isVisible(), TimelineRows::isAnimated(current, row),
                                    bHighlighted);
    painter.restore();
}

QString TimelineView::toolTipAt(const QPoint& point) const
{
    const int row = rowAtY(point.y());
    const ZenubScene* current = scene();
    if (!current || row < 0)
        return QString();
    if (point.x() < kNameWidth)
        return TimelineRows::motionHint(*current, m_rows.at(row));
    const KeyframeRefs hits = hitKeyframes(point);
    const ZenubKeyframe* keyframe =
        hits.isEmpty() ? nullptr : KeyframeEdits::find(*current, hits.constFirst());
    return keyframe ? TimelineRows::keyframeHint(*keyframe) : QString();
}

bool TimelineView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = toolTipAt(help->pos());
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
    const int frame = std::clamp(frameAtX(x), 0, duration() - 1);
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
        const int row = rowAtY(point.y());
        if (row < 0)
            return;
        QVector<ShapeRef> shapes;
        const TimelineRows::Row& target = m_rows.at(row);
        const int count = scene()->getLayers().at(target.layer).getShapes().size();
        for (int shape = 0; shape < count; ++shape)
            if (target.shape < 0 || shape == target.shape)
                shapes.append(ShapeRef{m_scene, target.layer, shape});
        emit shapesPicked(shapes);
        return;
    }
    if (point.y() < kRulerHeight) {
        m_bScrubbing = true;
        scrubTo(point.x());
        return;
    }
    const KeyframeRefs hits = hitKeyframes(point);
    if (hits.isEmpty()) {
        // A click here moves the marker; a drag picks the keyframes in a rectangle.
        m_bBandPending = true;
        m_band = QRect(point, point);
        m_bandBase = bAdd ? m_selection : KeyframeRefs();
        return;
    }
    const bool bAllSelected = std::all_of(
        hits.cbegin(), hits.cend(), [this](const auto& ref) { return m_selection.contains(ref); });
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

void TimelineView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bBandPending) {
        m_band.setBottomRight(event->pos());
        if (!m_bBand && (m_band.bottomRight() - m_band.topLeft()).manhattanLength() >= 4)
            m_bBand = true;
        if (m_bBand)
            setSelection(m_bandBase + keyframesIn(m_band.normalized()));
        viewport()->update();
    } else if (m_bScrubbing) {
        scrubTo(event->pos().x());
    } else if (m_bDragPending && scene()) {
        const int delta = KeyframeEdits::clampDelta(*scene(), m_selection,
                                                    frameAtX(event->pos().x()) - m_pressFrame);
        if (delta != m_dragDelta) {
            m_dragDelta = delta;
            viewport()->update();
        }
    }
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
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
    const KeyframeRefs hits = hitKeyframes(event->pos());
    if (event->button() == Qt::LeftButton && !hits.isEmpty())
        emit keyframeActivated(hits.constFirst());
    else
        mousePressEvent(event);
}

void TimelineView::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click on an unselected keyframe acts on that one, as file managers do.
    const KeyframeRefs hits = hitKeyframes(event->pos());
    if (!hits.isEmpty() && !std::all_of(hits.cbegin(), hits.cend(), [this](const auto& ref) {
            return m_selection.contains(ref);
        }))
        setSelection(hits);
    emit contextMenuRequested(event->globalPos());
}

void TimelineView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            setFrameWidth(m_frameWidth + steps * 2);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}
