// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;
class QPointF;
class QRect;

// Draws the application's icons as vectors directly at the requested pixel size.
// Each glyph is laid out on a small design grid (16 or 32 units) whose strokes sit on
// half units, so integer scale factors keep every straight edge on the pixel grid.
class IconPainter
{
public:
    // Names understood by render().
    static QStringList names();
    static bool hasIcon(const QString& name);

    // Renders icon |name| into a size x size transparent image. Returns a null image for
    // an unknown name. |disabled| yields the greyed, faded variant.
    static QImage render(const QString& name, int size, bool disabled = false);

    // One piece of the frameless window drop shadow ("top", "top_left", ...), 8 x 8 px.
    static QImage renderShadow(const QString& piece);
    static QStringList shadowPieces();
    static constexpr int ShadowThickness = 8;

    // Product mark (orange rounded square with a "Z") filling |rect|.
    static void drawMark(QPainter& p, const QRect& rect);

    // Converts a rendered image into its disabled look.
    static QImage toDisabled(const QImage& image);

private:
    static void drawNew(QPainter& p);
    static void drawOpen(QPainter& p);
    static void drawSave(QPainter& p);
    static void drawSaveAll(QPainter& p);
    static void drawSaveClose(QPainter& p);
    static void drawPreferences(QPainter& p);
    static void drawLanguage(QPainter& p);
    static void drawInformation(QPainter& p);
    static void drawWarning(QPainter& p);
    static void drawQuestion(QPainter& p);
    static void drawCritical(QPainter& p);
    static void drawUpdate(QPainter& p);
    static void drawClose(QPainter& p);
    static void drawMinimize(QPainter& p);
    static void drawMaximize(QPainter& p);
    static void drawRestore(QPainter& p);
    static void drawProject(QPainter& p, int size);

    static void drawFloppy(QPainter& p, int x, int y, int n);
    static void drawArcArrow(QPainter& p, const QPointF& center, double radius, double startDeg,
                             double sweepDeg);
};
