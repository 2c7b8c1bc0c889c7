// SPDX-License-Identifier: MIT
#include "znappstyle.h"

#include "plugin/dpi.h"
#include "styleglyphs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QPainter>
#include <QPolygonF>
#include <QStyleOption>
#include <QtMath>

namespace {

enum class Rule { Fixed, S, F, FMainWindow };

struct MetricRule
{
    QStyle::PixelMetric metric;
    Rule rule;
    int value;
};

// The layout metrics below are deprecated in Qt 5 but still asked by every style and layout.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

// Sizes designed for 96 dots per inch. S scales by a truncated product, F by the whole-number
// factor so that icons stay crisp at their 1x or 2x images.
const MetricRule metricRules[] = {
    {QStyle::PM_ButtonDefaultIndicator, Rule::Fixed, 0},
    {QStyle::PM_ButtonShiftHorizontal, Rule::Fixed, 0},
    {QStyle::PM_ButtonShiftVertical, Rule::Fixed, 0},
    {QStyle::PM_DefaultFrameWidth, Rule::Fixed, 0},
    {QStyle::PM_MenuHMargin, Rule::Fixed, 0},
    {QStyle::PM_MenuVMargin, Rule::Fixed, 0},
    {QStyle::PM_MenuDesktopFrameWidth, Rule::Fixed, 0},
    {QStyle::PM_MenuBarItemSpacing, Rule::Fixed, 0},
    {QStyle::PM_MenuBarVMargin, Rule::Fixed, 0},
    {QStyle::PM_MenuBarHMargin, Rule::Fixed, 0},
    {QStyle::PM_TabBarTabShiftHorizontal, Rule::Fixed, 0},
    {QStyle::PM_TabBarTabShiftVertical, Rule::Fixed, 0},
    {QStyle::PM_ToolBarItemSpacing, Rule::Fixed, 0},
    {QStyle::PM_ToolBarItemMargin, Rule::Fixed, 0},
    {QStyle::PM_DockWidgetTitleMargin, Rule::Fixed, 0},
    {QStyle::PM_TabBar_ScrollButtonOverlap, Rule::Fixed, 0},
    {QStyle::PM_DockWidgetFrameWidth, Rule::Fixed, 1},
    {QStyle::PM_ToolTipLabelFrameWidth, Rule::Fixed, 1},
    {QStyle::PM_MenuBarPanelWidth, Rule::Fixed, 2},
    {QStyle::PM_SpinBoxSliderHeight, Rule::Fixed, 2},
    {QStyle::PM_FocusFrameVMargin, Rule::Fixed, 2},
    {QStyle::PM_FocusFrameHMargin, Rule::Fixed, 2},
    {QStyle::PM_TabBarTabOverlap, Rule::Fixed, 3},
    {QStyle::PM_ProgressBarChunkWidth, Rule::Fixed, 9},
    {QStyle::PM_DockWidgetTitleBarButtonMargin, Rule::S, 2},
    {QStyle::PM_MdiSubWindowFrameWidth, Rule::S, 4},
    {QStyle::PM_HeaderMargin, Rule::S, 4},
    {QStyle::PM_HeaderGripMargin, Rule::S, 4},
    {QStyle::PM_DialogButtonsSeparator, Rule::S, 5},
    {QStyle::PM_ButtonMargin, Rule::S, 6},
    {QStyle::PM_DockWidgetSeparatorExtent, Rule::S, 6},
    {QStyle::PM_DefaultLayoutSpacing, Rule::S, 6},
    {QStyle::PM_CheckBoxLabelSpacing, Rule::S, 6},
    {QStyle::PM_RadioButtonLabelSpacing, Rule::S, 6},
    {QStyle::PM_DockWidgetHandleExtent, Rule::S, 8},
    {QStyle::PM_ScrollBarSliderMin, Rule::S, 9},
    {QStyle::PM_DefaultChildMargin, Rule::S, 9},
    {QStyle::PM_MenuButtonIndicator, Rule::S, 10},
    {QStyle::PM_MenuScrollerHeight, Rule::S, 10},
    {QStyle::PM_MenuTearoffHeight, Rule::S, 10},
    {QStyle::PM_DefaultTopLevelMargin, Rule::S, 11},
    {QStyle::PM_ExclusiveIndicatorWidth, Rule::S, 12},
    {QStyle::PM_ExclusiveIndicatorHeight, Rule::S, 12},
    {QStyle::PM_IndicatorWidth, Rule::S, 13},
    {QStyle::PM_IndicatorHeight, Rule::S, 13},
    {QStyle::PM_SizeGripSize, Rule::S, 13},
    {QStyle::PM_SliderThickness, Rule::S, 16},
    {QStyle::PM_HeaderMarkSize, Rule::S, 16},
    {QStyle::PM_TabBarScrollButtonWidth, Rule::S, 16},
    {QStyle::PM_TabCloseIndicatorWidth, Rule::S, 16},
    {QStyle::PM_TabCloseIndicatorHeight, Rule::S, 16},
    {QStyle::PM_TitleBarButtonSize, Rule::S, 16},
    {QStyle::PM_TreeViewIndentation, Rule::S, 20},
    {QStyle::PM_DialogButtonsButtonHeight, Rule::S, 30},
    {QStyle::PM_HeaderDefaultSectionSizeVertical, Rule::S, 30},
    {QStyle::PM_DialogButtonsButtonWidth, Rule::S, 70},
    {QStyle::PM_HeaderDefaultSectionSizeHorizontal, Rule::S, 100},
    {QStyle::PM_MdiSubWindowMinimizedWidth, Rule::S, 196},
    {QStyle::PM_ScrollBarExtent, Rule::F, 12},
    {QStyle::PM_SmallIconSize, Rule::F, 16},
    {QStyle::PM_TabBarIconSize, Rule::F, 16},
    {QStyle::PM_ButtonIconSize, Rule::F, 16},
    {QStyle::PM_TitleBarButtonIconSize, Rule::F, 16},
    {QStyle::PM_ToolBarIconSize, Rule::F, 24},
    {QStyle::PM_ToolBarExtensionExtent, Rule::FMainWindow, 26},
    {QStyle::PM_IconViewIconSize, Rule::F, 32},
    {QStyle::PM_LargeIconSize, Rule::F, 32},
    {QStyle::PM_MessageBoxIconSize, Rule::F, 32},
};

QT_WARNING_POP

const MetricRule* findRule(QStyle::PixelMetric metric)
{
    for (const MetricRule& rule : metricRules) {
        if (rule.metric == metric)
            return &rule;
    }
    return nullptr;
}

int mainWindowDpi()
{
    return Dpi::screenDpi(nullptr);
}

int fontHeight(const QStyleOption* option, const QWidget* widget)
{
    return widget ? widget->fontMetrics().height() : option->fontMetrics.height();
}

} // namespace

ZNAppStyle::ZNAppStyle(QStyle* style)
    : QProxyStyle(style)
{}

ZNAppStyle::ZNAppStyle(const QString& key)
    : QProxyStyle(key)
{}

ZNAppStyle::~ZNAppStyle() = default;

int ZNAppStyle::truncatedScale(int n, int dpi)
{
    return static_cast<int>(dpi * n / 96.0);
}

int ZNAppStyle::integerScale(int n, int dpi)
{
    return dpi * n / 96;
}

int ZNAppStyle::wholeFactor(int dpi)
{
    const double scale = dpi / 96.0;
    const int percent = static_cast<int>(std::floor(scale * 100.0 + 0.5));
    const int factor = static_cast<int>(percent % 100 >= 50 ? std::ceil(scale) : std::floor(scale));
    // Below half the design density the rule would give 0, and every icon would vanish.
    return qMax(1, factor);
}

std::optional<int> ZNAppStyle::tableMetric(QStyle::PixelMetric metric, int dpi, int mainWindowDpi)
{
    const MetricRule* rule = findRule(metric);
    if (!rule)
        return std::nullopt;
    switch (rule->rule) {
    case Rule::Fixed:
        return rule->value;
    case Rule::S:
        return truncatedScale(rule->value, dpi);
    case Rule::F:
        return rule->value * wholeFactor(dpi);
    case Rule::FMainWindow:
        return rule->value * wholeFactor(mainWindowDpi);
    }
    return std::nullopt;
}

int ZNAppStyle::pixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const
{
    if (const std::optional<int> derived = derivedMetric(metric, option, widget))
        return *derived;
    const MetricRule* rule = findRule(metric);
    if (!rule)
        return QProxyStyle::pixelMetric(metric, option, widget);
    // Densities are looked up only for the metrics that need them; this runs on every layout.
    const int dpi = rule->rule == Rule::Fixed ? 96 : Dpi::screenDpi(widget);
    const int mainDpi = rule->rule == Rule::FMainWindow ? mainWindowDpi() : dpi;
    return *tableMetric(metric, dpi, mainDpi);
}

std::optional<int> ZNAppStyle::derivedMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                             const QWidget* widget) const
{
    // Each asks proxy() so that a style stacked above this one is honoured.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    switch (metric) {
    case PM_LayoutLeftMargin:
    case PM_LayoutTopMargin:
    case PM_LayoutRightMargin:
    case PM_LayoutBottomMargin: {
        const bool window =
            option ? option->state.testFlag(State_Window) : (widget && widget->isWindow());
        return proxy()->pixelMetric(window ? PM_DefaultTopLevelMargin : PM_DefaultChildMargin,
                                    option, widget);
    }
    case PM_LayoutHorizontalSpacing:
    case PM_LayoutVerticalSpacing:
        return proxy()->pixelMetric(PM_DefaultLayoutSpacing, option, widget);
    case PM_SubMenuOverlap:
        return -proxy()->pixelMetric(PM_MenuPanelWidth, option, widget);
    case PM_SliderTickmarkOffset: {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (!slider || slider->version < 1)
            return 0;
        const int space =
            slider->orientation == Qt::Horizontal ? slider->rect.height() : slider->rect.width();
        const int thickness = proxy()->pixelMetric(PM_SliderControlThickness, slider, widget);
        if (slider->tickPosition == QSlider::TicksBothSides)
            return (space - thickness) / 2;
        if (slider->tickPosition == QSlider::TicksAbove)
            return space - thickness;
        return 0;
    }
    case PM_SliderSpaceAvailable: {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (!slider)
            return 0;
        const int space =
            slider->orientation == Qt::Horizontal ? slider->rect.width() : slider->rect.height();
        return space - proxy()->pixelMetric(PM_SliderLength, slider, widget);
    }
    case PM_TitleBarHeight: {
        const auto* titleBar = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
        if (!titleBar || titleBar->version < 1)
            return truncatedScale(18, Dpi::screenDpi(widget));
        const Qt::WindowFlags type = titleBar->titleBarFlags & Qt::WindowType_Mask;
        if (type == Qt::Tool)
            return qMax(fontHeight(option, widget), integerScale(16, mainWindowDpi()));
        if (qobject_cast<const QDockWidget*>(widget))
            return qMax(widget->fontMetrics().height(), integerScale(13, Dpi::screenDpi(widget)));
        return qMax(fontHeight(option, widget), integerScale(18, mainWindowDpi()));
    }
    default:
        return std::nullopt;
    }
    QT_WARNING_POP
}

void ZNAppStyle::drawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_FrameTabBarBase:
        return;
    case PE_IndicatorCheckBox:
        drawCheckBoxIndicator(option, painter, Dpi::screenDpi(widget));
        return;
    case PE_IndicatorArrowDown:
        drawArrowDown(option, painter, Dpi::screenDpi(widget));
        return;
    case PE_IndicatorArrowRight:
        drawArrowRight(option, painter, Dpi::screenDpi(widget));
        return;
    case PE_IndicatorMenuCheckMark:
        drawMenuCheckMark(option, painter, Dpi::screenDpi(widget));
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

QIcon ZNAppStyle::standardIcon(QStyle::StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const
{
    if (!StyleGlyphs::draws(icon))
        return QProxyStyle::standardIcon(icon, option, widget);
    if (option)
        return StyleGlyphs::icon(icon, option->palette);
    return StyleGlyphs::icon(icon, widget ? widget->palette() : QApplication::palette());
}

void ZNAppStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    // A dock makes its title buttons before the theme has given it its colours.
    if (qobject_cast<QDockWidget*>(widget))
        widget->installEventFilter(this);
}

void ZNAppStyle::unpolish(QWidget* widget)
{
    if (qobject_cast<QDockWidget*>(widget))
        widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool ZNAppStyle::eventFilter(QObject* watched, QEvent* event)
{
    auto* dock = qobject_cast<QDockWidget*>(watched);
    if (dock && event->type() == QEvent::PaletteChange) {
        const std::pair<const char*, StandardPixmap> buttons[] = {
            {"qt_dockwidget_closebutton", SP_TitleBarCloseButton},
            {"qt_dockwidget_floatbutton", SP_TitleBarNormalButton}};
        for (const auto& [name, glyph] : buttons)
            if (auto* button = dock->findChild<QAbstractButton*>(QLatin1String(name),
                                                                 Qt::FindDirectChildrenOnly))
                button->setIcon(StyleGlyphs::icon(glyph, dock->palette()));
    }
    return QProxyStyle::eventFilter(watched, event);
}

void ZNAppStyle::drawControl(QStyle::ControlElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ZNAppStyle::drawCheckBoxIndicator(const QStyleOption* option, QPainter* painter, int dpi)
{
    const auto I = [dpi](int n) {
        return integerScale(n, dpi);
    };
    const bool hovered = option->state.testFlag(State_MouseOver);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QRectF box = QRectF(option->rect).translated(I(1), I(1));
    painter->fillRect(box, hovered ? QColor(0xf7, 0x94, 0x1d) : QColor(0x49, 0x49, 0x49));

    box.adjust(I(1), I(1), -I(1), -I(1));
    QColor face(0x38, 0x38, 0x38);
    if (hovered)
        face = QColor(0x30, 0x30, 0x30);
    else if (option->state.testFlag(State_Enabled))
        face = QColor(0x2a, 0x2a, 0x2a);
    painter->fillRect(box, face);

    const QColor mark = option->palette.color(QPalette::Text);
    if (option->state.testFlag(State_NoChange)) {
        box.adjust(I(2), I(2), -I(2), -I(2));
        painter->fillRect(box, mark);
    }
    if (option->state.testFlag(State_On)) {
        const QPointF points[] = {
            QPointF(box.x() + I(2), box.y() + box.height() / 2 + I(1)),
            QPointF(box.x() + box.width() / 2, box.y() + box.height() - I(2)),
            QPointF(box.x() + box.width() - I(2), box.y() + I(3)),
        };
        painter->setPen(QPen(mark, I(2), Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawPolyline(points, 3);
    }
    painter->restore();
}

void ZNAppStyle::drawArrowDown(const QStyleOption* option, QPainter* painter, int dpi)
{
    const auto I = [dpi](int n) {
        return integerScale(n, dpi);
    };
    const QRect r = option->rect;
    if (r.width() <= I(1) || r.height() <= I(1))
        return;

    const int aw = I(8);
    const int ah = I(4);
    painter->save();
    painter->translate(r.x() + (r.width() - aw) / 2, r.y() + (r.height() - ah) / 2 + ah * 0.25);
    painter->translate(0, -1);
    painter->setRenderHint(QPainter::Antialiasing);
    const QPointF points[] = {QPointF(0, 0), QPointF(aw / 2, ah), QPointF(aw, 0)};
    painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::SolidLine, Qt::FlatCap,
                         Qt::RoundJoin));
    painter->drawPolyline(points, 3);
    painter->restore();
}

void ZNAppStyle::drawArrowRight(const QStyleOption* option, QPainter* painter, int dpi)
{
    const auto I = [dpi](int n) {
        return integerScale(n, dpi);
    };
    const QRect r = option->rect;
    if (r.width() <= I(1) || r.height() <= I(1))
        return;

    const int aw = I(6);
    const int ah = I(10);
    painter->save();
    painter->translate(r.x() + (r.width() - aw) / 2 - I(1), r.y() + (r.height() - ah) / 2);
    painter->setRenderHint(QPainter::Antialiasing);
    const QPointF points[] = {QPointF(I(1), I(1)), QPointF(aw - I(1), ah / 2),
                              QPointF(I(1), ah - I(1))};
    const QColor colour = option->state.testFlag(State_Enabled)
                              ? option->palette.color(QPalette::ButtonText)
                              : option->palette.color(QPalette::Mid);
    painter->setPen(QPen(colour, I(1), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter->drawPolyline(points, 3);
    painter->restore();
}

void ZNAppStyle::drawMenuCheckMark(const QStyleOption* option, QPainter* painter, int dpi)
{
    const auto I = [dpi](int n) {
        return integerScale(n, dpi);
    };
    const QRect r = option->rect;
    const int side = I(12);
    const QRect box(r.x() + (r.width() - side) / 2 + I(1), r.y() + (r.height() - side) / 2, side,
                    side);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPointF points[] = {
        QPointF(box.x() + I(2), box.y() + box.height() / 2 + I(1)),
        QPointF(box.x() + box.width() / 2, box.y() + box.height() - I(2)),
        QPointF(box.x() + box.width() - I(2), box.y() + I(3)),
    };
    const QColor colour = option->state.testFlag(State_On)
                              ? option->palette.color(QPalette::HighlightedText)
                              : option->palette.color(QPalette::Text);
    painter->setPen(QPen(colour, I(1), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter->drawPolyline(points, 3);
    painter->restore();
}
