// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QPainter;

// The glyphs of the editor's drawing tools and object commands, on a 24-unit grid whose
// strokes sit on half units. IconPainter renders them like its own glyphs.
class ToolIcons
{
public:
    static constexpr int Grid = 24;

    static QStringList names();
    // Draws |name| in grid units; false for a name that is not a tool icon.
    static bool draw(QPainter& p, const QString& name);

private:
    static void drawSelect(QPainter& p);
    static void drawNode(QPainter& p);
    static void drawRectangle(QPainter& p);
    static void drawEllipse(QPainter& p);
    static void drawPolygon(QPainter& p);
    static void drawPen(QPainter& p);
    static void drawText(QPainter& p);
    static void drawHand(QPainter& p);
    static void drawAlign(QPainter& p, int edge);
    static void drawDistribute(QPainter& p, bool horizontal);
    static void drawGroup(QPainter& p, bool grouped);
    static void drawTextAlign(QPainter& p, int where);
};
