// SPDX-License-Identifier: MIT
#ifndef LOTTIEREADER_H
#define LOTTIEREADER_H

#include "lottiedocument.h"
#include "lottiepropertyreader.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QSet>

/*!
    Reads a Lottie animation (JSON) into a LottieDocument: its size, frame rate, layers and
    their shapes, with the parts a project cannot hold named (with where they are) and left out.

    Anything that is not a Lottie animation, or is damaged, is refused with the first fault and
    where it is. Files are read whole (the caller keeps to its size limit) and every list is
    bounded, so a hostile file costs no more than its size allows.
*/
class LottieReader
{
    Q_DECLARE_TR_FUNCTIONS(LottieReader)
public:
    static constexpr int maximumLayers() { return 10000; }
    static constexpr int maximumItems() { return 200000; }
    static constexpr int maximumFrames() { return 1000000; }

    /*! Whether \a data is JSON shaped like a Lottie animation (for choosing how to open it). */
    static bool looksLikeLottie(const QByteArray& data);
    /*! Reads \a data; false with \a errorString naming the first fault. */
    static bool read(const QByteArray& data, LottieDocument* document, QString* errorString);

private:
    bool readAnimation(const QJsonObject& root);
    void readLayer(const QJsonObject& object, const QString& where, LottieLayer* layer);
    LottieTransform readTransform(const QJsonObject& object, const QString& where,
                                  const QString& place);
    bool readItems(const QJsonValue& value, const QString& where, const QString& place, int depth,
                   QVector<LottieItem>* items);
    void readStyle(const QJsonObject& object, const QString& where, LottieItem* item);
    void readText(const QJsonObject& object, const QString& where, const QString& place,
                  LottieLayer* layer);
    QByteArray picture(const QString& id, const QString& place, QSizeF* size);
    /*! Names \a feature, found at \a place, as left out (once per feature and place). */
    void leaveOut(const QString& feature, const QString& place);
    void checkExpression(const QString& place);

    LottiePropertyReader m_properties;
    LottieDocument m_document;
    QJsonObject m_root;
    QSet<QString> m_named;
    int m_items = 0;
};

#endif
