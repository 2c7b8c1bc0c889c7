// SPDX-License-Identifier: MIT
#include "grapheditorview.h"

#include "graphpainter.h"
#include "graphsegment.h"
#include "model/project/zenubscene.h"
#include "timelinelayout.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

GraphEditorView::GraphEditorView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(TimelineLayout::kRulerHeight + 3 * TimelineLayout::kRowHeight);
}

void GraphEditorView::setDocument(DesignerDocument* document)
{
    m_pDocument = document;
    m_selection.clear();
    m_bFitPending = true;
    refresh();
}

void GraphEditorView::setScene(int scene)
{
    if (scene == m_scene)
        return;
    m_scene = scene;
    m_selection.clear();
    m_bFitPending = true;
    refresh();
}

void GraphEditorView::setFrame(int frame)
{
    if (frame == m_frame)
        return;
    m_frame = frame;
    update();
}

void GraphEditorView::setTimeFormat(const TimeFormat& format)
{
    m_format = format;
    update();
}

const ZenubScene* GraphEditorView::scene() const
{
    if (!m_pDocument)
        return nullptr;
    const QVector<ZenubScene>& scenes = m_pDocument->getProject().getScenes();
    return m_scene >= 0 && m_scene < scenes.size() ? &scenes.at(m_scene) : nullptr;
}

int GraphEditorView::duration() const
{
    const ZenubScene* current = scene();
    return current ? std::max(1, current->getDuration()) : 1;
}

void GraphEditorView::setSources(const KeyframeRefs& rows, const QVector<ShapeRef>& shapes)
{
    m_rows = rows;
    m_shapes.clear();
    for (const ShapeRef& shape : shapes)
        if (shape.scene == m_scene)
            m_shapes.append(shape);
    refresh();
}

void GraphEditorView::refresh()
{
    const ZenubScene* current = scene();
    const QVector<GraphChannel> channels =
        current ? GraphChannel::chosen(*current, m_rows, m_shapes) : QVector<GraphChannel>();
    if (channels != m_channels) {
        m_channels = channels;
        m_bFitPending = true;
    }
    m_curves = GraphCurves();
    if (current)
        m_curves.read(*current, m_channels);
    // A drag keeps its key picked while the edits re-read the curves.
    GraphKeyRefs kept;
    for (const GraphKeyRef& ref : qAsConst(m_selection)) {
        const int curve = m_curves.indexOf(ref.channel);
        if (curve >= 0 && m_curves.at(curve).indexOf(ref.frame) >= 0)
            kept.append(ref);
    }
    m_selection = kept;
    updatePlot();
    update();
}

void GraphEditorView::updatePlot()
{
    m_mapping.setPlot(QRectF(GraphPainter::kAxisWidth + 8, TimelineLayout::kRulerHeight + 10,
                             std::max(20, width() - GraphPainter::kAxisWidth - 16),
                             std::max(20, height() - TimelineLayout::kRulerHeight - 20)));
    if (m_bFitPending && isVisible() && m_drag == Drag::None)
        fitToView();
}

void GraphEditorView::fitToView()
{
    double first = 0;
    double last = duration() - 1;
    double low = 0;
    double high = 1;
    m_curves.bounds(duration(), &first, &last, &low, &high);
    m_mapping.fit(first, last, low, high);
    m_bFitPending = false;
    update();
}

void GraphEditorView::setKeyframeSelection(const KeyframeRefs& refs)
{
    // A drag keeps its own picks while its edits move the keys under the time line.
    if (m_drag != Drag::None)
        return;
    GraphKeyRefs selection;
    for (int curve = 0; curve < m_curves.count(); ++curve) {
        const GraphChannel& channel = m_curves.at(curve).channel;
        for (const GraphKey& key : m_curves.at(curve).keys)
            if (refs.contains(
                    KeyframeRef::of(channel.layer, channel.shape, channel.property, key.frame)) ||
                refs.contains(KeyframeRef{channel.layer, channel.shape, key.frame}))
                selection.append({channel, key.frame});
    }
    if (selection.size() == m_selection.size() &&
        std::all_of(selection.cbegin(), selection.cend(),
                    [this](const GraphKeyRef& ref) { return m_selection.contains(ref); }))
        return;
    m_selection = selection;
    update();
}

QPoint GraphEditorView::keyPoint(const GraphKeyRef& key) const
{
    const int curve = m_curves.indexOf(key.channel);
    const int index = curve < 0 ? -1 : m_curves.at(curve).indexOf(key.frame);
    if (index < 0)
        return QPoint(-1, -1);
    return GraphPicker(m_curves, m_mapping, m_selection).keyPoint(curve, index).toPoint();
}

QPoint GraphEditorView::handlePoint(const GraphKeyRef& key, int handle) const
{
    const int curve = m_curves.indexOf(key.channel);
    const int index = curve < 0 ? -1 : m_curves.at(curve).indexOf(key.frame);
    const GraphPicker picker(m_curves, m_mapping, m_selection);
    if (index < 0 || !picker.showsHandles(curve, index))
        return QPoint(-1, -1);
    return picker.handlePoint(curve, index, handle).toPoint();
}

void GraphEditorView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const GraphPicker picker(m_curves, m_mapping, m_selection);
    GraphPainter(m_curves, m_mapping, picker, palette())
        .paint(painter, rect(), duration(), m_frame, m_format);
    if (m_curves.isEmpty()) {
        painter.setPen(palette().placeholderText().color());
        painter.drawText(m_mapping.plot(), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Select a shape with keyframes, or the rows of its properties, to "
                            "see their values over time."));
    }
    if (m_drag == Drag::Band) {
        QColor fill = palette().highlight().color();
        fill.setAlpha(40);
        painter.setPen(palette().highlight().color());
        painter.setBrush(fill);
        painter.drawRect(m_band.normalized());
    }
}

bool GraphEditorView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const GraphHit hit = GraphPicker(m_curves, m_mapping, m_selection).hit(help->pos());
    QString text;
    if (hit.kind == GraphHit::Kind::Key) {
        const GraphCurves::Curve& curve = m_curves.at(hit.curve);
        const GraphKey& key = curve.keys.at(hit.key);
        text =
            (m_format.isSeconds() ? tr("%1\n%2 at %3") : tr("%1\n%2 at frame %3"))
                .arg(curve.title, QLocale().toString(key.value, 'g', 6), m_format.text(key.frame));
    } else if (hit.kind == GraphHit::Kind::Handle) {
        text = tr("Drag to shape the easing between these keyframes");
    }
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void GraphEditorView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updatePlot();
}

void GraphEditorView::scrubTo(int x)
{
    const int frame = std::clamp(int(std::lround(m_mapping.frameAt(x))), 0, duration() - 1);
    if (frame != m_frame)
        emit frameScrubbed(frame);
}

void GraphEditorView::mousePressEvent(QMouseEvent* event)
{
    m_pressPos = event->pos();
    if (event->button() == Qt::MiddleButton) {
        m_drag = Drag::Pan;
        return;
    }
    if (event->button() != Qt::LeftButton || !scene())
        return;
    if (event->pos().y() < TimelineLayout::kRulerHeight) {
        m_drag = Drag::Scrub;
        scrubTo(event->pos().x());
        return;
    }
    const bool bAdd = event->modifiers() & Qt::ControlModifier;
    const GraphHit hit = GraphPicker(m_curves, m_mapping, m_selection).hit(event->pos());
    if (hit.kind == GraphHit::Kind::None) {
        m_drag = Drag::Band;
        m_band = QRect(event->pos(), event->pos());
        m_bandBase = bAdd ? m_selection : GraphKeyRefs();
        m_selection = m_bandBase;
        update();
        return;
    }
    const GraphCurves::Curve& curve = m_curves.at(hit.curve);
    m_dragChannel = curve.channel;
    m_pressKey = curve.keys.at(hit.key);
    m_pressTracks = curve.tracks;
    m_mergeKey = DesignerDocument::newMergeKey();
    if (hit.kind == GraphHit::Kind::Handle) {
        m_drag = Drag::Handle;
        m_handle = hit.handle;
        m_pressNext = curve.keys.at(hit.key + 1);
        return;
    }
    pressKey(hit, bAdd);
}

void GraphEditorView::pressKey(const GraphHit& hit, bool bAdd)
{
    const GraphCurves::Curve& curve = m_curves.at(hit.curve);
    const GraphKeyRef ref{curve.channel, m_pressKey.frame};
    if (bAdd && m_selection.contains(ref)) {
        m_selection.removeAll(ref);
        update();
        emitPicked();
        return;
    }
    if (!m_selection.contains(ref))
        m_selection = bAdd ? m_selection + GraphKeyRefs{ref} : GraphKeyRefs{ref};
    m_drag = Drag::Key;
    m_dragFrame = m_pressKey.frame;
    m_lowFrame = hit.key > 0 ? curve.keys.at(hit.key - 1).frame + 1 : 0;
    m_highFrame =
        hit.key + 1 < curve.keys.size() ? curve.keys.at(hit.key + 1).frame - 1 : duration() - 1;
    update();
}

void GraphEditorView::mouseMoveEvent(QMouseEvent* event)
{
    switch (m_drag) {
    case Drag::Scrub:
        scrubTo(event->pos().x());
        break;
    case Drag::Pan:
        m_mapping.pan(event->pos() - m_pressPos);
        m_pressPos = event->pos();
        update();
        break;
    case Drag::Band: {
        m_band.setBottomRight(event->pos());
        const GraphKeyRefs inside =
            GraphPicker(m_curves, m_mapping, m_selection).keysIn(m_band.normalized());
        m_selection = m_bandBase;
        for (const GraphKeyRef& ref : inside)
            if (!m_selection.contains(ref))
                m_selection.append(ref);
        update();
        break;
    }
    case Drag::Key:
        dragKey(event->pos(), event->modifiers() & Qt::ShiftModifier);
        break;
    case Drag::Handle:
        dragHandle(event->pos());
        break;
    case Drag::None:
        break;
    }
}

void GraphEditorView::mouseReleaseEvent(QMouseEvent* event)
{
    mouseMoveEvent(event);
    const bool bPicked = m_drag == Drag::Key || m_drag == Drag::Band;
    m_drag = Drag::None;
    m_mergeKey = 0;
    update();
    if (bPicked)
        emitPicked();
}

void GraphEditorView::emitPicked()
{
    KeyframeRefs refs;
    for (const GraphKeyRef& ref : qAsConst(m_selection)) {
        const KeyframeRef key =
            KeyframeRef::of(ref.channel.layer, ref.channel.shape, ref.channel.property, ref.frame);
        if (!refs.contains(key))
            refs.append(key);
    }
    emit keyframesPicked(refs);
}

void GraphEditorView::dragKey(const QPoint& pos, bool bOneAxis)
{
    // Not before the pointer has left the key: a click must not nudge it.
    if ((pos - m_pressPos).manhattanLength() < 3)
        return;
    int frame = std::clamp(int(std::lround(m_mapping.frameAt(pos.x()))), m_lowFrame, m_highFrame);
    double value = m_mapping.valueAt(pos.y());
    if (bOneAxis) {
        // Shift keeps the key on the line it left along most.
        const QPoint moved = pos - m_pressPos;
        if (std::abs(moved.x()) > std::abs(moved.y()))
            value = m_pressKey.value;
        else
            frame = m_pressKey.frame;
    }
    ZenubShapeTracks tracks = m_pressTracks;
    if (!m_dragChannel.moveKey(tracks, m_pressKey.frame, frame, value))
        return;
    editTracks(tr("Move Keyframe"), tracks);
    // The key stays picked under its new frame, on each channel of its property.
    for (GraphKeyRef& ref : m_selection)
        if (ref.channel.layer == m_dragChannel.layer && ref.channel.shape == m_dragChannel.shape &&
            ref.channel.property == m_dragChannel.property && ref.frame == m_dragFrame)
            ref.frame = frame;
    m_dragFrame = frame;
    refresh();
}

void GraphEditorView::dragHandle(const QPoint& pos)
{
    const ZenubEasing easing =
        GraphSegment::dragged(m_pressKey, m_pressNext, m_handle,
                              QPointF(m_mapping.frameAt(pos.x()), m_mapping.valueAt(pos.y())));
    ZenubShapeTracks tracks = m_pressTracks;
    tracks.setEasing(m_dragChannel.property, m_pressKey.frame, easing);
    editTracks(tr("Change Easing"), tracks);
}

bool GraphEditorView::editTracks(const QString& text, const ZenubShapeTracks& tracks)
{
    if (!m_pDocument)
        return false;
    const int sceneIndex = m_scene;
    const GraphChannel channel = m_dragChannel;
    return m_pDocument->editProject(
        text,
        [&](ZenubProject& project) {
            if (sceneIndex < 0 || sceneIndex >= project.getScenes().size())
                return false;
            ZenubScene& target = project.scenes()[sceneIndex];
            if (channel.layer < 0 || channel.layer >= target.getLayers().size())
                return false;
            auto& shapes = target.layers()[channel.layer].shapes();
            if (channel.shape < 0 || channel.shape >= shapes.size())
                return false;
            shapes[channel.shape].tracks() = tracks;
            return true;
        },
        m_mergeKey);
}

void GraphEditorView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    const QPointF at = event->position();
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->modifiers() & Qt::ShiftModifier)
            m_mapping.zoomValues(std::pow(1.25, steps), at.y());
        else
            m_mapping.zoomFrames(std::pow(1.25, steps), at.x());
    } else if (event->modifiers() & Qt::ShiftModifier) {
        m_mapping.pan(QPointF(steps * 40, 0));
    } else {
        m_mapping.pan(QPointF(event->angleDelta().x() / 3.0, steps * 40));
    }
    event->accept();
    update();
}
