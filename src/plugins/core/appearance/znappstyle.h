// SPDX-License-Identifier: MIT
#ifndef ZNAPPSTYLE_H
#define ZNAPPSTYLE_H

#include "core_export.h"

#include <QProxyStyle>

#include <optional>

/*!
    The application-wide widget style: a proxy over the platform style whose pixel metrics follow
    the screen density (designed for 96 dots per inch) and which draws check boxes, the down and
    right arrows and the menu check mark in the application's dark look, and the tool
    glyphs (transport, dock buttons) in the text colour of the surface they are on. The tab-bar base
   line is suppressed; everything else is the base style's.

    Densities are looked up on every call, so a window that moves to another screen follows
    without a new style. The density arithmetic and the drawing are also offered as static
    functions of an explicit dots-per-inch value.
*/
class CORE_EXPORT ZNAppStyle : public QProxyStyle
{
    Q_OBJECT
public:
    /*! A proxy over \a style; null means the platform's default style. Takes ownership. */
    explicit ZNAppStyle(QStyle* style = nullptr);
    /*! A proxy over the style that QStyleFactory knows as \a key. */
    explicit ZNAppStyle(const QString& key);
    ~ZNAppStyle() override;

    void drawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                       QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    int pixelMetric(QStyle::PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    /*! Tool glyphs (transport, dock buttons) come in the text colour of \a widget or \a option. */
    QIcon standardIcon(QStyle::StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    /*! (int)(dpi * n / 96.0): a floating-point product truncated toward zero. */
    static int truncatedScale(int n, int dpi);
    /*! dpi * n / 96 in integer arithmetic. */
    static int integerScale(int n, int dpi);
    /*!
        The whole-number icon factor: the scale rounded to whole percent; its ceiling when the
        percent part is 50 or more, otherwise its floor. Never less than 1.
    */
    static int wholeFactor(int dpi);
    /*!
        The value of a metric that the style fixes itself, at \a dpi (the widget's density) and
        \a mainWindowDpi (the main window's, used where a metric follows the main window).
        Empty for metrics left to the base style or derived from other metrics.
    */
    static std::optional<int> tableMetric(QStyle::PixelMetric metric, int dpi, int mainWindowDpi);

    /*! The primitives this style draws itself, at an explicit density. */
    static void drawCheckBoxIndicator(const QStyleOption* option, QPainter* painter, int dpi);
    static void drawArrowDown(const QStyleOption* option, QPainter* painter, int dpi);
    static void drawArrowRight(const QStyleOption* option, QPainter* painter, int dpi);
    static void drawMenuCheckMark(const QStyleOption* option, QPainter* painter, int dpi);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<int> derivedMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const;
};

#endif
