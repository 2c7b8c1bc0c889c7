// SPDX-License-Identifier: MIT
#include "styleproperties.h"

#include "mixedspinbox.h"
#include "painteditor.h"
#include "spingesture.h"
#include "stage/stagewidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopedValueRollback>

namespace {

using Type = ZenubShape::Type;

// Whether \a read gives some shape another value than the first one's.
template<typename Read>
bool differ(const QVector<const ZenubShape*>& shapes, Read read)
{
    for (const ZenubShape* shape : shapes)
        if (!(read(*shape) == read(*shapes.first())))
            return true;
    return false;
}

QVector<const ZenubShape*> ofKinds(const QVector<const ZenubShape*>& shapes,
                                   const QVector<Type>& kinds)
{
    QVector<const ZenubShape*> kept;
    for (const ZenubShape* shape : shapes)
        if (kinds.isEmpty() || kinds.contains(shape->getType()))
            kept.append(shape);
    return kept;
}

const QVector<Type> kFilled{Type::Rectangle, Type::Ellipse, Type::Text,
                            Type::Path,      Type::Polygon, Type::Star};
const QVector<Type> kOutlined{Type::Rectangle, Type::Ellipse, Type::Image,
                              Type::Path,      Type::Polygon, Type::Star};
const QVector<Type> kCornered{Type::Polygon, Type::Star};

QString dashText(const QVector<double>& dashes)
{
    QStringList parts;
    for (const double dash : dashes)
        parts.append(QString::number(dash));
    return parts.join(QLatin1Char(' '));
}

} // namespace

StyleProperties::StyleProperties(StageWidget* stage, QFormLayout* form)
    : QObject(form->parentWidget())
    , m_pStage(stage)
    , m_pForm(form)
    , m_pOwner(form->parentWidget())
    , m_pGesture(new SpinGesture(this))
{
    addPaint(tr("Fill:"), "propertyFill", tr("Change Fill"), false);
    addPaint(tr("Outline:"), "propertyStroke", tr("Change Outline"), true);
    addSpin(
        tr("Outline width:"), "propertyStrokeWidth", 0, 1000, tr("Change Outline"), kOutlined,
        [](const ZenubShapeState& state) { return state.stroke.getWidth(); },
        [](ZenubShapeState& state, double value) { state.stroke.setWidth(value); });
    addChoice(
        tr("Line ends:"), "propertyStrokeCap", {tr("Flat"), tr("Square"), tr("Round")},
        tr("Change Line Ends"), kOutlined,
        [](const ZenubShape& shape) { return int(shape.getStroke().getCap()); },
        [](ZenubShape& shape, int value) {
            ZenubStroke style = shape.getStroke();
            style.setCap(ZenubStroke::Cap(value));
            shape.setStrokeStyle(style);
        });
    addChoice(
        tr("Corners:"), "propertyStrokeJoin", {tr("Mitred"), tr("Bevelled"), tr("Round")},
        tr("Change Corners"), kOutlined,
        [](const ZenubShape& shape) { return int(shape.getStroke().getJoin()); },
        [](ZenubShape& shape, int value) {
            ZenubStroke style = shape.getStroke();
            style.setJoin(ZenubStroke::Join(value));
            shape.setStrokeStyle(style);
        });

    m_pDashes = new QLineEdit(m_pOwner);
    m_pDashes->setObjectName(QStringLiteral("propertyDashes"));
    m_pDashes->setPlaceholderText(tr("Solid line"));
    m_pDashes->setToolTip(tr("Lengths in pixels, drawn and skipped in turn, such as \"8 4\"; "
                             "empty for a solid line"));
    m_pForm->addRow(tr("Dashes:"), m_pDashes);
    connect(m_pDashes, &QLineEdit::editingFinished, this, [this] {
        QVector<double> dashes;
        for (const QString& part : m_pDashes->text().split(
                 QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts)) {
            bool bNumber = false;
            const double length = part.toDouble(&bNumber);
            // Something that is no length leaves the pattern as it was.
            if (!bNumber || length < 0 || length > 10000 ||
                dashes.size() >= ZenubStroke::maximumDashes()) {
                refresh();
                return;
            }
            dashes.append(length);
        }
        edit(tr("Change Dashes"), kOutlined, 0, [&dashes](ZenubShape& shape) {
            ZenubStroke style = shape.getStroke();
            style.setDashes(dashes);
            shape.setStrokeStyle(style);
        });
    });
    m_showers.append([this](const Shapes& shapes) {
        const Shapes kept = ofKinds(shapes, kOutlined);
        setRowVisible(m_pDashes, !kept.isEmpty());
        const auto read = [](const ZenubShape& shape) {
            return shape.getStroke().getDashes();
        };
        if (!kept.isEmpty() && !m_pDashes->hasFocus())
            m_pDashes->setText(differ(kept, read) ? QString() : dashText(read(*kept.first())));
    });

    addChoice(
        tr("Fill rule:"), "propertyFillRule", {tr("Non-zero"), tr("Even-odd")},
        tr("Change Fill Rule"), {Type::Path},
        [](const ZenubShape& shape) { return int(shape.getPath().getFillRule()); },
        [](ZenubShape& shape, int value) {
            // The rule holds for the whole scene: every keyframe of the path takes it.
            shape.tracks().path().mapValues([value](ZenubPath path) {
                path.setFillRule(ZenubPath::FillRule(value));
                return path;
            });
        });
    addChoice(
        tr("Kind:"), "propertyPolygonKind", {tr("Polygon"), tr("Star")}, tr("Change Kind"),
        kCornered, [](const ZenubShape& shape) { return shape.getType() == Type::Star ? 1 : 0; },
        [this](ZenubShape& shape, int value) {
            shape.setType(value == 1 ? Type::Star : Type::Polygon);
            // The next one drawn is of the kind chosen last.
            m_pStage->setPolygonType(shape.getType());
        });
    addSpin(
        tr("Corners:"), "propertyPoints", 3, ZenubShape::maximumPoints(), tr("Change Corners"),
        kCornered, [](const ZenubShapeState& state) { return double(state.points); },
        [](ZenubShapeState& state, double value) { state.points = int(value); })
        ->setDecimals(0);
    MixedSpinBox* inner = addSpin(
        tr("Inner radius:"), "propertyInnerRadius", 0, 100, tr("Change Inner Radius"), {Type::Star},
        [](const ZenubShapeState& state) { return state.innerRadius * 100; },
        [](ZenubShapeState& state, double value) { state.innerRadius = value / 100; });
    inner->setShownSuffix(QStringLiteral(" %"));
    inner->setDecimals(0);
    MixedSpinBox* roundness = addSpin(
        tr("Roundness:"), "propertyRoundness", 0, 100, tr("Change Roundness"), kCornered,
        [](const ZenubShapeState& state) { return state.roundness * 100; },
        [](ZenubShapeState& state, double value) { state.roundness = value / 100; });
    roundness->setShownSuffix(QStringLiteral(" %"));
    roundness->setDecimals(0);

    connect(stage, &StageWidget::selectionChanged, this, [this] {
        m_pGesture->end();
        refresh();
    });
    connect(stage, &StageWidget::documentChanged, this, &StyleProperties::refresh);
    connect(stage, &StageWidget::frameChanged, this, &StyleProperties::refresh);
    refresh();
}

QVector<ShapeRef> StyleProperties::selection(const Kinds& kinds) const
{
    QVector<ShapeRef> refs;
    const DesignerDocument* document = m_pStage->getDocument();
    if (!document)
        return refs;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = document->shapeAt(ref);
        if (shape && (kinds.isEmpty() || kinds.contains(shape->getType())))
            refs.append(ref);
    }
    return refs;
}

void StyleProperties::refresh()
{
    const DesignerDocument* document = m_pStage->getDocument();
    Shapes shapes;
    for (const ShapeRef& ref : selection({})) {
        const ZenubShape* shape = document->shapeAt(ref);
        // The shape the stage marks as current shows its value where the others' differ.
        if (ref == m_pStage->getSelection())
            shapes.prepend(shape);
        else
            shapes.append(shape);
    }
    if (shapes.isEmpty())
        return;
    const QScopedValueRollback<bool> showing(m_bShowing, true);
    for (const auto& show : qAsConst(m_showers))
        show(shapes);
}

void StyleProperties::setRowVisible(QWidget* field, bool bVisible)
{
    field->setVisible(bVisible);
    if (QWidget* label = m_pForm->labelForField(field))
        label->setVisible(bVisible);
}

void StyleProperties::edit(const QString& text, const Kinds& kinds, int mergeKey,
                           const std::function<void(ZenubShape&)>& change)
{
    DesignerDocument* document = m_pStage->getDocument();
    if (document && !m_bShowing)
        document->editShapes(selection(kinds), text, change, mergeKey);
}

void StyleProperties::editStates(const QString& text, const Kinds& kinds, int mergeKey,
                                 const std::function<void(ZenubShapeState&)>& change)
{
    DesignerDocument* document = m_pStage->getDocument();
    if (document && !m_bShowing)
        document->editShapeProperties(selection(kinds), m_pStage->getFrame(), text, change,
                                      mergeKey);
}

ZenubShapeState StyleProperties::shownState(const ZenubShape& shape) const
{
    ZenubShapeState state;
    shape.stateAt(m_pStage->getFrame(), &state);
    return state;
}

MixedSpinBox* StyleProperties::addSpin(const QString& label, const char* name, double minimum,
                                       double maximum, const QString& undoText, const Kinds& kinds,
                                       const std::function<double(const ZenubShapeState&)>& read,
                                       const std::function<void(ZenubShapeState&, double)>& write)
{
    auto* spin = new MixedSpinBox(m_pOwner);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setDecimals(1);
    spin->setMinimumWidth(70);
    spin->setKeyboardTracking(false);
    m_pGesture->watch(spin);
    m_pForm->addRow(label, spin);
    connect(spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, [=](double value) {
        editStates(undoText, kinds, m_pGesture->mergeKey(spin),
                   [&](ZenubShapeState& state) { write(state, value); });
    });
    m_showers.append([=](const Shapes& shapes) {
        const Shapes kept = ofKinds(shapes, kinds);
        setRowVisible(spin, !kept.isEmpty());
        const auto value = [this, read](const ZenubShape& shape) {
            return read(shownState(shape));
        };
        if (!kept.isEmpty())
            spin->display(value(*kept.first()), differ(kept, value));
    });
    return spin;
}

QComboBox* StyleProperties::addChoice(const QString& label, const char* name,
                                      const QStringList& choices, const QString& undoText,
                                      const Kinds& kinds,
                                      const std::function<int(const ZenubShape&)>& read,
                                      const std::function<void(ZenubShape&, int)>& write)
{
    auto* combo = new QComboBox(m_pOwner);
    // Long names must not widen the panel.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(choices);
    m_pForm->addRow(label, combo);
    connect(combo, QOverload<int>::of(&QComboBox::activated), this, [=](int index) {
        edit(undoText, kinds, 0, [&](ZenubShape& shape) { write(shape, index); });
    });
    m_showers.append([=](const Shapes& shapes) {
        const Shapes kept = ofKinds(shapes, kinds);
        setRowVisible(combo, !kept.isEmpty());
        if (!kept.isEmpty())
            combo->setCurrentIndex(differ(kept, read) ? -1 : read(*kept.first()));
    });
    return combo;
}

PaintEditor* StyleProperties::addPaint(const QString& label, const char* name,
                                       const QString& undoText, bool bStroke)
{
    auto* editor = new PaintEditor(QLatin1String(name), label.left(label.size() - 1), m_pOwner);
    m_pForm->addRow(label, editor);
    const Kinds kinds = bStroke ? kOutlined : kFilled;
    connect(editor, &PaintEditor::paintEdited, this, [=](const ZenubPaint& paint, bool bFinished) {
        // A run of changes (a stop dragged, the opacity stepped) is one step.
        if (!m_paintKey)
            m_paintKey = DesignerDocument::newMergeKey();
        editStates(undoText, kinds, m_paintKey, [&](ZenubShapeState& state) {
            if (bStroke)
                state.stroke.setPaint(paint);
            else
                state.fill = paint;
        });
        if (bFinished)
            m_paintKey = 0;
    });
    m_showers.append([=](const Shapes& shapes) {
        const Shapes kept = ofKinds(shapes, kinds);
        setRowVisible(editor, !kept.isEmpty());
        const auto read = [this, bStroke](const ZenubShape& shape) {
            const ZenubShapeState state = shownState(shape);
            return bStroke ? state.stroke.getPaint() : state.fill;
        };
        if (!kept.isEmpty())
            editor->showPaint(read(*kept.first()), differ(kept, read));
    });
    return editor;
}
