// SPDX-License-Identifier: MIT
#ifndef PAINTEDITOR_H
#define PAINTEDITOR_H

#include "model/project/zenubpaint.h"

#include <QWidget>

class GradientStopsBar;
class MixedSpinBox;
class QComboBox;
class QToolButton;

/*!
    Edits one paint, a fill's or an outline's: a solid colour or a linear or radial gradient
    with its stops, and its opacity. Several shapes whose paints differ show as mixed; any
    change then gives them all the edited paint.
*/
class PaintEditor : public QWidget
{
    Q_OBJECT
public:
    /*! \a name names the editor's parts for tests and styles: "<name>", "<name>Type", ... */
    PaintEditor(const QString& name, const QString& title, QWidget* parent = nullptr);

    void showPaint(const ZenubPaint& paint, bool bMixed);
    ZenubPaint paint() const { return m_paint; }

signals:
    /*!
        The user changed the paint; \a bFinished ends a run of changes (a stop dragged, the
        opacity stepped) that make one undo step.
    */
    void paintEdited(const ZenubPaint& paint, bool bFinished);

private:
    void setType(int index);
    void chooseColor();
    void emitEdited(bool bFinished);
    void updateParts();

    QString m_title;
    ZenubPaint m_paint;
    bool m_bMixed = false;
    bool m_bShowing = false;
    QComboBox* m_pType;
    QToolButton* m_pColor;
    MixedSpinBox* m_pOpacity;
    GradientStopsBar* m_pStops;
};

#endif
