// SPDX-License-Identifier: MIT
#include "textlayout.h"

#include "model/project/zenubpaint.h"
#include "model/project/zenubtext.h"
#include "paintbrush.h"

#include <QCache>
#include <QFontMetricsF>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Larger fonts only slow drawing down: no stage is that tall.
constexpr int kLargestPixels = 10000;

// A piece of a paragraph in one run.
struct Piece
{
    int run = 0;
    int start = 0;
    int length = 0;
    double width = 0;
};

// Pieces that stay on one line, and how wide they are with and without their trailing spaces.
struct Word
{
    int first = 0;
    int count = 0;
    double width = 0;
    double visible = 0;
};

QFont fontFor(const QString& family, int pixels, bool bold, bool italic)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

int pixelsFor(double size)
{
    return std::clamp(int(size), 1, kLargestPixels);
}

// Ascent and descent of one pixel of the font, from the font at 1000 pixels.
QPair<double, double> unitMetrics(const QFont& font)
{
    static QMutex mutex;
    static QHash<QString, QPair<double, double>> known;
    const QString key = font.family() + QLatin1Char('|') + QString::number(font.bold()) +
                        QString::number(font.italic());
    QMutexLocker lock(&mutex);
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    QFont large(font);
    large.setPixelSize(1000);
    const QFontMetricsF metrics(large);
    const QPair<double, double> unit(metrics.ascent() / 1000, metrics.descent() / 1000);
    known.insert(key, unit);
    return unit;
}

struct LayoutKey
{
    quint64 text = 0;
    double size = 0;
    double width = 0;
    double height = 0;
    bool operator==(const LayoutKey& other) const
    {
        return text == other.text && size == other.size && width == other.width &&
               height == other.height;
    }
};

uint qHash(const LayoutKey& key, uint seed = 0)
{
    return ::qHash(key.text, seed) ^ ::qHash(key.size, seed) ^ ::qHash(key.width, seed) ^
           ::qHash(key.height, seed);
}

struct Cached
{
    std::shared_ptr<const TextLayout> layout;
};

QMutex& cacheMutex()
{
    static QMutex mutex;
    return mutex;
}

// Counted in lines and fragments: a few very long texts, or many short ones.
QCache<LayoutKey, Cached>& cache()
{
    static QCache<LayoutKey, Cached> layouts(4000000);
    return layouts;
}

} // namespace

class TextLayoutBuilder
{
public:
    TextLayoutBuilder(const ZenubText& text, const QVector<QFont>& fonts)
        : m_runs(text.getRuns())
    {
        for (const QFont& font : fonts)
            m_metrics.append(QFontMetricsF(font));
    }

    // Calls \a take with each paragraph's pieces, measured.
    template<typename Take>
    void paragraphs(Take take)
    {
        QVector<Piece> pieces;
        for (int r = 0; r < m_runs.size(); ++r) {
            const QString& words = m_runs.at(r).text;
            int start = 0;
            for (;;) {
                const int end = words.indexOf(QLatin1Char('\n'), start);
                const int stop = end < 0 ? words.size() : end;
                if (stop > start)
                    pieces.append(measured(Piece{r, start, stop - start, 0}));
                if (end < 0)
                    break;
                take(pieces);
                pieces.clear();
                start = end + 1;
            }
        }
        take(pieces);
    }

    // The paragraph's words: without wrapping, all of it is one.
    QVector<Word> words(QVector<Piece>& pieces, bool wrap)
    {
        QVector<Word> words;
        if (!wrap) {
            Word all{0, int(pieces.size()), 0, 0};
            for (const Piece& piece : qAsConst(pieces))
                all.width += piece.width;
            all.visible = all.width - trailingSpaces(pieces, 0, pieces.size());
            words.append(all);
            return words;
        }
        // Cut the pieces where a space is followed by something else.
        QVector<Piece> cut;
        QVector<int> starts{0};
        bool afterSpace = false;
        for (const Piece& piece : qAsConst(pieces)) {
            const QString& text = m_runs.at(piece.run).text;
            int from = piece.start;
            for (int i = piece.start; i < piece.start + piece.length; ++i) {
                const bool space = text.at(i) == QLatin1Char(' ');
                if (afterSpace && !space) {
                    if (i > from)
                        cut.append(measured(Piece{piece.run, from, i - from, 0}));
                    from = i;
                    starts.append(cut.size());
                }
                afterSpace = space;
            }
            cut.append(
                from == piece.start && piece.width > 0
                    ? piece
                    : measured(Piece{piece.run, from, piece.start + piece.length - from, 0}));
        }
        pieces = cut;
        starts.append(cut.size());
        for (int w = 0; w + 1 < starts.size(); ++w) {
            Word word{starts.at(w), starts.at(w + 1) - starts.at(w), 0, 0};
            if (word.count == 0)
                continue;
            for (int p = word.first; p < word.first + word.count; ++p)
                word.width += pieces.at(p).width;
            word.visible = word.width - trailingSpaces(pieces, word.first, word.count);
            words.append(word);
        }
        return words;
    }

    double advance(int run, int start, int length) const
    {
        const QString& text = m_runs.at(run).text;
        return m_metrics.at(run).horizontalAdvance(
            QString::fromRawData(text.constData() + start, length));
    }

private:
    Piece measured(Piece piece) const
    {
        piece.width = advance(piece.run, piece.start, piece.length);
        return piece;
    }

    // The width the spaces at the end of pieces[first, first + count) take.
    double trailingSpaces(const QVector<Piece>& pieces, int first, int count) const
    {
        double spaces = 0;
        for (int p = first + count - 1; p >= first; --p) {
            const Piece& piece = pieces.at(p);
            const QString& text = m_runs.at(piece.run).text;
            int end = piece.start + piece.length;
            while (end > piece.start && text.at(end - 1) == QLatin1Char(' '))
                --end;
            if (end == piece.start + piece.length)
                break;
            spaces += piece.width -
                      (end > piece.start ? advance(piece.run, piece.start, end - piece.start) : 0);
            if (end > piece.start)
                break;
        }
        return spaces;
    }

    const QVector<ZenubTextRun>& m_runs;
    QVector<QFontMetricsF> m_metrics;
};

std::shared_ptr<const TextLayout> TextLayout::of(const ZenubText& text, const QSizeF& size)
{
    // The box's size matters only to a text sized to it or wrapping in it.
    const bool fitted = text.getFontSize() <= 0;
    const bool wrapping = text.getBoxMode() == ZenubText::BoxMode::Wrap;
    const LayoutKey key{text.layoutKey(), text.getFontSize(), fitted || wrapping ? size.width() : 0,
                        fitted ? size.height() : 0};
    {
        QMutexLocker lock(&cacheMutex());
        if (const Cached* cached = cache().object(key))
            return cached->layout;
    }
    std::shared_ptr<TextLayout> layout(new TextLayout);
    layout->layOut(text, size);
    QMutexLocker lock(&cacheMutex());
    auto* cached = new Cached{layout};
    cache().insert(key, cached,
                   std::max(1, int(layout->m_lines.size() + layout->m_fragments.size())));
    return layout;
}

QSizeF TextLayout::naturalSize(const ZenubText& text, const QSizeF& size)
{
    return of(text, size)->size();
}

QString TextLayout::wordsOf(const ZenubText& text, const Fragment& fragment)
{
    return text.getRuns().at(fragment.run).text.mid(fragment.start, fragment.length);
}

void TextLayout::layOut(const ZenubText& text, const QSizeF& size)
{
    const QVector<ZenubTextRun>& runs = text.getRuns();
    const bool fitted = text.getFontSize() <= 0;
    const bool wrap = !fitted && text.getBoxMode() == ZenubText::BoxMode::Wrap;
    const auto fonts = [&](int basePixels) {
        QVector<QFont> result;
        for (const ZenubTextRun& run : runs) {
            const int pixels = !fitted && run.size > 0 ? pixelsFor(run.size) : basePixels;
            result.append(fontFor(run.family.isEmpty() ? text.getFontFamily() : run.family, pixels,
                                  run.bold, run.italic));
        }
        return result;
    };

    int basePixels = pixelsFor(text.getFontSize());
    if (fitted) {
        int paragraphs = 1;
        for (const ZenubTextRun& run : runs)
            paragraphs += run.text.count(QLatin1Char('\n'));
        basePixels = pixelsFor(size.height() * 0.7 / paragraphs);
        double widest = 0;
        TextLayoutBuilder measure(text, fonts(basePixels));
        measure.paragraphs([&](QVector<Piece>& pieces) {
            widest = std::max(widest, measure.words(pieces, false).value(0).visible);
        });
        if (widest > size.width() && widest > 0)
            basePixels = pixelsFor(basePixels * size.width() / widest);
    }
    m_fonts = fonts(basePixels);
    QVector<QPair<double, double>> metrics;
    for (const QFont& font : qAsConst(m_fonts)) {
        const QPair<double, double> unit = unitMetrics(font);
        metrics.append({unit.first * font.pixelSize(), unit.second * font.pixelSize()});
    }
    m_baseFont = fontFor(text.getFontFamily(), basePixels, false, false);
    const QPair<double, double> baseUnit = unitMetrics(m_baseFont);
    const double spacing = text.getLineSpacing();
    const double limit = wrap ? size.width() : std::numeric_limits<double>::infinity();

    TextLayoutBuilder builder(text, m_fonts);
    double top = 0;
    double widest = 0;
    const auto addLine = [&](const QVector<Piece>& pieces, const QVector<Word>& words, int first,
                             int count, double width) {
        Line line;
        line.first = m_fragments.size();
        line.width = width;
        double ascent = 0;
        double descent = 0;
        double x = 0;
        for (int w = first; w < first + count; ++w) {
            const Word& word = words.at(w);
            for (int p = word.first; p < word.first + word.count; ++p) {
                const Piece& piece = pieces.at(p);
                if (!m_fragments.isEmpty() && m_fragments.size() > line.first &&
                    m_fragments.last().run == piece.run &&
                    m_fragments.last().start + m_fragments.last().length == piece.start) {
                    m_fragments.last().length += piece.length;
                    m_fragments.last().width += piece.width;
                } else {
                    m_fragments.append(
                        Fragment{piece.run, piece.start, piece.length, x, piece.width});
                }
                x += piece.width;
                ascent = std::max(ascent, metrics.at(piece.run).first);
                descent = std::max(descent, metrics.at(piece.run).second);
            }
        }
        line.count = m_fragments.size() - line.first;
        if (line.count == 0) {
            ascent = baseUnit.first * basePixels;
            descent = baseUnit.second * basePixels;
        }
        line.height = (ascent + descent) * spacing;
        line.top = top;
        line.baseline = top + (line.height - ascent - descent) / 2 + ascent;
        top += line.height;
        widest = std::max(widest, width);
        m_lines.append(line);
    };
    builder.paragraphs([&](QVector<Piece>& pieces) {
        const QVector<Word> words = builder.words(pieces, wrap);
        int first = 0;
        double width = 0;
        double visible = 0;
        for (int w = 0; w < words.size(); ++w) {
            if (w > first && width + words.at(w).visible > limit) {
                addLine(pieces, words, first, w - first, visible);
                first = w;
                width = 0;
            }
            visible = width + words.at(w).visible;
            width += words.at(w).width;
        }
        addLine(pieces, words, first, int(words.size()) - first, visible);
    });

    m_size = QSizeF(widest, top);
    m_alignment = text.getAlignment();
}

double TextLayout::lineX(const Line& line, double boxWidth) const
{
    switch (m_alignment) {
    case ZenubText::Alignment::Left:
        break;
    case ZenubText::Alignment::Center:
        return (boxWidth - line.width) / 2;
    case ZenubText::Alignment::Right:
        return boxWidth - line.width;
    }
    return 0;
}

double TextLayout::blockTop(double boxHeight) const
{
    return (boxHeight - m_size.height()) / 2;
}

void TextLayout::paint(QPainter* painter, const ZenubText& text, const QRectF& box,
                       const ZenubPaint& fill) const
{
    const QVector<ZenubTextRun>& runs = text.getRuns();
    const double top = box.y() + blockTop(box.height());
    // Only the lines inside the clip: a long text has far more lines than any stage shows.
    int first = 0;
    int last = m_lines.size();
    if (painter->hasClipping()) {
        const QRectF clip = painter->clipBoundingRect();
        first = int(std::lower_bound(
                        m_lines.cbegin(), m_lines.cend(), clip.top() - top,
                        [](const Line& line, double y) { return line.top + line.height < y; }) -
                    m_lines.cbegin());
        last = int(std::upper_bound(m_lines.cbegin(), m_lines.cend(), clip.bottom() - top,
                                    [](double y, const Line& line) { return y < line.top; }) -
                   m_lines.cbegin());
    }
    const QBrush fillBrush = PaintBrush::brush(fill, box);
    for (int l = first; l < last; ++l) {
        const Line& line = m_lines.at(l);
        const double x = box.x() + lineX(line, box.width());
        for (int f = line.first; f < line.first + line.count; ++f) {
            const Fragment& fragment = m_fragments.at(f);
            const ZenubTextRun& run = runs.at(fragment.run);
            QBrush brush = fillBrush;
            if (run.color.isValid()) {
                QColor color = run.color;
                color.setAlphaF(color.alphaF() * std::clamp(fill.getOpacity(), 0.0, 1.0));
                brush = QBrush(color);
            }
            if (brush.style() == Qt::NoBrush)
                continue;
            const QFont& font = m_fonts.at(fragment.run);
            const QPointF at(x + fragment.x, top + line.baseline);
            painter->setFont(font);
            painter->setPen(QPen(brush, 0));
            painter->drawText(
                at, QString::fromRawData(run.text.constData() + fragment.start, fragment.length));
            if (run.underline) {
                const double pixels = font.pixelSize();
                painter->fillRect(QRectF(at.x(), at.y() + pixels / 10, fragment.width,
                                         std::max(1.0, pixels / 16)),
                                  brush);
            }
        }
    }
}
