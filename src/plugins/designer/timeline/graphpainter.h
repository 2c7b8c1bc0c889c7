// SPDX-License-Identifier: MIT
#ifndef GRAPHPAINTER_H
#define GRAPHPAINTER_H

class GraphCurves;
class GraphMapping;
class GraphPicker;
class QPainter;
class QPalette;
class QRect;
class TimeFormat;

/*!
    Draws a graph editor: the values' grid with its numbers at the left, the frames' ruler
    along the top, the curves with their keys and the handles of the segments in reach, and
    each curve's title.
*/
class GraphPainter
{
public:
    static constexpr int kAxisWidth = 56;

    GraphPainter(const GraphCurves& curves, const GraphMapping& mapping, const GraphPicker& picker,
                 const QPalette& palette);

    void paint(QPainter& painter, const QRect& rect, int duration, int frame,
               const TimeFormat& format) const;

private:
    void paintGrid(QPainter& painter, const QRect& rect) const;
    void paintRuler(QPainter& painter, const QRect& rect, int duration,
                    const TimeFormat& format) const;
    void paintCurve(QPainter& painter, int curve) const;
    void paintLegend(QPainter& painter) const;

    const GraphCurves& m_curves;
    const GraphMapping& m_mapping;
    const GraphPicker& m_picker;
    const QPalette& m_palette;
};

#endif
