// SPDX-License-Identifier: MIT
#ifndef LOTTIEPROPERTYREADER_H
#define LOTTIEPROPERTYREADER_H

#include "lottietrack.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QString>

/*!
    Where a value is in the file, for messages: a property, then perhaps one of its keys and a
    member of that. Put into words only when a message is written, as files hold keys by the
    hundred thousand.
*/
class LottiePlace
{
public:
    LottiePlace(const QString& property, int key = -1, QLatin1String member = QLatin1String())
        : m_property(property)
        , m_key(key)
        , m_member(member)
    {}
    QString toString() const;

private:
    const QString& m_property;
    int m_key = -1;
    QLatin1String m_member;
};

/*!
    Reads Lottie's animatable properties into tracks: a still value ({"k": value}) or keys
    ({"a": 1, "k": [{"t", "s", "o", "i", "h", "to", "ti"}...]}), also in the older form whose keys
    carry their end value ("e"). Outlines are flattened into numbers: closed, node count, then
    each node's point, in-tangent and out-tangent (relative to the point).

    The first fault is kept with the place it was found at; later calls then do nothing, so a
    reader can go on and look at the fault once.
*/
class LottiePropertyReader
{
    Q_DECLARE_TR_FUNCTIONS(LottiePropertyReader)
public:
    static constexpr int maximumKeys() { return 100000; }

    /*! A property of \a dimensions numbers (1 for a scalar), or \a fallback when absent. */
    LottieTrack read(const QJsonValue& value, const QString& where, int dimensions,
                     const LottieTrack& fallback);
    /*! An outline property. */
    LottieTrack readPath(const QJsonValue& value, const QString& where);
    /*! A number member, with \a fallback when absent; a fault when not a finite number. */
    double number(const QJsonValue& value, const QString& where, double fallback);

    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    void fail(const QString& message);
    /*! Whether a property held an expression (script) besides its value. */
    bool sawExpression() const { return m_expression; }
    void clearExpression() { m_expression = false; }
    /*! Outline nodes read so far, over every outline. */
    qint64 nodes() const { return m_nodes; }

private:
    double number(const QJsonValue& value, const LottiePlace& where, double fallback);
    bool values(const QJsonValue& value, const LottiePlace& where, int dimensions,
                QVector<double>* out);
    bool pathValues(const QJsonValue& value, const LottiePlace& where, QVector<double>* out);
    QVector<ZenubEasing> easing(const QJsonValue& out, const QJsonValue& in,
                                const LottiePlace& where);

    QString m_error;
    bool m_expression = false;
    qint64 m_nodes = 0;
};

#endif
