#ifndef PROPERTIESPANEL_H
#define PROPERTIESPANEL_H

#include "designerdocument.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QToolButton;
class SpinGesture;
class StageWidget;

/*!
    Shows the selected shapes' properties and edits all of them at once. Position, size,
    rotation and opacity are the values at the stage's frame and follow the keyframe rules;
    colours, outline, corners, text and font belong to the shape as a whole.
*/
class PropertiesPanel : public QWidget
{
    Q_OBJECT
public:
    PropertiesPanel(StageWidget* stage, QWidget* parent = nullptr);

public slots:
    /*! Shows the values of the selection at the stage's current frame. */
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using StateGetter = double (ZenubKeyframe::*)() const;
    using StateSetter = void (ZenubKeyframe::*)(double);
    using ShapeGetter = double (ZenubShape::*)() const;
    using ShapeSetter = void (ZenubShape::*)(double);
    using ColorGetter = QColor (ZenubShape::*)() const;
    using ColorSetter = void (ZenubShape::*)(const QColor&);

    QDoubleSpinBox* addSpin(const QString& label, const char* name, double minimum, double maximum);
    /*! \a scale converts the stored value to the shown one. */
    QDoubleSpinBox* addStateSpin(const QString& label, const char* name, double minimum,
                                 double maximum, const QString& undoText, StateGetter read,
                                 StateSetter write, double scale = 1);
    QDoubleSpinBox* addShapeSpin(const QString& label, const char* name, double maximum,
                                 const QString& undoText, ShapeGetter read, ShapeSetter write);
    QToolButton* addColorButton(const QString& label, const char* name, const QString& undoText,
                                ColorGetter read, ColorSetter write);
    void editStates(const QString& text, int mergeKey,
                    const std::function<void(ZenubKeyframe&)>& change);
    void editShapes(const QString& text, int mergeKey, bool bTextOnly,
                    const std::function<void(ZenubShape&)>& change);
    DesignerDocument* document() const;
    QVector<ShapeRef> selection(bool bTextOnly = false) const;

    StageWidget* m_pStage;
    SpinGesture* m_pGesture;
    QLabel* m_pTitle = nullptr;
    QWidget* m_pForm = nullptr;
    QList<std::function<void(const ZenubShape&, const ZenubKeyframe&)>> m_showers;
    QList<QWidget*> m_textOnly;
    QWidget* m_pCornerSpin = nullptr;
    QLineEdit* m_pTextEdit = nullptr;
    QComboBox* m_pFontCombo = nullptr;
    bool m_bShowing = false;
    int m_shownFrame = -1;
};

#endif
