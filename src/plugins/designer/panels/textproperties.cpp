// SPDX-License-Identifier: MIT
#include "textproperties.h"

#include "mixedspinbox.h"
#include "spingesture.h"
#include "stage/stagewidget.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

QVector<ShapeRef> selectedTexts(const StageWidget* stage, QVector<const ZenubShape*>* shapes)
{
    QVector<ShapeRef> refs;
    const DesignerDocument* document = stage->getDocument();
    for (const ShapeRef& ref : stage->getSelectedShapes()) {
        const ZenubShape* shape = document ? document->shapeAt(ref) : nullptr;
        if (shape && shape->getType() == ZenubShape::Type::Text) {
            refs.append(ref);
            if (shapes)
                shapes->append(shape);
        }
    }
    return refs;
}

} // namespace

TextProperties::TextProperties(StageWidget* stage, QFormLayout* form)
    : QObject(form->parentWidget())
    , m_pStage(stage)
    , m_pForm(form)
    , m_pButtons(new QWidget(form->parentWidget()))
    , m_pButtonRow(new QHBoxLayout(m_pButtons))
    , m_pSpacing(new MixedSpinBox(form->parentWidget()))
    , m_pBox(new QComboBox(form->parentWidget()))
    , m_pGesture(new SpinGesture(this))
{
    m_pButtonRow->setContentsMargins(0, 0, 0, 0);
    m_pButtonRow->setSpacing(1);
    m_pButtons->setObjectName(QStringLiteral("propertyTextStyle"));
    form->addRow(tr("Style:"), m_pButtons);

    m_pSpacing->setObjectName(QStringLiteral("propertyLineSpacing"));
    m_pSpacing->setRange(0.5, 5);
    m_pSpacing->setSingleStep(0.1);
    m_pSpacing->setDecimals(2);
    m_pSpacing->setShownSuffix(QStringLiteral(" \u00d7"));
    m_pSpacing->setMinimumWidth(70);
    m_pSpacing->setKeyboardTracking(false);
    m_pSpacing->setToolTip(tr("The distance between lines, times the font's own"));
    m_pGesture->watch(m_pSpacing);
    form->addRow(tr("Line spacing:"), m_pSpacing);
    connect(m_pSpacing, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this](double factor) {
                DesignerDocument* document = m_pStage->getDocument();
                if (m_bShowing || !document)
                    return;
                document->editShapes(
                    selectedTexts(m_pStage, nullptr), tr("Change Line Spacing"),
                    [factor](ZenubShape& shape) { shape.textContent().setLineSpacing(factor); },
                    m_pGesture->mergeKey(m_pSpacing));
            });

    m_pBox->setObjectName(QStringLiteral("propertyTextBox"));
    m_pBox->addItems({tr("Grows with its lines"), tr("Wraps its lines")});
    m_pBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pBox->setMinimumContentsLength(6);
    m_pBox->setToolTip(tr("A text sized to its box (font size 0) neither wraps nor grows"));
    form->addRow(tr("Text box:"), m_pBox);
    connect(m_pBox, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        DesignerDocument* document = m_pStage->getDocument();
        if (!document)
            return;
        document->editShapes(selectedTexts(m_pStage, nullptr), tr("Change Text Box"),
                             [index](ZenubShape& shape) {
                                 shape.textContent().setBoxMode(ZenubText::BoxMode(index));
                             });
    });

    connect(stage, &StageWidget::selectionChanged, this, [this] {
        m_pGesture->end();
        refresh();
    });
    connect(stage, &StageWidget::documentChanged, this, &TextProperties::refresh);
    refresh();
}

void TextProperties::setStyleActions(const QList<QAction*>& actions)
{
    for (int i = 0; i < actions.size(); ++i) {
        auto* button = new QToolButton(m_pButtons);
        button->setDefaultAction(actions.at(i));
        button->setAutoRaise(true);
        // Bold, italic and underline show as such; the alignments have pictures.
        if (i < 3 && actions.at(i)->icon().isNull()) {
            const char* const letters[] = {"B", "I", "U"};
            button->setText(QLatin1String(letters[i]));
            QFont font = button->font();
            font.setBold(i == 0);
            font.setItalic(i == 1);
            font.setUnderline(i == 2);
            button->setFont(font);
        }
        if (i == 3)
            m_pButtonRow->addSpacing(8);
        m_pButtonRow->addWidget(button);
    }
    m_pButtonRow->addStretch(1);
}

void TextProperties::refresh()
{
    QVector<const ZenubShape*> texts;
    selectedTexts(m_pStage, &texts);
    const bool bTexts = !texts.isEmpty();
    for (QWidget* field :
         {m_pButtons, static_cast<QWidget*>(m_pSpacing), static_cast<QWidget*>(m_pBox)}) {
        field->setVisible(bTexts);
        if (QWidget* label = m_pForm->labelForField(field))
            label->setVisible(bTexts);
    }
    if (!bTexts)
        return;
    const QScopedValueRollback<bool> showing(m_bShowing, true);
    const ZenubText& first = texts.first()->getTextContent();
    bool bSameSpacing = true;
    bool bSameBox = true;
    for (const ZenubShape* shape : qAsConst(texts)) {
        bSameSpacing =
            bSameSpacing && shape->getTextContent().getLineSpacing() == first.getLineSpacing();
        bSameBox = bSameBox && shape->getTextContent().getBoxMode() == first.getBoxMode();
    }
    if (!m_pSpacing->hasFocus())
        m_pSpacing->display(first.getLineSpacing(), !bSameSpacing);
    m_pBox->setCurrentIndex(bSameBox ? int(first.getBoxMode()) : -1);
}
