// SPDX-License-Identifier: MIT
#ifndef STAGERULER_H
#define STAGERULER_H

#include <QWidget>

class StageWidget;

/*!
    A ruler along one side of the stage in stage pixels, its marks spaced to stay readable at
    any zoom, with the pointer's place marked. Dragging from it pulls a guide line onto the
    stage: from the top ruler a horizontal one, from the side ruler a vertical one.
*/
class StageRuler : public QWidget
{
    Q_OBJECT
public:
    /*! \a orientation is the ruler's own: Qt::Horizontal runs along the top. */
    StageRuler(Qt::Orientation orientation, StageWidget* stage, QWidget* parent = nullptr);

    /*! Stage pixels between two numbered marks at \a zoom screen pixels per stage pixel. */
    static double labelStep(double zoom);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    /*! Where stage coordinate \a value lies along the ruler, in its own pixels. */
    double toRuler(double value) const;
    double thickness() const;

    Qt::Orientation m_orientation;
    StageWidget* m_pStage;
    double m_pointer = -1;
    bool m_bPointer = false;
};

#endif
