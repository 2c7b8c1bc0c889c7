#include "propertiespanel.h"

#include "spingesture.h"
#include "stagewidget.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QIcon swatch(const QColor& color)
{
    QPixmap picture(32, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    // Squares behind the colour show how transparent it is.
    painter.fillRect(picture.rect(), Qt::white);
    for (int x = 0; x < 32; x += 8)
        painter.fillRect(x, (x / 8) % 2 * 8, 8, 8, Qt::lightGray);
    painter.fillRect(picture.rect(), color);
    painter.setPen(Qt::darkGray);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return QIcon(picture);
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

    const double far = 1000000;
    addStateSpin(tr("X:"), "propertyX", -far, far, tr("Change X"), &ZenubKeyframe::getX,
                 &ZenubKeyframe::setX);
    addStateSpin(tr("Y:"), "propertyY", -far, far, tr("Change Y"), &ZenubKeyframe::getY,
                 &ZenubKeyframe::setY);
    addStateSpin(tr("Width:"), "propertyWidth", 1, far, tr("Change Width"),
                 &ZenubKeyframe::getWidth, &ZenubKeyframe::setWidth);
    addStateSpin(tr("Height:"), "propertyHeight", 1, far, tr("Change Height"),
                 &ZenubKeyframe::getHeight, &ZenubKeyframe::setHeight);
    addStateSpin(tr("Rotation:"), "propertyRotation", -3600, 3600, tr("Rotate"),
                 &ZenubKeyframe::getRotation, &ZenubKeyframe::setRotation)
        ->setSuffix(QStringLiteral("\u00b0"));
    // Shown in per cent, kept as a fraction.
    QDoubleSpinBox* opacity =
        addStateSpin(tr("Opacity:"), "propertyOpacity", 0, 100, tr("Change Opacity"),
                     &ZenubKeyframe::getOpacity, &ZenubKeyframe::setOpacity, 100);
    opacity->setSuffix(QStringLiteral(" %"));
    opacity->setDecimals(0);

    addColorButton(tr("Fill:"), "propertyFill", tr("Change Fill"), &ZenubShape::getFillColor,
                   &ZenubShape::setFillColor);
    addColorButton(tr("Outline:"), "propertyStroke", tr("Change Outline"),
                   &ZenubShape::getStrokeColor, &ZenubShape::setStrokeColor);
    addShapeSpin(tr("Outline width:"), "propertyStrokeWidth", 1000, tr("Change Outline"),
                 &ZenubShape::getStrokeWidth, &ZenubShape::setStrokeWidth);
    m_pCornerSpin =
        addShapeSpin(tr("Corner radius:"), "propertyCornerRadius", far, tr("Change Corner Radius"),
                     &ZenubShape::getCornerRadius, &ZenubShape::setCornerRadius);

    m_pTextEdit = new QLineEdit(m_pForm);
    m_pTextEdit->setObjectName(QStringLiteral("propertyText"));
    form->addRow(tr("Text:"), m_pTextEdit);
    m_textOnly.append(m_pTextEdit);
    connect(m_pTextEdit, &QLineEdit::editingFinished, this, [this] {
        const QString text = m_pTextEdit->text();
        // A text shape without words could not be picked again; keep what it had.
        if (text.trimmed().isEmpty()) {
            refresh();
            return;
        }
        editShapes(tr("Edit Text"), 0, true, [text](ZenubShape& shape) { shape.setText(text); });
    });
    m_showers.append([this](const ZenubShape& shape, const ZenubKeyframe&) {
        if (!m_pTextEdit->hasFocus())
            m_pTextEdit->setText(shape.getText());
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
    form->addRow(tr("Font:"), m_pFontCombo);
    m_textOnly.append(m_pFontCombo);
    const auto applyFont = [this] {
        const QString family = m_pFontCombo->currentText().trimmed();
        if (family.isEmpty()) {
            refresh();
            return;
        }
        editShapes(tr("Change Font"), 0, true,
                   [family](ZenubShape& shape) { shape.setFontFamily(family); });
    };
    connect(m_pFontCombo, QOverload<int>::of(&QComboBox::activated), this, applyFont);
    connect(m_pFontCombo->lineEdit(), &QLineEdit::editingFinished, this, applyFont);
    m_showers.append([this](const ZenubShape& shape, const ZenubKeyframe&) {
        if (!m_pFontCombo->hasFocus())
            m_pFontCombo->setEditText(shape.getFontFamily());
    });
    QDoubleSpinBox* fontSize =
        addShapeSpin(tr("Font size:"), "propertyFontSize", 10000, tr("Change Font Size"),
                     &ZenubShape::getFontSize, &ZenubShape::setFontSize);
    // A size of 0 fits the text to its box.
    fontSize->setSpecialValueText(tr("Fit to box"));
    m_textOnly.append(fontSize);

    connect(stage, &StageWidget::selectionChanged, this, [this] {
        m_pGesture->end();
        refresh();
    });
    connect(stage, &StageWidget::documentChanged, this, &PropertiesPanel::refresh);
    stage->installEventFilter(this);
    refresh();
}

bool PropertiesPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The stage repaints after every change of its frame, whoever made it (scrubbing,
    // playback, stepping); that is the cue to show the values at the new frame.
    if (watched == m_pStage && event->type() == QEvent::Paint &&
        m_pStage->getFrame() != m_shownFrame)
        QMetaObject::invokeMethod(this, &PropertiesPanel::refresh, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

DesignerDocument* PropertiesPanel::document() const
{
    return m_pStage->getDocument();
}

QVector<ShapeRef> PropertiesPanel::selection(bool bTextOnly) const
{
    QVector<ShapeRef> refs;
    DesignerDocument* doc = document();
    if (!doc)
        return refs;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = doc->shapeAt(ref);
        if (shape && (!bTextOnly || shape->getType() == ZenubShape::Type::Text))
            refs.append(ref);
    }
    return refs;
}

void PropertiesPanel::refresh()
{
    const QVector<ShapeRef> refs = selection();
    const ZenubShape* shape =
        refs.isEmpty() ? nullptr : document()->shapeAt(m_pStage->getSelection());
    if (!shape && !refs.isEmpty())
        shape = document()->shapeAt(refs.constLast());
    m_pForm->setEnabled(shape);
    m_shownFrame = m_pStage->getFrame();
    if (!shape) {
        m_pTitle->setText(tr("No shape selected"));
        return;
    }
    m_pTitle->setText(refs.size() == 1 ? shape->getName()
                                       : tr("%n shapes selected", "", refs.size()));
    const bool bText = !selection(true).isEmpty();
    for (QWidget* widget : qAsConst(m_textOnly))
        widget->setEnabled(bText);
    bool bRectangle = false;
    for (const ShapeRef& ref : refs)
        bRectangle =
            bRectangle || document()->shapeAt(ref)->getType() == ZenubShape::Type::Rectangle;
    m_pCornerSpin->setEnabled(bRectangle);

    const ZenubKeyframe state = shape->stateAtFrame(m_shownFrame);
    // Showing a value is not an edit of it.
    m_bShowing = true;
    for (const auto& show : qAsConst(m_showers))
        show(*shape, state);
    m_bShowing = false;
}

void PropertiesPanel::editStates(const QString& text, int mergeKey,
                                 const std::function<void(ZenubKeyframe&)>& change)
{
    DesignerDocument* doc = document();
    if (doc && !m_bShowing)
        doc->editShapeStates(selection(), m_pStage->getFrame(), text, change, mergeKey);
}

void PropertiesPanel::editShapes(const QString& text, int mergeKey, bool bTextOnly,
                                 const std::function<void(ZenubShape&)>& change)
{
    DesignerDocument* doc = document();
    if (doc && !m_bShowing)
        doc->editShapes(selection(bTextOnly), text, change, mergeKey);
}

QDoubleSpinBox* PropertiesPanel::addSpin(const QString& label, const char* name, double minimum,
                                         double maximum)
{
    auto* spin = new QDoubleSpinBox(m_pForm);
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

QDoubleSpinBox* PropertiesPanel::addStateSpin(const QString& label, const char* name,
                                              double minimum, double maximum,
                                              const QString& undoText, StateGetter read,
                                              StateSetter write, double scale)
{
    QDoubleSpinBox* spin = addSpin(label, name, minimum, maximum);
    connect(spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this, spin, write, undoText, scale](double value) {
                if (m_bShowing)
                    return;
                editStates(
                    undoText, m_pGesture->mergeKey(spin),
                    [write, value, scale](ZenubKeyframe& state) { (state.*write)(value / scale); });
            });
    m_showers.append([spin, read, scale](const ZenubShape&, const ZenubKeyframe& state) {
        spin->setValue((state.*read)() * scale);
    });
    return spin;
}

QDoubleSpinBox* PropertiesPanel::addShapeSpin(const QString& label, const char* name,
                                              double maximum, const QString& undoText,
                                              ShapeGetter read, ShapeSetter write)
{
    QDoubleSpinBox* spin = addSpin(label, name, 0, maximum);
    connect(spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this, spin, write, undoText](double value) {
                if (m_bShowing)
                    return;
                editShapes(undoText, m_pGesture->mergeKey(spin), false,
                           [write, value](ZenubShape& shape) { (shape.*write)(value); });
            });
    m_showers.append([spin, read](const ZenubShape& shape, const ZenubKeyframe&) {
        spin->setValue((shape.*read)());
    });
    return spin;
}

QToolButton* PropertiesPanel::addColorButton(const QString& label, const char* name,
                                             const QString& undoText, ColorGetter read,
                                             ColorSetter write)
{
    auto* button = new QToolButton(m_pForm);
    button->setObjectName(QLatin1String(name));
    button->setIconSize(QSize(32, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    static_cast<QFormLayout*>(m_pForm->layout())->addRow(label, button);
    connect(button, &QToolButton::clicked, this, [this, label, read, write, undoText] {
        const QVector<ShapeRef> refs = selection();
        const ZenubShape* shape = refs.isEmpty() ? nullptr : document()->shapeAt(refs.constLast());
        if (!shape)
            return;
        const QPointer<DesignerDocument> doc = document();
        const QColor color = QColorDialog::getColor(
            (shape->*read)(), this, label.left(label.size() - 1), QColorDialog::ShowAlphaChannel);
        // The dialog ran an event loop: the document or the shapes may be gone by now.
        if (color.isValid() && doc && doc == document())
            doc->editShapes(refs, undoText,
                            [write, color](ZenubShape& each) { (each.*write)(color); });
    });
    m_showers.append([button, read](const ZenubShape& shape, const ZenubKeyframe&) {
        const QColor color = (shape.*read)();
        button->setIcon(swatch(color));
        button->setText(color.alpha() == 255 ? color.name() : color.name(QColor::HexArgb));
    });
    return button;
}
