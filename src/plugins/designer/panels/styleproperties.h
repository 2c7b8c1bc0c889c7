// SPDX-License-Identifier: MIT
#ifndef STYLEPROPERTIES_H
#define STYLEPROPERTIES_H

#include "document/designerdocument.h"

#include <QObject>

#include <functional>

class MixedSpinBox;
class PaintEditor;
class QComboBox;
class QFormLayout;
class QLineEdit;
class SpinGesture;
class StageWidget;

/*!
    The rows of the properties panel for the look of the selected shapes: fill and outline
    paints, the
    outline's width, ends, corners and dashes, a path's fill rule, and a polygon's or star's
    corners, added to the panel's \a form. Only the rows some selected shape uses show. Each
    change is one undo step; a drag of a value is one too.
*/
class StyleProperties : public QObject
{
    Q_OBJECT
public:
    StyleProperties(StageWidget* stage, QFormLayout* form);

public slots:
    void refresh();

private:
    using Shapes = QVector<const ZenubShape*>;
    using Kinds = QVector<ZenubShape::Type>;

    /*! Changes the selected shapes of \a kinds (all with none) as one step named \a text. */
    void edit(const QString& text, const Kinds& kinds, int mergeKey,
              const std::function<void(ZenubShape&)>& change);
    /*! Changes what may change over time as seen at the stage's frame, by the keyframe rules. */
    void editStates(const QString& text, const Kinds& kinds, int mergeKey,
                    const std::function<void(ZenubShapeState&)>& change);
    /*! The state of \a shape at the stage's frame. */
    ZenubShapeState shownState(const ZenubShape& shape) const;
    QVector<ShapeRef> selection(const Kinds& kinds) const;
    MixedSpinBox* addSpin(const QString& label, const char* name, double minimum, double maximum,
                          const QString& undoText, const Kinds& kinds,
                          const std::function<double(const ZenubShapeState&)>& read,
                          const std::function<void(ZenubShapeState&, double)>& write);
    QComboBox* addChoice(const QString& label, const char* name, const QStringList& choices,
                         const QString& undoText, const Kinds& kinds,
                         const std::function<int(const ZenubShape&)>& read,
                         const std::function<void(ZenubShape&, int)>& write);
    PaintEditor* addPaint(const QString& label, const char* name, const QString& undoText,
                          bool bStroke);
    void setRowVisible(QWidget* field, bool bVisible);

    StageWidget* m_pStage;
    QFormLayout* m_pForm;
    QWidget* m_pOwner;
    SpinGesture* m_pGesture;
    QLineEdit* m_pDashes = nullptr;
    /*! Each shows the selected shapes' values and whether its row applies. */
    QList<std::function<void(const Shapes&)>> m_showers;
    int m_paintKey = 0;
    bool m_bShowing = false;
};

#endif
