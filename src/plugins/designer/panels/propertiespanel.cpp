// SPDX-License-Identifier: MIT
#include "propertiespanel.h"

#include "mixedspinbox.h"
#include "spingesture.h"
#include "stage/stagewidget.h"
#include "styleproperties.h"
#include "textproperties.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Whether \a read gives some shape another value than the first one's.
template<typename Read>
bool differ(const QVector<const ZenubShape*>& shapes, Read read)
{
    for (const ZenubShape* shape : shapes) {
        if (!(read(*shape) == read(*shapes.first())))
            return true;
    }
    return false;
}

QVector<const ZenubShape*> ofType(const QVector<const ZenubShape*>& shapes, int only)
{
    QVector<const ZenubShape*> kept;
    for (const ZenubShape* shape : shapes) {
        if (only < 0 || int(shape->getType()) == only)
            kept.append(shape);
    }
    return kept;
}

} // namespace

PropertiesPanel::PropertiesPanel(StageWidget* stage, QWidget* parent)
    : QWidget(parent)
    , m_pStage(stage)
    , m_pGesture(new SpinGesture(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName(QStringLiteral("propertiesTitle"));
    // Shape names come from project files.
    m_pTitle->setTextFormat(Qt::PlainText);
    layout->addWidget(m_pTitle);
    // The panel may be short when it shares its side with others; the rows scroll then.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pForm = new QWidget(scroll);
    auto* form = new QFormLayout(m_pForm);
    form->setContentsMargins(0, 0, 4, 0);
    scroll->setWidget(m_pForm);
    layout->addWidget(scroll, 1);

    // Renaming one shape at a time: several would end up with one name.
    m_pNameEdit = new QLineEdit(m_pForm);
    m_pNameEdit->setObjectName(QStringLiteral("propertyName"));
    form->addRow(tr("Name:"), m_pNameEdit);
    connect(m_pNameEdit, &QLineEdit::editingFinished, this, [this] {
        const QString name = m_pNameEdit->text().trimmed();
        const QVector<ShapeRef> refs = selection();
        if (name.isEmpty() || refs.size() != 1) {
            refresh();
            return;
        }
        editShapes(tr("Rename Shape"), 0, -1, [name](ZenubShape& shape) { shape.setName(name); });
    });
    m_showers.append([this](const Shapes& shapes) {
        setRowVisible(m_pNameEdit, shapes.size() == 1);
        if (shapes.size() == 1 && !m_pNameEdit->hasFocus())
            m_pNameEdit->setText(shapes.first()->getName());
    });

    const double far = 1000000;
    // Each reads and writes one value of the state at the shown frame.
    const auto box = [](double (ZenubKeyframe::*read)() const,
                        void (ZenubKeyframe::*write)(double)) {
        return std::make_pair(
            StateGetter([read](const ZenubShapeState& state) { return (state.box.*read)(); }),
            StateSetter(
                [write](ZenubShapeState& state, double value) { (state.box.*write)(value); }));
    };
    const auto x = box(&ZenubKeyframe::getX, &ZenubKeyframe::setX);
    addStateSpin(tr("X:"), "propertyX", -far, far, tr("Change X"), x.first, x.second);
    const auto y = box(&ZenubKeyframe::getY, &ZenubKeyframe::setY);
    addStateSpin(tr("Y:"), "propertyY", -far, far, tr("Change Y"), y.first, y.second);
    const auto width = box(&ZenubKeyframe::getWidth, &ZenubKeyframe::setWidth);
    addStateSpin(tr("Width:"), "propertyWidth", 1, far, tr("Change Width"), width.first,
                 width.second);
    const auto height = box(&ZenubKeyframe::getHeight, &ZenubKeyframe::setHeight);
    addStateSpin(tr("Height:"), "propertyHeight", 1, far, tr("Change Height"), height.first,
                 height.second);
    const auto rotation = box(&ZenubKeyframe::getRotation, &ZenubKeyframe::setRotation);
    addStateSpin(tr("Rotation:"), "propertyRotation", -3600, 3600, tr("Rotate"), rotation.first,
                 rotation.second)
        ->setShownSuffix(QStringLiteral("\u00b0"));
    // Shown in per cent, kept as a fraction.
    const auto opacityOf = box(&ZenubKeyframe::getOpacity, &ZenubKeyframe::setOpacity);
    MixedSpinBox* opacity =
        addStateSpin(tr("Opacity:"), "propertyOpacity", 0, 100, tr("Change Opacity"),
                     opacityOf.first, opacityOf.second, 100);
    opacity->setShownSuffix(QStringLiteral(" %"));
    opacity->setDecimals(0);

    // The look: paints, outline, a path's or a polygon's own settings.
    m_pStyle = new StyleProperties(stage, form);
    m_pCornerSpin = addStateSpin(
        tr("Corner radius:"), "propertyCornerRadius", 0, far, tr("Change Corner Radius"),
        [](const ZenubShapeState& state) { return state.cornerRadius; },
        [](ZenubShapeState& state, double value) { state.cornerRadius = value; }, 1,
        int(ZenubShape::Type::Rectangle));

    m_pTextEdit = new QLineEdit(m_pForm);
    m_pTextEdit->setObjectName(QStringLiteral("propertyText"));
    m_pTextEdit->setPlaceholderText(tr("Mixed"));
    form->addRow(tr("Text:"), m_pTextEdit);
    m_textOnly.append(m_pTextEdit);
    connect(m_pTextEdit, &QLineEdit::editingFinished, this, [this] {
        const QString text = m_pTextEdit->text();
        // A text shape without words could not be picked again; keep what it had.
        if (text.trimmed().isEmpty()) {
            refresh();
            return;
        }
        editShapes(tr("Edit Text"), 0, int(ZenubShape::Type::Text),
                   [text](ZenubShape& shape) { shape.setText(text); });
    });
    m_showers.append([this](const Shapes& shapes) {
        const Shapes texts = ofType(shapes, int(ZenubShape::Type::Text));
        const auto read = [](const ZenubShape& shape) {
            return shape.getText();
        };
        if (!texts.isEmpty() && !m_pTextEdit->hasFocus())
            m_pTextEdit->setText(differ(texts, read) ? QString() : read(*texts.first()));
    });

    m_pFontCombo = new QComboBox(m_pForm);
    m_pFontCombo->setObjectName(QStringLiteral("propertyFont"));
    m_pFontCombo->setEditable(true);
    m_pFontCombo->setInsertPolicy(QComboBox::NoInsert);
    // Long family names must not widen the panel.
    m_pFontCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pFontCombo->setMinimumContentsLength(6);
    m_pFontCombo->setMinimumWidth(70);
    // The generic families every browser knows come first: the exported page uses them too.
    m_pFontCombo->addItems(
        {QStringLiteral("sans-serif"), QStringLiteral("serif"), QStringLiteral("monospace")});
    m_pFontCombo->insertSeparator(m_pFontCombo->count());
    m_pFontCombo->addItems(QFontDatabase().families());
    m_pFontCombo->lineEdit()->setPlaceholderText(tr("Mixed"));
    form->addRow(tr("Font:"), m_pFontCombo);
    m_textOnly.append(m_pFontCombo);
    const auto applyFont = [this] {
        const QString family = m_pFontCombo->currentText().trimmed();
        if (family.isEmpty()) {
            refresh();
            return;
        }
        editShapes(tr("Change Font"), 0, int(ZenubShape::Type::Text),
                   [family](ZenubShape& shape) { shape.setFontFamily(family); });
    };
    connect(m_pFontCombo, QOverload<int>::of(&QComboBox::activated), this, applyFont);
    connect(m_pFontCombo->lineEdit(), &QLineEdit::editingFinished, this, applyFont);
    m_showers.append([this](const Shapes& shapes) {
        const Shapes texts = ofType(shapes, int(ZenubShape::Type::Text));
        const auto read = [](const ZenubShape& shape) {
            return shape.getFontFamily();
        };
        if (!texts.isEmpty() && !m_pFontCombo->hasFocus())
            m_pFontCombo->setEditText(differ(texts, read) ? QString() : read(*texts.first()));
    });
    MixedSpinBox* fontSize = addStateSpin(
        tr("Font size:"), "propertyFontSize", 0, 10000, tr("Change Font Size"),
        [](const ZenubShapeState& state) { return state.fontSize; },
        [](ZenubShapeState& state, double value) { state.fontSize = value; }, 1,
        int(ZenubShape::Type::Text));
    // A size of 0 fits the text to its box.
    fontSize->setShownSpecialValueText(tr("Fit to box"));
    m_textOnly.append(fontSize);
    m_pTextRows = new TextProperties(stage, form);

    connect(stage, &StageWidget::selectionChanged, this, [this] {
        m_pGesture->end();
        refresh();
    });
    connect(stage, &StageWidget::documentChanged, this, &PropertiesPanel::refresh);
    connect(stage, &StageWidget::frameChanged, this, &PropertiesPanel::refresh);
    // The fields follow a drag as it happens, not only when it is let go.
    connect(stage, &StageWidget::previewChanged, this, &PropertiesPanel::refresh);
    refresh();
}

void PropertiesPanel::setTextStyleActions(const QList<QAction*>& actions)
{
    m_pTextRows->setStyleActions(actions);
}

DesignerDocument* PropertiesPanel::document() const
{
    return m_pStage->getDocument();
}

QVector<ShapeRef> PropertiesPanel::selection(int only) const
{
    QVector<ShapeRef> refs;
    DesignerDocument* doc = document();
    if (!doc)
        return refs;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = doc->shapeAt(ref);
        if (shape && (only < 0 || int(shape->getType()) == only))
            refs.append(ref);
    }
    return refs;
}

void PropertiesPanel::refresh()
{
    const QVector<ShapeRef> refs = selection();
    const ZenubProject* shown = m_pStage->shownProject();
    Shapes shapes;
    for (const ShapeRef& ref : refs) {
        const ZenubShape* shape = ref.find(*shown);
        // The shape the stage marks as current shows its value where the others' differ,
        // and the arrows step from it.
        if (ref == m_pStage->getSelection())
            shapes.prepend(shape);
        else
            shapes.append(shape);
    }
    // Nothing selected: no fields with values that belong to no shape.
    m_pForm->setVisible(!shapes.isEmpty());
    m_shownFrame = m_pStage->getFrame();
    if (shapes.isEmpty()) {
        m_pTitle->setText(tr("No shape selected"));
        return;
    }
    m_pTitle->setText(refs.size() == 1 ? shapes.first()->getName()
                                       : tr("%n shapes selected", "", refs.size()));
    // Only the fields some selected shape uses are shown: a picture has no words or fill.
    const bool bText = !ofType(shapes, int(ZenubShape::Type::Text)).isEmpty();
    for (QWidget* widget : qAsConst(m_textOnly))
        setRowVisible(widget, bText);
    m_pCornerSpin->setEnabled(!ofType(shapes, int(ZenubShape::Type::Rectangle)).isEmpty());

    // Showing a value is not an edit of it.
    m_bShowing = true;
    for (const auto& show : qAsConst(m_showers))
        show(shapes);
    m_bShowing = false;
}

void PropertiesPanel::setRowVisible(QWidget* field, bool bVisible)
{
    field->setVisible(bVisible);
    if (QWidget* label = static_cast<QFormLayout*>(m_pForm->layout())->labelForField(field))
        label->setVisible(bVisible);
}

ZenubShapeState PropertiesPanel::shownState(const ZenubShape& shape) const
{
    ZenubShapeState state;
    shape.stateAt(m_shownFrame, &state);
    return state;
}

void PropertiesPanel::editStates(const QString& text, int mergeKey, int only,
                                 const std::function<void(ZenubShapeState&)>& change)
{
    DesignerDocument* doc = document();
    if (doc && !m_bShowing)
        doc->editShapeProperties(selection(only), m_pStage->getFrame(), text, change, mergeKey);
}

void PropertiesPanel::editShapes(const QString& text, int mergeKey, int only,
                                 const std::function<void(ZenubShape&)>& change)
{
    DesignerDocument* doc = document();
    if (doc && !m_bShowing)
        doc->editShapes(selection(only), text, change, mergeKey);
}

MixedSpinBox* PropertiesPanel::addSpin(const QString& label, const char* name, double minimum,
                                       double maximum)
{
    auto* spin = new MixedSpinBox(m_pForm);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setDecimals(1);
    // The widest value of the range would otherwise set the panel's narrowest width.
    spin->setMinimumWidth(70);
    // Typed digits apply on Enter or on leaving the box, not at every key.
    spin->setKeyboardTracking(false);
    m_pGesture->watch(spin);
    static_cast<QFormLayout*>(m_pForm->layout())->addRow(label, spin);
    return spin;
}

MixedSpinBox* PropertiesPanel::addStateSpin(const QString& label, const char* name, double minimum,
                                            double maximum, const QString& undoText,
                                            StateGetter read, StateSetter write, double scale,
                                            int only)
{
    MixedSpinBox* spin = addSpin(label, name, minimum, maximum);
    connect(spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this, spin, write, undoText, scale, only](double value) {
                if (m_bShowing)
                    return;
                editStates(
                    undoText, m_pGesture->mergeKey(spin), only,
                    [write, value, scale](ZenubShapeState& state) { write(state, value / scale); });
            });
    m_showers.append([this, spin, read, scale, only](const Shapes& shapes) {
        const Shapes kept = ofType(shapes, only);
        const auto value = [this, read](const ZenubShape& shape) {
            return read(shownState(shape));
        };
        // Disabled, it shows no number: another shape's value would pass for this one's.
        if (kept.isEmpty())
            spin->display(0, true);
        else
            spin->display(value(*kept.first()) * scale, differ(kept, value));
    });
    return spin;
}
