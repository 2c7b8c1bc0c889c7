// SPDX-License-Identifier: MIT
#ifndef ZENUBSTROKE_H
#define ZENUBSTROKE_H

#include "zenubpaint.h"

#include <QString>
#include <QVector>

/*!
    The outline of a shape: its paint, width (stage pixels, centred on the outline; 0 draws
    none), the ends of open lines (cap), the corners (join, with the miter limit: a mitred corner
    whose tip would lie further than limit x width from the inner corner is bevelled instead),
    and an optional dash pattern.

    Dash lengths and the dash offset are stage pixels, alternately drawn and skipped, starting
    with a drawn one; a pattern of odd length repeats twice over, as on web pages. A pattern
    that adds up to less than minimumDashPattern() draws a solid line, so that a file cannot ask
    for millions of dashes.
*/
class ZenubStroke
{
public:
    enum class Cap { Flat, Square, Round };
    enum class Join { Miter, Bevel, Round };

    ZenubStroke() = default;

    const ZenubPaint& getPaint() const { return m_paint; }
    ZenubPaint& paint() { return m_paint; }
    void setPaint(const ZenubPaint& paint) { m_paint = paint; }
    double getWidth() const { return m_width; }
    void setWidth(double pixels) { m_width = pixels; }
    Cap getCap() const { return m_cap; }
    void setCap(Cap cap) { m_cap = cap; }
    Join getJoin() const { return m_join; }
    void setJoin(Join join) { m_join = join; }
    double getMiterLimit() const { return m_miterLimit; }
    void setMiterLimit(double limit) { m_miterLimit = limit; }
    const QVector<double>& getDashes() const { return m_dashes; }
    void setDashes(const QVector<double>& pixels) { m_dashes = pixels; }
    double getDashOffset() const { return m_dashOffset; }
    void setDashOffset(double pixels) { m_dashOffset = pixels; }

    bool isVisible() const { return m_width > 0 && m_paint.isVisible(); }
    /*! Whether the dash pattern is drawn (see the class description). */
    bool isDashed() const;
    /*! Only a colour and a width: what files before version 3 could hold. */
    bool isPlain() const;

    static constexpr double minimumDashPattern() { return 0.5; }
    static constexpr int maximumDashes() { return 64; }
    static QString capName(Cap cap);
    static QString joinName(Join join);

    bool operator==(const ZenubStroke& other) const;
    bool operator!=(const ZenubStroke& other) const { return !(*this == other); }

private:
    ZenubPaint m_paint;
    double m_width = 0;
    Cap m_cap = Cap::Flat;
    Join m_join = Join::Miter;
    double m_miterLimit = 2;
    QVector<double> m_dashes;
    double m_dashOffset = 0;
};

#endif
