// SPDX-License-Identifier: MIT
#include "svgdocument.h"

#include <QXmlStreamReader>

namespace {

const QLatin1String kSvgSpace("http://www.w3.org/2000/svg");
const QLatin1String kLinkSpace("http://www.w3.org/1999/xlink");

} // namespace

bool SvgDocument::read(const QByteArray& svg)
{
    m_elements.clear();
    m_ids.clear();
    if (svg.size() > maximumBytes())
        return false;
    QXmlStreamReader xml(svg);
    QVector<int> open;
    // Elements of other namespaces are skipped with everything inside them.
    int foreignDepth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QStringRef space = xml.namespaceUri();
            if (foreignDepth > 0 || (!space.isEmpty() && space != kSvgSpace)) {
                ++foreignDepth;
                break;
            }
            if (m_elements.size() >= maximumElements() || open.size() >= maximumDepth())
                return false;
            if (open.isEmpty() && !m_elements.isEmpty())
                return false;
            Element element;
            element.name = xml.name().toString();
            for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                const QStringRef from = attribute.namespaceUri();
                if (from.isEmpty() ||
                    (from == kLinkSpace && attribute.name() == QLatin1String("href")))
                    element.attributes.insert(attribute.name().toString(),
                                              attribute.value().toString());
            }
            const int index = m_elements.size();
            const QString id = element.attributes.value(QStringLiteral("id"));
            if (!id.isEmpty() && !m_ids.contains(id))
                m_ids.insert(id, index);
            if (!open.isEmpty())
                m_elements[open.constLast()].children.append(index);
            m_elements.append(element);
            open.append(index);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (foreignDepth > 0)
                --foreignDepth;
            else
                open.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (foreignDepth == 0 && !open.isEmpty())
                m_elements[open.constLast()].text += xml.text();
            break;
        default:
            break;
        }
    }
    return !xml.hasError() && !m_elements.isEmpty() &&
           m_elements.constFirst().name == QLatin1String("svg");
}
