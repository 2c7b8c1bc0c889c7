// SPDX-License-Identifier: MIT
#ifndef SVGDOCUMENT_H
#define SVGDOCUMENT_H

#include <QHash>
#include <QString>
#include <QVector>

/*!
    An SVG picture read into a tree of its elements, so that gradients may be used before they
    are defined. Elements of other namespaces (editors' own data) are left out. Reading refuses
    more elements or deeper nesting than a drawing needs, so that untrusted input cannot exhaust
    memory or the stack.
*/
class SvgDocument
{
public:
    struct Element
    {
        QString name;
        // By local name; "href" also stands for "xlink:href".
        QHash<QString, QString> attributes;
        QVector<int> children;
        // The characters directly inside, for texts.
        QString text;
        QString attribute(const QString& key) const { return attributes.value(key); }
        bool has(const QString& key) const { return attributes.contains(key); }
    };

    /*! False for anything that is no well-formed SVG within the limits. */
    bool read(const QByteArray& svg);
    /*! The root is element 0. */
    const Element& element(int index) const { return m_elements.at(index); }
    int count() const { return m_elements.size(); }
    /*! The element with the id \a id, or -1. */
    int byId(const QString& id) const { return m_ids.value(id, -1); }

    static constexpr int maximumElements() { return 100000; }
    static constexpr int maximumDepth() { return 64; }
    static constexpr int maximumBytes() { return 16 << 20; }

private:
    QVector<Element> m_elements;
    QHash<QString, int> m_ids;
};

#endif
