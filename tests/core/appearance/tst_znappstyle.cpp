// SPDX-License-Identifier: MIT
#include <appearance/znappstyle.h>
#include <plugin/dpi.h>

#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(QStyle::PixelMetric)

namespace {

// A style stacked above ZNAppStyle: the derived metrics must ask it, not their own table.
class ProbeStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override
    {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        switch (metric) {
        case PM_DefaultTopLevelMargin:
            return 21;
        case PM_DefaultChildMargin:
            return 7;
        case PM_DefaultLayoutSpacing:
            return 5;
        case PM_MenuPanelWidth:
            return 4;
        case PM_SliderControlThickness:
            return 10;
        case PM_SliderLength:
            return 30;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
        QT_WARNING_POP
    }
};

} // namespace

class tst_ZNAppStyle : public QObject
{
    Q_OBJECT
private slots:
    void scaleRules_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("five");     // S(5) and I(5)
        QTest::addColumn<int>("thirteen"); // S(13)
        QTest::addColumn<int>("factor");

        QTest::newRow("96") << 96 << 5 << 13 << 1;
        QTest::newRow("143") << 143 << 7 << 19 << 1;
        QTest::newRow("144") << 144 << 7 << 19 << 2;
        QTest::newRow("240 rounds up") << 240 << 12 << 32 << 3;
        QTest::newRow("40 never below one") << 40 << 2 << 5 << 1;
    }
    void scaleRules()
    {
        QFETCH(int, dpi);
        QFETCH(int, five);
        QFETCH(int, thirteen);
        QFETCH(int, factor);
        QCOMPARE(ZNAppStyle::truncatedScale(5, dpi), five);
        QCOMPARE(ZNAppStyle::integerScale(5, dpi), five);
        QCOMPARE(ZNAppStyle::truncatedScale(13, dpi), thirteen);
        QCOMPARE(ZNAppStyle::wholeFactor(dpi), factor);
    }
    void metricTable_data()
    {
        QTest::addColumn<QStyle::PixelMetric>("metric");
        QTest::addColumn<QList<int>>("expected"); // at 96, 120, 144, 192; -1: not the table's

        using S = QStyle;
        auto row = [](const char* name, QStyle::PixelMetric metric, QList<int> values) {
            QTest::newRow(name) << metric << values;
        };
        row("DefaultFrameWidth", S::PM_DefaultFrameWidth, {0, 0, 0, 0});
        row("DockWidgetTitleBarButtonMargin", S::PM_DockWidgetTitleBarButtonMargin, {2, 2, 3, 4});
        row("IndicatorWidth", S::PM_IndicatorWidth, {13, 16, 19, 26});
        row("MdiSubWindowMinimizedWidth", S::PM_MdiSubWindowMinimizedWidth, {196, 245, 294, 392});
        row("ScrollBarExtent", S::PM_ScrollBarExtent, {12, 12, 24, 24});
        row("SplitterWidth is the base's", S::PM_SplitterWidth, {-1, -1, -1, -1});
        row("custom metric is the base's", S::PixelMetric(S::PM_CustomBase + 1), {-1, -1, -1, -1});
        row("layout margins are derived", S::PM_LayoutLeftMargin, {-1, -1, -1, -1});
    }
    void metricTable()
    {
        QFETCH(QStyle::PixelMetric, metric);
        QFETCH(QList<int>, expected);
        const int densities[] = {96, 120, 144, 192};
        for (int i = 0; i < 4; ++i) {
            const std::optional<int> value = ZNAppStyle::tableMetric(metric, densities[i], 96);
            QCOMPARE(value.value_or(-1), expected.at(i));
        }
    }
    void layoutMetricsAskTheProxy_data()
    {
        QTest::addColumn<QStyle::PixelMetric>("metric");
        QTest::addColumn<int>("optionState"); // -1: no option
        QTest::addColumn<int>("widget");      // 0: none, 1: top-level, 2: child
        QTest::addColumn<int>("expected");

        const int window = int(QStyle::State_Window | QStyle::State_Enabled);
        const int plain = int(QStyle::State_Enabled);
        QTest::newRow("window option") << QStyle::PM_LayoutLeftMargin << window << 2 << 21;
        QTest::newRow("child option") << QStyle::PM_LayoutBottomMargin << plain << 1 << 7;
        QTest::newRow("top-level widget") << QStyle::PM_LayoutTopMargin << -1 << 1 << 21;
        QTest::newRow("nothing") << QStyle::PM_LayoutLeftMargin << -1 << 0 << 7;
        QTest::newRow("submenu overlap") << QStyle::PM_SubMenuOverlap << -1 << 0 << -4;
    }
    void layoutMetricsAskTheProxy()
    {
        QFETCH(QStyle::PixelMetric, metric);
        QFETCH(int, optionState);
        QFETCH(int, widget);
        QFETCH(int, expected);

        ProbeStyle probe(new ZNAppStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
        QWidget topLevel;
        QWidget child(&topLevel);
        const QWidget* widgets[] = {nullptr, &topLevel, &child};
        QStyleOption option;
        option.state = QStyle::State(optionState);
        QCOMPARE(probe.pixelMetric(metric, optionState < 0 ? nullptr : &option, widgets[widget]),
                 expected);
    }
    void sliderMetricsAskTheProxy_data()
    {
        QTest::addColumn<QStyle::PixelMetric>("metric");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("expected");

        // A 200 x 40 groove; the probe's handle is 30 long and its groove 10 thick.
        QTest::newRow("space beside the handle")
            << QStyle::PM_SliderSpaceAvailable << Qt::Horizontal << int(QSlider::NoTicks) << 170;
        QTest::newRow("ticks on both sides") << QStyle::PM_SliderTickmarkOffset << Qt::Horizontal
                                             << int(QSlider::TicksBothSides) << 15;
        QTest::newRow("ticks above, upright")
            << QStyle::PM_SliderTickmarkOffset << Qt::Vertical << int(QSlider::TicksAbove) << 190;
    }
    void sliderMetricsAskTheProxy()
    {
        QFETCH(QStyle::PixelMetric, metric);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, ticks);
        QFETCH(int, expected);

        ProbeStyle probe(new ZNAppStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
        QStyleOptionSlider slider;
        slider.orientation = orientation;
        slider.rect = QRect(0, 0, 200, 40);
        slider.tickPosition = QSlider::TickPosition(ticks);
        QCOMPARE(probe.pixelMetric(metric, &slider), expected);
    }
};

QTEST_MAIN(tst_ZNAppStyle)
#include "tst_znappstyle.moc"
