#include <appearance/znappstyle.h>
#include <plugin/dpi.h>

#include <QDockWidget>
#include <QImage>
#include <QPainter>
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

const QColor markColour(0x00, 0xff, 0x00);
const QColor highlightedColour(0xff, 0x00, 0xff);
const QColor midColour(0x00, 0x00, 0xff);

QStyleOption makeOption(const QRect& rect, QStyle::State state)
{
    QStyleOption option;
    option.rect = rect;
    option.state = state;
    option.palette.setColor(QPalette::Text, markColour);
    option.palette.setColor(QPalette::ButtonText, markColour);
    option.palette.setColor(QPalette::HighlightedText, highlightedColour);
    option.palette.setColor(QPalette::Mid, midColour);
    return option;
}

using Draw = std::function<void(QPainter*)>;

QImage render(const QSize& size, const Draw& draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRect paintedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                area |= QRect(x, y, 1, 1);
    return area;
}

// Antialiased edges blend only alpha, so every clearly painted pixel carries the pen colour.
bool onlyColour(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128)
                continue;
            if (qAbs(qRed(p) - colour.red()) > 4 || qAbs(qGreen(p) - colour.green()) > 4 ||
                qAbs(qBlue(p) - colour.blue()) > 4)
                return false;
        }
    }
    return true;
}

int countColour(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour.rgba())
                ++count;
    return count;
}

} // namespace

class tst_ZNAppStyle : public QObject
{
    Q_OBJECT
private slots:
    void scaleRules_data();
    void scaleRules();
    void metricTable_data();
    void metricTable();
    void metricsFollowWidgetDensityOrBase();
    void layoutMetricsAskTheProxy_data();
    void layoutMetricsAskTheProxy();
    void sliderMetrics_data();
    void sliderMetrics();
    void titleBarHeight();
    void checkBoxColours_data();
    void checkBoxColours();
    void checkBoxMarks();
    void arrowsTooSmallDrawNothing_data();
    void arrowsTooSmallDrawNothing();
    void arrowsAndMenuMark_data();
    void arrowsAndMenuMark();
    void tabBarBaseSuppressed();
};

void tst_ZNAppStyle::scaleRules_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("five");     // S(5) and I(5)
    QTest::addColumn<int>("thirteen"); // S(13)
    QTest::addColumn<int>("factor");

    QTest::newRow("96") << 96 << 5 << 13 << 1;
    QTest::newRow("120") << 120 << 6 << 16 << 1;
    QTest::newRow("143") << 143 << 7 << 19 << 1;
    QTest::newRow("144") << 144 << 7 << 19 << 2;
    QTest::newRow("168") << 168 << 8 << 22 << 2;
    QTest::newRow("192") << 192 << 10 << 26 << 2;
    QTest::newRow("216 rounds down") << 216 << 11 << 29 << 2;
    QTest::newRow("240 rounds up") << 240 << 12 << 32 << 3;
    QTest::newRow("72 rounds up") << 72 << 3 << 9 << 1;
    QTest::newRow("40 never below one") << 40 << 2 << 5 << 1;
}

void tst_ZNAppStyle::scaleRules()
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

void tst_ZNAppStyle::metricTable_data()
{
    QTest::addColumn<QStyle::PixelMetric>("metric");
    QTest::addColumn<QList<int>>("expected"); // at 96, 120, 144, 192; -1: not the table's

    using S = QStyle;
    auto row = [](const char* name, QStyle::PixelMetric metric, QList<int> values) {
        QTest::newRow(name) << metric << values;
    };
    row("DefaultFrameWidth", S::PM_DefaultFrameWidth, {0, 0, 0, 0});
    row("MenuBarHMargin", S::PM_MenuBarHMargin, {0, 0, 0, 0});
    row("ToolTipLabelFrameWidth", S::PM_ToolTipLabelFrameWidth, {1, 1, 1, 1});
    row("MenuBarPanelWidth", S::PM_MenuBarPanelWidth, {2, 2, 2, 2});
    row("TabBarTabOverlap", S::PM_TabBarTabOverlap, {3, 3, 3, 3});
    row("ProgressBarChunkWidth", S::PM_ProgressBarChunkWidth, {9, 9, 9, 9});
    row("DockWidgetTitleBarButtonMargin", S::PM_DockWidgetTitleBarButtonMargin, {2, 2, 3, 4});
    row("HeaderMargin", S::PM_HeaderMargin, {4, 5, 6, 8});
    row("DialogButtonsSeparator", S::PM_DialogButtonsSeparator, {5, 6, 7, 10});
    row("ButtonMargin", S::PM_ButtonMargin, {6, 7, 9, 12});
    row("CheckBoxLabelSpacing", S::PM_CheckBoxLabelSpacing, {6, 7, 9, 12});
    row("DockWidgetHandleExtent", S::PM_DockWidgetHandleExtent, {8, 10, 12, 16});
    row("ScrollBarSliderMin", S::PM_ScrollBarSliderMin, {9, 11, 13, 18});
    row("MenuTearoffHeight", S::PM_MenuTearoffHeight, {10, 12, 15, 20});
    row("ExclusiveIndicatorHeight", S::PM_ExclusiveIndicatorHeight, {12, 15, 18, 24});
    row("IndicatorWidth", S::PM_IndicatorWidth, {13, 16, 19, 26});
    row("SizeGripSize", S::PM_SizeGripSize, {13, 16, 19, 26});
    row("TitleBarButtonSize", S::PM_TitleBarButtonSize, {16, 20, 24, 32});
    row("TreeViewIndentation", S::PM_TreeViewIndentation, {20, 25, 30, 40});
    row("DialogButtonsButtonHeight", S::PM_DialogButtonsButtonHeight, {30, 37, 45, 60});
    row("DialogButtonsButtonWidth", S::PM_DialogButtonsButtonWidth, {70, 87, 105, 140});
    row("HeaderDefaultSectionSizeHorizontal", S::PM_HeaderDefaultSectionSizeHorizontal,
        {100, 125, 150, 200});
    row("MdiSubWindowMinimizedWidth", S::PM_MdiSubWindowMinimizedWidth, {196, 245, 294, 392});
    row("ScrollBarExtent", S::PM_ScrollBarExtent, {12, 12, 24, 24});
    row("SmallIconSize", S::PM_SmallIconSize, {16, 16, 32, 32});
    row("TitleBarButtonIconSize", S::PM_TitleBarButtonIconSize, {16, 16, 32, 32});
    row("ToolBarIconSize", S::PM_ToolBarIconSize, {24, 24, 48, 48});
    row("MessageBoxIconSize", S::PM_MessageBoxIconSize, {32, 32, 64, 64});
    row("SplitterWidth is the base's", S::PM_SplitterWidth, {-1, -1, -1, -1});
    row("SliderLength is the base's", S::PM_SliderLength, {-1, -1, -1, -1});
    row("custom metric is the base's", S::PixelMetric(S::PM_CustomBase + 1), {-1, -1, -1, -1});
    row("layout margins are derived", S::PM_LayoutLeftMargin, {-1, -1, -1, -1});
}

void tst_ZNAppStyle::metricTable()
{
    QFETCH(QStyle::PixelMetric, metric);
    QFETCH(QList<int>, expected);
    const int densities[] = {96, 120, 144, 192};
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> value = ZNAppStyle::tableMetric(metric, densities[i], 96);
        QCOMPARE(value.value_or(-1), expected.at(i));
    }
}

void tst_ZNAppStyle::metricsFollowWidgetDensityOrBase()
{
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QVERIFY(fusion);
    const int splitter = fusion->pixelMetric(QStyle::PM_SplitterWidth);
    ZNAppStyle style(fusion);
    QWidget widget;
    const int dpi = Dpi::screenDpi(&widget);

    QCOMPARE(style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget),
             ZNAppStyle::truncatedScale(13, dpi));
    QCOMPARE(style.pixelMetric(QStyle::PM_SmallIconSize, nullptr, &widget),
             16 * ZNAppStyle::wholeFactor(dpi));
    QCOMPARE(style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget), 0);
    QCOMPARE(style.pixelMetric(QStyle::PM_SplitterWidth, nullptr, &widget), splitter);
    // The extension button follows the main window even when asked for a widget.
    QCOMPARE(*ZNAppStyle::tableMetric(QStyle::PM_ToolBarExtensionExtent, 192, 96), 26);
    QCOMPARE(*ZNAppStyle::tableMetric(QStyle::PM_ToolBarExtensionExtent, 96, 144), 52);
}

void tst_ZNAppStyle::layoutMetricsAskTheProxy_data()
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
    QTest::newRow("child widget") << QStyle::PM_LayoutRightMargin << -1 << 2 << 7;
    QTest::newRow("nothing") << QStyle::PM_LayoutLeftMargin << -1 << 0 << 7;
    QTest::newRow("horizontal spacing") << QStyle::PM_LayoutHorizontalSpacing << -1 << 0 << 5;
    QTest::newRow("vertical spacing") << QStyle::PM_LayoutVerticalSpacing << plain << 2 << 5;
    QTest::newRow("submenu overlap") << QStyle::PM_SubMenuOverlap << -1 << 0 << -4;
}

void tst_ZNAppStyle::layoutMetricsAskTheProxy()
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

void tst_ZNAppStyle::sliderMetrics_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("tickOffset");
    QTest::addColumn<int>("space");

    // The probe gives a control thickness of 10 and a slider length of 30.
    QTest::newRow("horizontal both")
        << int(Qt::Horizontal) << int(QSlider::TicksBothSides) << QSize(200, 40) << 15 << 170;
    QTest::newRow("horizontal above")
        << int(Qt::Horizontal) << int(QSlider::TicksAbove) << QSize(200, 40) << 30 << 170;
    QTest::newRow("horizontal below")
        << int(Qt::Horizontal) << int(QSlider::TicksBelow) << QSize(150, 40) << 0 << 120;
    QTest::newRow("horizontal none")
        << int(Qt::Horizontal) << int(QSlider::NoTicks) << QSize(200, 40) << 0 << 170;
    QTest::newRow("vertical both")
        << int(Qt::Vertical) << int(QSlider::TicksBothSides) << QSize(50, 300) << 20 << 270;
    QTest::newRow("vertical left")
        << int(Qt::Vertical) << int(QSlider::TicksLeft) << QSize(50, 300) << 40 << 270;
}

void tst_ZNAppStyle::sliderMetrics()
{
    QFETCH(int, orientation);
    QFETCH(int, ticks);
    QFETCH(QSize, size);
    QFETCH(int, tickOffset);
    QFETCH(int, space);

    ProbeStyle probe(new ZNAppStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QStyleOptionSlider slider;
    slider.orientation = Qt::Orientation(orientation);
    slider.tickPosition = QSlider::TickPosition(ticks);
    slider.rect = QRect(QPoint(3, 4), size);
    QCOMPARE(probe.pixelMetric(QStyle::PM_SliderTickmarkOffset, &slider), tickOffset);
    QCOMPARE(probe.pixelMetric(QStyle::PM_SliderSpaceAvailable, &slider), space);

    // Without a slider option there is nothing to measure.
    QStyleOption plain;
    plain.rect = slider.rect;
    QCOMPARE(probe.pixelMetric(QStyle::PM_SliderTickmarkOffset, &plain), 0);
    QCOMPARE(probe.pixelMetric(QStyle::PM_SliderSpaceAvailable, &plain), 0);
}

void tst_ZNAppStyle::titleBarHeight()
{
    ZNAppStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    const int dpi = Dpi::screenDpi(nullptr);

    QFont tiny;
    tiny.setPixelSize(4);
    QFont huge;
    huge.setPixelSize(60);

    QStyleOptionTitleBar option;
    option.fontMetrics = QFontMetrics(tiny);
    option.titleBarFlags = Qt::Tool | Qt::WindowTitleHint;
    QCOMPARE(style.pixelMetric(QStyle::PM_TitleBarHeight, &option),
             ZNAppStyle::integerScale(16, dpi));
    option.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
    QCOMPARE(style.pixelMetric(QStyle::PM_TitleBarHeight, &option),
             ZNAppStyle::integerScale(18, dpi));
    option.fontMetrics = QFontMetrics(huge);
    QCOMPARE(style.pixelMetric(QStyle::PM_TitleBarHeight, &option), QFontMetrics(huge).height());

    // A dock widget's own font counts, not the option's.
    QDockWidget dock;
    dock.setFont(tiny);
    QCOMPARE(style.pixelMetric(QStyle::PM_TitleBarHeight, &option, &dock),
             ZNAppStyle::integerScale(13, Dpi::screenDpi(&dock)));

    QStyleOption plain;
    QCOMPARE(style.pixelMetric(QStyle::PM_TitleBarHeight, &plain),
             ZNAppStyle::truncatedScale(18, dpi));
}

void tst_ZNAppStyle::checkBoxColours_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<QColor>("face");

    const QColor grey(0x49, 0x49, 0x49);
    const QColor orange(0xf7, 0x94, 0x1d);
    const int enabled = int(QStyle::State_Enabled | QStyle::State_Off);
    const int hovered = int(QStyle::State_Enabled | QStyle::State_MouseOver);
    QTest::newRow("enabled 96") << 96 << enabled << grey << QColor(0x2a, 0x2a, 0x2a);
    QTest::newRow("hovered 96") << 96 << hovered << orange << QColor(0x30, 0x30, 0x30);
    QTest::newRow("disabled 96") << 96 << int(QStyle::State_Off) << grey
                                 << QColor(0x38, 0x38, 0x38);
    QTest::newRow("hovered disabled 96")
        << 96 << int(QStyle::State_MouseOver) << orange << QColor(0x30, 0x30, 0x30);
    QTest::newRow("enabled 192") << 192 << enabled << grey << QColor(0x2a, 0x2a, 0x2a);
    QTest::newRow("hovered 192") << 192 << hovered << orange << QColor(0x30, 0x30, 0x30);
}

void tst_ZNAppStyle::checkBoxColours()
{
    QFETCH(int, dpi);
    QFETCH(int, state);
    QFETCH(QColor, border);
    QFETCH(QColor, face);

    const int unit = dpi / 96; // I(1) at these densities
    const int side = ZNAppStyle::truncatedScale(13, dpi);
    const QStyleOption option = makeOption(QRect(0, 0, side, side), QStyle::State(state));
    const QImage image = render(QSize(side + 4 * unit, side + 4 * unit), [&](QPainter* p) {
        ZNAppStyle::drawCheckBoxIndicator(&option, p, dpi);
    });

    // The box is moved right and down by one unit; its border is one unit wide.
    QCOMPARE(qAlpha(image.pixel(unit - 1, unit - 1)), 0);
    for (int i = 0; i < unit; ++i) {
        QCOMPARE(QColor(image.pixel(unit + i, unit + i)), border);
        QCOMPARE(QColor(image.pixel(side + unit - 1 - i, side + unit - 1 - i)), border);
    }
    QCOMPARE(QColor(image.pixel(2 * unit, 2 * unit)), face);
    QCOMPARE(QColor(image.pixel(side / 2 + unit, side / 2 + unit)), face);
    QCOMPARE(QColor(image.pixel(side + unit - 1 - unit, side + unit - 1 - unit)), face);
    QCOMPARE(qAlpha(image.pixel(side + unit, side + unit)), 0);
    QCOMPARE(countColour(image, markColour), 0);
}

void tst_ZNAppStyle::checkBoxMarks()
{
    const QRect rect(0, 0, 13, 13);
    auto draw = [&](QStyle::State state) {
        const QStyleOption option = makeOption(rect, state | QStyle::State_Enabled);
        return render(QSize(16, 16),
                      [&](QPainter* p) { ZNAppStyle::drawCheckBoxIndicator(&option, p, 96); });
    };

    // Partly checked: a solid square two units inside the face.
    const QImage partial = draw(QStyle::State_NoChange);
    QCOMPARE(paintedArea(partial), QRect(1, 1, 13, 13));
    QCOMPARE(QColor(partial.pixel(3, 3)), QColor(0x2a, 0x2a, 0x2a));
    QCOMPARE(countColour(partial, markColour), 7 * 7);
    QCOMPARE(QColor(partial.pixel(4, 4)), markColour);
    QCOMPARE(QColor(partial.pixel(10, 10)), markColour);

    // Checked: a tick from the left middle down to the bottom centre and up to the right.
    const QImage checked = draw(QStyle::State_On);
    QCOMPARE(QColor(checked.pixel(7, 10)), markColour);
    QCOMPARE(QColor(checked.pixel(2, 2)), QColor(0x2a, 0x2a, 0x2a));
    QCOMPARE(QColor(checked.pixel(11, 12)), QColor(0x2a, 0x2a, 0x2a));
    QVERIFY(countColour(checked, markColour) >= 8);

    QCOMPARE(countColour(draw(QStyle::State_Off), markColour), 0);
}

void tst_ZNAppStyle::arrowsTooSmallDrawNothing_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("dpi");

    QTest::newRow("down, 1 wide") << int(QStyle::PE_IndicatorArrowDown) << QRect(5, 5, 1, 10) << 96;
    QTest::newRow("down, 1 high") << int(QStyle::PE_IndicatorArrowDown) << QRect(5, 5, 10, 1) << 96;
    QTest::newRow("right, 1 wide")
        << int(QStyle::PE_IndicatorArrowRight) << QRect(5, 5, 1, 10) << 96;
    QTest::newRow("right, 2 wide at 192")
        << int(QStyle::PE_IndicatorArrowRight) << QRect(5, 5, 2, 10) << 192;
}

void tst_ZNAppStyle::arrowsTooSmallDrawNothing()
{
    QFETCH(int, element);
    QFETCH(QRect, rect);
    QFETCH(int, dpi);

    const QStyleOption option = makeOption(rect, QStyle::State_Enabled);
    QTransform transform;
    QPen pen;
    const QImage image = render(QSize(20, 20), [&](QPainter* p) {
        p->setPen(QPen(Qt::red, 3));
        if (element == QStyle::PE_IndicatorArrowDown)
            ZNAppStyle::drawArrowDown(&option, p, dpi);
        else
            ZNAppStyle::drawArrowRight(&option, p, dpi);
        transform = p->transform();
        pen = p->pen();
    });
    QVERIFY(paintedArea(image).isEmpty());
    QVERIFY(transform.isIdentity());
    QCOMPARE(pen, QPen(Qt::red, 3));
}

void tst_ZNAppStyle::arrowsAndMenuMark_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("state");
    QTest::addColumn<QRect>("within");
    QTest::addColumn<QPoint>("tip");
    QTest::addColumn<QColor>("colour");

    const int enabled = int(QStyle::State_Enabled);
    // 16 x 16 at 96 dpi. Down: (4,6) (8,10) (12,6). Right: (5,4) (9,8) (5,12).
    // Menu mark in 20 x 20: (7,11) (11,14) (15,7).
    QTest::newRow("down") << int(QStyle::PE_IndicatorArrowDown) << enabled << QRect(3, 5, 11, 7)
                          << QPoint(8, 9) << markColour;
    QTest::newRow("right") << int(QStyle::PE_IndicatorArrowRight) << enabled << QRect(4, 3, 7, 11)
                           << QPoint(8, 8) << markColour;
    QTest::newRow("right disabled") << int(QStyle::PE_IndicatorArrowRight) << 0
                                    << QRect(4, 3, 7, 11) << QPoint(8, 8) << midColour;
    QTest::newRow("menu mark off") << int(QStyle::PE_IndicatorMenuCheckMark) << enabled
                                   << QRect(6, 6, 11, 10) << QPoint(11, 13) << markColour;
    QTest::newRow("menu mark on") << int(QStyle::PE_IndicatorMenuCheckMark)
                                  << int(enabled | QStyle::State_On) << QRect(6, 6, 11, 10)
                                  << QPoint(11, 13) << highlightedColour;
}

void tst_ZNAppStyle::arrowsAndMenuMark()
{
    QFETCH(int, element);
    QFETCH(int, state);
    QFETCH(QRect, within);
    QFETCH(QPoint, tip);
    QFETCH(QColor, colour);

    const bool menu = element == QStyle::PE_IndicatorMenuCheckMark;
    const QStyleOption option =
        makeOption(menu ? QRect(0, 0, 20, 20) : QRect(0, 0, 16, 16), QStyle::State(state));
    const QImage image = render(QSize(24, 24), [&](QPainter* p) {
        if (element == QStyle::PE_IndicatorArrowDown)
            ZNAppStyle::drawArrowDown(&option, p, 96);
        else if (element == QStyle::PE_IndicatorArrowRight)
            ZNAppStyle::drawArrowRight(&option, p, 96);
        else
            ZNAppStyle::drawMenuCheckMark(&option, p, 96);
    });

    const QRect area = paintedArea(image);
    QVERIFY2(!area.isEmpty(), "nothing drawn");
    QVERIFY2(within.contains(area), qPrintable(QStringLiteral("drawn in %1,%2 %3x%4")
                                                   .arg(area.x())
                                                   .arg(area.y())
                                                   .arg(area.width())
                                                   .arg(area.height())));
    QVERIFY(qAlpha(image.pixel(tip)) > 0);
    QVERIFY(onlyColour(image, colour));
}

void tst_ZNAppStyle::tabBarBaseSuppressed()
{
    ZNAppStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyleOptionTabBarBase option;
    option.rect = QRect(0, 0, 40, 10);
    option.tabBarRect = QRect(0, 0, 20, 10);
    option.shape = QTabBar::RoundedNorth;
    option.state = QStyle::State_Enabled;
    const QImage suppressed = render(QSize(40, 10), [&](QPainter* p) {
        style.drawPrimitive(QStyle::PE_FrameTabBarBase, &option, p);
    });
    QVERIFY(paintedArea(suppressed).isEmpty());

    // The other primitives reach the style's own drawing through drawPrimitive.
    const QStyleOption box = makeOption(QRect(0, 0, 13, 13), QStyle::State_MouseOver);
    const QImage check = render(QSize(16, 16), [&](QPainter* p) {
        style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, p);
    });
    QCOMPARE(QColor(check.pixel(1, 1)), QColor(0xf7, 0x94, 0x1d));
}

QTEST_MAIN(tst_ZNAppStyle)
#include "tst_znappstyle.moc"
