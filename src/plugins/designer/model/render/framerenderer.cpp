// SPDX-License-Identifier: MIT
#include "framerenderer.h"

#include "model/project/zenubproject.h"
#include "shapeimages.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>

FrameRenderer::FrameRenderer(const ZenubProject& project)
    : m_project(project)
{}

void FrameRenderer::setSelection(const QVector<ShapeIndex>& shapes, const QPointF& offset)
{
    m_selected = shapes;
    m_selectionOffset = offset;
}

QFont FrameRenderer::textFont(const ZenubShape& shape, const QRectF& box)
{
    // A named family rather than the widget's font: every picture of a frame must match.
    QFont font(shape.getFontFamily());
    font.setStyleHint(QFont::SansSerif);
    // Without a size of its own, each line gets its share of the box's height, and the text
    // shrinks when its widest line would run past the box's sides.
    const QStringList lines = shape.getText().split(QLatin1Char('\n'));
    int pixels = shape.getFontSize() > 0 ? std::max(1, int(shape.getFontSize()))
                                         : std::max(1, int(box.height() * 0.7 / lines.size()));
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font);
    double textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    if (shape.getFontSize() <= 0 && textWidth > box.width() && textWidth > 0) {
        pixels = std::max(1, int(pixels * box.width() / textWidth));
        font.setPixelSize(pixels);
    }
    return font;
}

QRectF FrameRenderer::shapeRect(const ZenubKeyframe& state)
{
    return QRectF(state.getX(), state.getY(), state.getWidth(), state.getHeight());
}

QTransform FrameRenderer::shapeTransform(const ZenubKeyframe& state)
{
    const QPointF centre = shapeRect(state).center();
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(state.getRotation());
    transform.translate(-centre.x(), -centre.y());
    return transform;
}

void FrameRenderer::paintSelectionOutline(QPainter* painter, const QRectF& box)
{
    painter->save();
    painter->setOpacity(1.0);
    painter->setBrush(Qt::NoBrush);
    // Dark under light: on a light fill the dark edge shows, on a dark fill the orange does.
    QPen under(QColor(0x10, 0x10, 0x10));
    under.setCosmetic(true);
    under.setWidth(4);
    painter->setPen(under);
    painter->drawRect(box);
    QPen over(QColor(0xff, 0x8c, 0x00));
    over.setCosmetic(true);
    over.setWidth(2);
    over.setStyle(Qt::DashLine);
    painter->setPen(over);
    painter->drawRect(box);
    painter->restore();
}

void FrameRenderer::paint(QPainter* painter, int scene, double frame) const
{
    const QRectF stage(0, 0, m_project.getStageWidth(), m_project.getStageHeight());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::TextAntialiasing);
    painter->fillRect(stage, m_project.getBackgroundColor());
    painter->setClipRect(stage, Qt::IntersectClip);
    if (scene >= 0 && scene < m_project.getScenes().size()) {
        const QVector<ZenubLayer>& layers = m_project.getScenes().at(scene).getLayers();
        for (int l = 0; l < layers.size(); ++l) {
            if (!layers.at(l).isVisible())
                continue;
            const QVector<ZenubShape>& shapes = layers.at(l).getShapes();
            for (int s = 0; s < shapes.size(); ++s) {
                ZenubKeyframe state;
                if (!shapes.at(s).stateAt(frame, &state))
                    continue;
                const bool bSelected = m_selected.contains(ShapeIndex(l, s));
                if (bSelected) {
                    state.setX(state.getX() + m_selectionOffset.x());
                    state.setY(state.getY() + m_selectionOffset.y());
                }
                painter->save();
                painter->setTransform(shapeTransform(state), true);
                paintShape(painter, shapes.at(s), state);
                if (bSelected)
                    paintSelectionOutline(painter, shapeRect(state));
                painter->restore();
            }
        }
    }
    painter->restore();
}

void FrameRenderer::paintShape(QPainter* painter, const ZenubShape& shape,
                               const ZenubKeyframe& state) const
{
    painter->setOpacity(state.getOpacity());
    const QRectF box = shapeRect(state);
    QPen outline(Qt::NoPen);
    if (shape.getStrokeWidth() > 0) {
        outline = QPen(shape.getStrokeColor(), shape.getStrokeWidth());
        outline.setJoinStyle(Qt::MiterJoin);
    }
    painter->setPen(outline);
    painter->setBrush(shape.getFillColor());
    switch (shape.getType()) {
    case ZenubShape::Type::Rectangle: {
        const double radius =
            std::min(shape.getCornerRadius(), std::min(box.width(), box.height()) / 2);
        if (radius > 0)
            painter->drawRoundedRect(box, radius, radius);
        else
            painter->drawRect(box);
        break;
    }
    case ZenubShape::Type::Ellipse:
        painter->drawEllipse(box);
        break;
    case ZenubShape::Type::Text: {
        painter->setFont(textFont(shape, box));
        painter->setPen(shape.getFillColor());
        painter->drawText(box, Qt::AlignCenter | Qt::TextDontClip, shape.getText());
        break;
    }
    case ZenubShape::Type::Image:
        ShapeImages::paint(painter, shape.getImageData(), shape.getImageFormat(), box);
        if (shape.getStrokeWidth() > 0) {
            painter->setBrush(Qt::NoBrush);
            painter->setPen(outline);
            painter->drawRect(box);
        }
        break;
    }
}

QImage FrameRenderer::render(int scene, double frame, const QSize& size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(m_project.getBackgroundColor());
    const double width = std::max(1, m_project.getStageWidth());
    const double height = std::max(1, m_project.getStageHeight());
    const double scale = std::min(size.width() / width, size.height() / height);
    QPainter painter(&image);
    painter.translate((size.width() - width * scale) / 2, (size.height() - height * scale) / 2);
    painter.scale(scale, scale);
    paint(&painter, scene, frame);
    return image;
}

bool FrameRenderer::shapeAt(int scene, double frame, const QPointF& point, int* layer,
                            int* shape) const
{
    if (scene < 0 || scene >= m_project.getScenes().size())
        return false;
    const QVector<ZenubLayer>& layers = m_project.getScenes().at(scene).getLayers();
    // Last drawn is on top, so search backwards; a locked layer's shapes cannot be picked.
    for (int l = layers.size() - 1; l >= 0; --l) {
        if (!layers.at(l).isVisible() || layers.at(l).isLocked())
            continue;
        const QVector<ZenubShape>& shapes = layers.at(l).getShapes();
        for (int s = shapes.size() - 1; s >= 0; --s) {
            ZenubKeyframe state;
            if (!shapes.at(s).stateAt(frame, &state))
                continue;
            if (shapeRect(state).contains(shapeTransform(state).inverted().map(point))) {
                *layer = l;
                *shape = s;
                return true;
            }
        }
    }
    return false;
}
