// SPDX-License-Identifier: MIT
#include "svgpathdata.h"

#include <QtMath>

#include <cmath>

namespace {

// Reads numbers and flags the way path data and point lists write them: separated by white
// space and at most one comma, or by nothing where the next sign or point ends a number.
class Scanner
{
public:
    explicit Scanner(const QString& text)
        : m_text(text)
    {}
    bool atEnd()
    {
        skipSpace();
        return m_at >= m_text.size();
    }
    QChar peek()
    {
        skipSpace();
        return m_at < m_text.size() ? m_text.at(m_at) : QChar();
    }
    void skip() { ++m_at; }
    bool startsNumber()
    {
        const QChar c = peek();
        return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
               c == QLatin1Char('+');
    }
    void comma()
    {
        skipSpace();
        if (m_at < m_text.size() && m_text.at(m_at) == QLatin1Char(','))
            ++m_at;
    }
    bool number(double* value)
    {
        skipSpace();
        const int start = m_at;
        if (m_at < m_text.size() &&
            (m_text.at(m_at) == QLatin1Char('-') || m_text.at(m_at) == QLatin1Char('+')))
            ++m_at;
        const int digits = this->digits();
        int fraction = 0;
        if (m_at < m_text.size() && m_text.at(m_at) == QLatin1Char('.')) {
            ++m_at;
            fraction = this->digits();
        }
        if (digits == 0 && fraction == 0) {
            m_at = start;
            return false;
        }
        // An exponent only where digits follow: "2em" is no number with an exponent.
        if (m_at < m_text.size() &&
            (m_text.at(m_at) == QLatin1Char('e') || m_text.at(m_at) == QLatin1Char('E'))) {
            int at = m_at + 1;
            if (at < m_text.size() &&
                (m_text.at(at) == QLatin1Char('-') || m_text.at(at) == QLatin1Char('+')))
                ++at;
            if (at < m_text.size() && m_text.at(at).isDigit()) {
                m_at = at;
                this->digits();
            }
        }
        bool ok = false;
        *value = m_text.midRef(start, m_at - start).toDouble(&ok);
        if (ok)
            comma();
        return ok && std::isfinite(*value);
    }
    bool flag(bool* value)
    {
        const QChar c = peek();
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return false;
        *value = c == QLatin1Char('1');
        ++m_at;
        comma();
        return true;
    }
    bool point(QPointF* value)
    {
        double x = 0;
        double y = 0;
        if (!number(&x) || !number(&y))
            return false;
        *value = QPointF(x, y);
        return true;
    }

private:
    void skipSpace()
    {
        while (m_at < m_text.size() && m_text.at(m_at).isSpace())
            ++m_at;
    }
    int digits()
    {
        const int start = m_at;
        while (m_at < m_text.size() && m_text.at(m_at).isDigit() && m_text.at(m_at).unicode() < 128)
            ++m_at;
        return m_at - start;
    }

    const QString& m_text;
    int m_at = 0;
};

QPointF reflected(const QPointF& handle, const QPointF& around)
{
    return 2 * around - handle;
}

// A node whose handles leave on one straight line is smooth, so that editing keeps it so.
void markSmooth(QVector<ZenubPathNode>& nodes)
{
    for (ZenubPathNode& node : nodes) {
        const QPointF in = node.in - node.point;
        const QPointF out = node.out - node.point;
        const double cross = in.x() * out.y() - in.y() * out.x();
        const double dot = QPointF::dotProduct(in, out);
        const double lengths = std::hypot(in.x(), in.y()) * std::hypot(out.x(), out.y());
        node.smooth = lengths > 0 && dot < 0 && std::abs(cross) <= 1e-6 * lengths;
    }
}

class Builder
{
public:
    Builder(ZenubPath* path, int* budget)
        : m_path(path)
        , m_budget(budget)
    {}
    bool moveTo(const QPointF& at)
    {
        finish();
        m_start = at;
        return add(ZenubPathNode(at));
    }
    bool lineTo(const QPointF& at)
    {
        reopen();
        return add(ZenubPathNode(at));
    }
    bool cubicTo(const QPointF& c1, const QPointF& c2, const QPointF& at)
    {
        reopen();
        m_nodes.last().out = c1;
        return add(ZenubPathNode(at, c2, at));
    }
    bool arcTo(const QPointF& radii, double degrees, bool large, bool sweep, const QPointF& at)
    {
        reopen();
        const int before = m_nodes.size();
        SvgPathData::arcTo(m_nodes, radii, degrees, large, sweep, at);
        m_current = m_nodes.constLast().point;
        *m_budget -= m_nodes.size() - before;
        return *m_budget >= 0;
    }
    void close()
    {
        if (m_nodes.isEmpty())
            return;
        // A last node on the first one is the same node: the closing side has no length.
        if (m_nodes.size() > 1 && m_nodes.constLast().point == m_nodes.constFirst().point) {
            m_nodes.first().in = m_nodes.constLast().in;
            m_nodes.removeLast();
        }
        m_closed = true;
        finish();
        m_current = m_start;
    }
    void finish()
    {
        if (m_nodes.size() > 1) {
            markSmooth(m_nodes);
            m_path->addSubpath(m_nodes, m_closed);
        }
        m_nodes.clear();
        m_closed = false;
    }
    QPointF current() const { return m_current; }

private:
    // Drawing on after a close starts a new subpath where the closed one started.
    void reopen()
    {
        if (m_nodes.isEmpty()) {
            m_nodes = {ZenubPathNode(m_start)};
            m_current = m_start;
            --*m_budget;
        }
    }
    bool add(const ZenubPathNode& node)
    {
        m_nodes.append(node);
        m_current = node.point;
        return --*m_budget >= 0;
    }

    ZenubPath* m_path;
    int* m_budget;
    QVector<ZenubPathNode> m_nodes;
    bool m_closed = false;
    QPointF m_start;
    QPointF m_current;
};

double angle(const QPointF& u, const QPointF& v)
{
    return std::atan2(u.x() * v.y() - u.y() * v.x(), u.x() * v.x() + u.y() * v.y());
}

} // namespace

void SvgPathData::arcTo(QVector<ZenubPathNode>& nodes, QPointF radii, double degrees, bool large,
                        bool sweep, const QPointF& end)
{
    const QPointF start = nodes.constLast().point;
    if (start == end)
        return;
    double rx = std::abs(radii.x());
    double ry = std::abs(radii.y());
    if (rx == 0 || ry == 0) {
        nodes.append(ZenubPathNode(end));
        return;
    }
    // From the end points to the centre: the ellipse through both, grown when too small.
    const double phi = qDegreesToRadians(std::fmod(degrees, 360.0));
    const double cosPhi = std::cos(phi);
    const double sinPhi = std::sin(phi);
    const QPointF half = (start - end) / 2;
    const double x1 = cosPhi * half.x() + sinPhi * half.y();
    const double y1 = -sinPhi * half.x() + cosPhi * half.y();
    const double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double coefficient = den > 0 ? std::sqrt(std::max(0.0, num / den)) : 0;
    if (large == sweep)
        coefficient = -coefficient;
    const double cx1 = coefficient * rx * y1 / ry;
    const double cy1 = -coefficient * ry * x1 / rx;
    const QPointF middle = (start + end) / 2;
    const QPointF centre(cosPhi * cx1 - sinPhi * cy1 + middle.x(),
                         sinPhi * cx1 + cosPhi * cy1 + middle.y());
    const double theta = angle({1, 0}, {(x1 - cx1) / rx, (y1 - cy1) / ry});
    double delta = angle({(x1 - cx1) / rx, (y1 - cy1) / ry}, {(-x1 - cx1) / rx, (-y1 - cy1) / ry});
    if (!sweep && delta > 0)
        delta -= 2 * M_PI;
    else if (sweep && delta < 0)
        delta += 2 * M_PI;
    if (!std::isfinite(delta) || !std::isfinite(centre.x()) || !std::isfinite(centre.y())) {
        nodes.append(ZenubPathNode(end));
        return;
    }
    const int segments = std::max(1, int(std::ceil(std::abs(delta) / (M_PI / 2) - 1e-9)));
    const double step = delta / segments;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    const auto map = [&](double x, double y) {
        return QPointF(centre.x() + rx * cosPhi * x - ry * sinPhi * y,
                       centre.y() + rx * sinPhi * x + ry * cosPhi * y);
    };
    for (int i = 0; i < segments; ++i) {
        const double a0 = theta + i * step;
        const double a1 = a0 + step;
        nodes.last().out = map(std::cos(a0) - k * std::sin(a0), std::sin(a0) + k * std::cos(a0));
        const QPointF in = map(std::cos(a1) + k * std::sin(a1), std::sin(a1) - k * std::cos(a1));
        const QPointF at = i + 1 == segments ? end : map(std::cos(a1), std::sin(a1));
        nodes.append(ZenubPathNode(at, in, at));
    }
}

bool SvgPathData::parse(const QString& data, int* budget, ZenubPath* path)
{
    Scanner scan(data);
    Builder build(path, budget);
    QChar command;
    QChar previous;
    QPointF lastCubic;
    QPointF lastQuadratic;
    bool ok = true;
    while (ok && !scan.atEnd()) {
        const QChar next = scan.peek();
        if (next.isLetter()) {
            command = next;
            scan.skip();
        } else if (command.isNull() || command.toUpper() == QLatin1Char('Z') ||
                   !scan.startsNumber()) {
            break;
        } else if (command == QLatin1Char('M')) {
            // Points after a move are lines.
            command = QLatin1Char('L');
        } else if (command == QLatin1Char('m')) {
            command = QLatin1Char('l');
        }
        // Outlines start with a move; an unknown command or a missing number ends one there.
        if (previous.isNull() && command.toUpper() != QLatin1Char('M'))
            break;
        const bool relative = command.isLower();
        const QPointF origin = relative ? build.current() : QPointF();
        const QChar kind = command.toUpper();
        QPointF a;
        QPointF b;
        QPointF c;
        double value = 0;
        switch (kind.unicode()) {
        case 'M':
            ok = scan.point(&a) && build.moveTo(origin + a);
            break;
        case 'L':
            ok = scan.point(&a) && build.lineTo(origin + a);
            break;
        case 'H':
            ok = scan.number(&value) &&
                 build.lineTo({relative ? origin.x() + value : value, build.current().y()});
            break;
        case 'V':
            ok = scan.number(&value) &&
                 build.lineTo({build.current().x(), relative ? origin.y() + value : value});
            break;
        case 'C':
            ok = scan.point(&a) && scan.point(&b) && scan.point(&c) &&
                 build.cubicTo(origin + a, origin + b, origin + c);
            lastCubic = origin + b;
            break;
        case 'S': {
            const bool follows = previous == QLatin1Char('C') || previous == QLatin1Char('S');
            const QPointF first = follows ? reflected(lastCubic, build.current()) : build.current();
            ok = scan.point(&b) && scan.point(&c) && build.cubicTo(first, origin + b, origin + c);
            lastCubic = origin + b;
            break;
        }
        case 'Q':
        case 'T': {
            const QPointF from = build.current();
            if (kind == QLatin1Char('Q')) {
                ok = scan.point(&a);
                a += origin;
            } else {
                const bool follows = previous == QLatin1Char('Q') || previous == QLatin1Char('T');
                a = follows ? reflected(lastQuadratic, from) : from;
            }
            ok = ok && scan.point(&c);
            c += origin;
            // The cubic that draws the quadratic has handles two thirds of the way to its one.
            ok = ok && build.cubicTo(from + 2.0 / 3 * (a - from), c + 2.0 / 3 * (a - c), c);
            lastQuadratic = a;
            break;
        }
        case 'A': {
            double degrees = 0;
            bool large = false;
            bool sweep = false;
            ok = scan.point(&a) && scan.number(&degrees) && scan.flag(&large) &&
                 scan.flag(&sweep) && scan.point(&c) &&
                 build.arcTo(a, degrees, large, sweep, origin + c);
            break;
        }
        case 'Z':
            build.close();
            break;
        default:
            ok = false;
            break;
        }
        previous = kind;
    }
    build.finish();
    return *budget >= 0;
}

QVector<QPointF> SvgPathData::points(const QString& text)
{
    Scanner scan(text);
    QVector<QPointF> points;
    QPointF point;
    while (scan.point(&point))
        points.append(point);
    return points;
}
