// SPDX-License-Identifier: MIT
#include "svgtext.h"

#include "model/edits/textedits.h"
#include "model/project/zenubshape.h"
#include "svgstyle.h"
#include "svgtransform.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

// SVG places text on its baseline from x on; our texts are centred in their box, so the box
// is made to fit the words exactly. Lines may be spans of their own (as editors write them),
// each at the same x, in the text's one style.
bool SvgText::read(const SvgDocument& document, const SvgDocument::Element& element,
                   const SvgStyle& style, const QTransform& toParent, ZenubShape* shape)
{
    // The words turn and grow with the box only.
    SvgTransform::Boxed boxed;
    if (!SvgTransform::uniform(toParent) || !SvgTransform::boxed(toParent, &boxed))
        return false;
    bool ok = true;
    // A list of positions places each letter; the first one places the words.
    const auto first = [&ok](const SvgDocument::Element& of, const char* name, double fallback) {
        const QString list = of.attribute(QLatin1String(name)).simplified();
        double value = fallback;
        if (!list.isEmpty() &&
            !SvgStyle::length(list.section(QRegularExpression(QStringLiteral("[ ,]")), 0, 0),
                              &value))
            ok = false;
        return value;
    };
    double x = first(element, "x", 0);
    QStringList lines;
    QVector<double> baselines;
    if (element.children.isEmpty()) {
        lines << element.text.simplified();
        baselines << first(element, "y", 0);
    } else if (!element.text.trimmed().isEmpty()) {
        // Words beside spans: their order is not kept.
        return false;
    }
    static const char* const shared[] = {"fill",        "fill-opacity", "font-size",
                                         "font-family", "font-weight",  "font-style",
                                         "text-anchor", "stroke",       "visibility"};
    for (const int child : element.children) {
        const SvgDocument::Element& span = document.element(child);
        const SvgStyle own(style, span);
        if (span.name != QLatin1String("tspan") || !span.children.isEmpty() ||
            span.has(QStringLiteral("dx")) || span.has(QStringLiteral("dy")) ||
            span.has(QStringLiteral("rotate")) || own.isRefused() || own.opacity() != 1)
            return false;
        for (const char* name : shared)
            if (own.value(name) != style.value(name))
                return false;
        const double at = first(span, "x", x);
        const double baseline =
            first(span, "y", baselines.isEmpty() ? first(element, "y", 0) : baselines.last());
        if (!baselines.isEmpty() && baseline == baselines.last()) {
            lines.last() += span.text.simplified();
            continue;
        }
        // A line starting elsewhere would need a box of its own.
        if (!baselines.isEmpty() && std::abs(at - x) > 0.01)
            return false;
        x = at;
        lines << span.text.simplified();
        baselines << baseline;
    }
    if (!ok || lines.isEmpty())
        return false;
    double size = 16;
    if (!SvgStyle::length(style.value("font-size", "16"), &size) || size <= 0)
        return false;
    const QString family = style.value("font-family")
                               .section(QLatin1Char(','), 0, 0)
                               .trimmed()
                               .remove(QLatin1Char('"'))
                               .remove(QLatin1Char('\''));
    if (!family.isEmpty())
        shape->setFontFamily(family);
    shape->setText(lines.join(QLatin1Char('\n')));
    if (shape->getText().trimmed().isEmpty()) {
        shape->setText(QString());
        return true;
    }
    const QString weight = style.value("font-weight");
    ZenubTextRun run(shape->getText());
    run.bold = weight == QLatin1String("bold") || weight == QLatin1String("bolder") ||
               weight.toInt() >= 600;
    run.italic = style.value("font-style") == QLatin1String("italic") ||
                 style.value("font-style") == QLatin1String("oblique");
    shape->textContent().setRuns({run});
    QFont font(shape->getFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(size)));
    font.setBold(run.bold);
    font.setItalic(run.italic);
    const QFontMetricsF metrics(font);
    double width = 0;
    for (const QString& line : qAsConst(lines))
        width = std::max(width, metrics.horizontalAdvance(line));
    const QString anchor = style.value("text-anchor");
    const double across = anchor == QLatin1String("middle") ? 0.5
                          : anchor == QLatin1String("end")  ? 1.0
                                                            : 0.0;
    const double gap =
        baselines.size() > 1 ? (baselines.last() - baselines.first()) / (baselines.size() - 1) : 0;
    if (gap < 0)
        return false;
    if (lines.size() > 1) {
        shape->textContent().setAlignment(across == 0   ? ZenubText::Alignment::Left
                                          : across == 1 ? ZenubText::Alignment::Right
                                                        : ZenubText::Alignment::Center);
        const double spacing = gap / (metrics.ascent() + metrics.descent());
        // Lines on one another or far apart a text box does not lay out.
        if (!(spacing >= 0.1 && spacing <= 100))
            return false;
        shape->textContent().setLineSpacing(spacing);
    }
    shape->setFontSize(size * boxed.scaleX);
    const double height = metrics.height() + gap * (lines.size() - 1);
    const QRectF box = SvgTransform::boxOf(
        QRectF(x - across * width, baselines.first() - metrics.ascent(), width, height), toParent,
        boxed);
    ZenubKeyframe keyframe(0, box.x(), box.y(), box.width(), box.height());
    keyframe.setRotation(boxed.degrees);
    shape->setKeyframe(keyframe);
    // Several lines take the size their layout gives them, about the side they align to.
    if (lines.size() > 1)
        TextEdits::fitBox(*shape);
    return true;
}
