// SPDX-License-Identifier: MIT
#ifndef PROPERTIESPANEL_H
#define PROPERTIESPANEL_H

#include "document/designerdocument.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class MixedSpinBox;
class SpinGesture;
class StageWidget;
class StyleProperties;
class TextProperties;
class QAction;

/*!
    Shows the selected shapes' properties and edits all of them at once. What may change over
    time (position, size, rotation, opacity, colours, outline width, corners, font size) shows
    its value at the stage's frame and is edited there by the keyframe rules; name, words and
    font belong to the shape as a whole. A field whose value differs between the selected
    shapes is empty, and an entry there sets all of them.
*/
class PropertiesPanel : public QWidget
{
    Q_OBJECT
public:
    PropertiesPanel(StageWidget* stage, QWidget* parent = nullptr);

    /*! Shows the text commands (bold, italic, ...) as buttons in the text rows. */
    void setTextStyleActions(const QList<QAction*>& actions);

public slots:
    /*! Shows the values of the selection at the stage's current frame. */
    void refresh();

private:
    using StateGetter = std::function<double(const ZenubShapeState&)>;
    using StateSetter = std::function<void(ZenubShapeState&, double)>;
    using Shapes = QVector<const ZenubShape*>;

    MixedSpinBox* addSpin(const QString& label, const char* name, double minimum, double maximum);
    /*!
        \a scale converts the stored value to the shown one. Shows and edits only the shapes
        of type \a only, when it is given.
    */
    MixedSpinBox* addStateSpin(const QString& label, const char* name, double minimum,
                               double maximum, const QString& undoText, StateGetter read,
                               StateSetter write, double scale = 1, int only = -1);
    /*! The state of \a shape at the frame shown. */
    ZenubShapeState shownState(const ZenubShape& shape) const;
    void editStates(const QString& text, int mergeKey, int only,
                    const std::function<void(ZenubShapeState&)>& change);
    void editShapes(const QString& text, int mergeKey, int only,
                    const std::function<void(ZenubShape&)>& change);
    DesignerDocument* document() const;
    QVector<ShapeRef> selection(int only = -1) const;
    void setRowVisible(QWidget* field, bool bVisible);

    StageWidget* m_pStage;
    SpinGesture* m_pGesture;
    QLabel* m_pTitle = nullptr;
    QWidget* m_pForm = nullptr;
    /*! Each gets the selected shapes, the one the stage marks as current first. */
    QList<std::function<void(const Shapes&)>> m_showers;
    QList<QWidget*> m_textOnly;
    StyleProperties* m_pStyle = nullptr;
    TextProperties* m_pTextRows = nullptr;
    QWidget* m_pCornerSpin = nullptr;
    QLineEdit* m_pNameEdit = nullptr;
    QLineEdit* m_pTextEdit = nullptr;
    QComboBox* m_pFontCombo = nullptr;
    bool m_bShowing = false;
    int m_shownFrame = -1;
};

#endif
