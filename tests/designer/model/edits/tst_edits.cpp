// SPDX-License-Identifier: MIT
#include "model/edits/alignedits.h"

#include <QtTest>

Q_DECLARE_METATYPE(QVector<QRectF>)
Q_DECLARE_METATYPE(QVector<QPointF>)

// The pure edits the Object menu runs on the selection's boxes.
class tst_Edits : public QObject
{
    Q_OBJECT
private slots:
    void alignAndDistribute_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QRectF>("reference");
        QTest::addColumn<QVector<QRectF>>("boxes");
        QTest::addColumn<QVector<QPointF>>("moves");
        const QVector<QRectF> three = {{0, 0, 10, 10}, {100, 50, 20, 10}, {30, 20, 40, 40}};
        const QRectF stage(0, 0, 200, 100);
        QTest::newRow("right edge of the stage")
            << "right" << stage << three << QVector<QPointF>{{190, 0}, {80, 0}, {130, 0}};
        QTest::newRow("middles on the stage's middle")
            << "middle" << stage << three << QVector<QPointF>{{0, 45}, {0, -5}, {0, 10}};
        // Ordered by centre, not by the order given: the first box stays left, the last right.
        QTest::newRow("even gaps between the outer ones")
            << "across" << QRectF() << three << QVector<QPointF>{{0, 0}, {0, 0}, {5, 0}};
        QTest::newRow("two boxes keep their places")
            << "across" << QRectF() << QVector<QRectF>{three.at(0), three.at(1)}
            << QVector<QPointF>{{0, 0}, {0, 0}};
        QTest::newRow("one box goes to the middle of the stage")
            << "down" << stage << QVector<QRectF>{three.at(2)} << QVector<QPointF>{{0, 10}};
        QTest::newRow("wider than the stage: gaps turn to overlaps")
            << "across" << QRectF(0, 0, 50, 50) << three
            << QVector<QPointF>{{0, 0}, {-70, 0}, {-30, 0}};
    }
    void alignAndDistribute()
    {
        QFETCH(QString, how);
        QFETCH(QRectF, reference);
        QFETCH(QVector<QRectF>, boxes);
        QFETCH(QVector<QPointF>, moves);
        QVector<QPointF> result;
        if (how == "right")
            result = AlignEdits::align(boxes, AlignEdits::Edge::Right, reference);
        else if (how == "middle")
            result = AlignEdits::align(boxes, AlignEdits::Edge::Middle, reference);
        else
            result = AlignEdits::distribute(boxes, how == "across" ? Qt::Horizontal : Qt::Vertical,
                                            reference);
        QCOMPARE(result, moves);
    }
};

QTEST_APPLESS_MAIN(tst_Edits)
#include "tst_edits.moc"
