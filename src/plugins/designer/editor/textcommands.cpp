// SPDX-License-Identifier: MIT
#include "textcommands.h"

#include "editorcommandtable.h"
#include "stage/stagetexteditor.h"
#include "stage/stagewidget.h"

#include <QAction>
#include <QTextCharFormat>

namespace {

using Type = ZenubShape::Type;

bool runHas(const ZenubTextRun& run, int style)
{
    switch (style) {
    case QTextFormat::FontWeight:
        return run.bold;
    case QTextFormat::FontItalic:
        return run.italic;
    case QTextFormat::FontUnderline:
        return run.underline;
    default:
        return false;
    }
}

} // namespace

TextCommands::TextCommands(StageWidget* stage, QObject* parent)
    : QObject(parent)
    , m_pStage(stage)
{
    const struct
    {
        const char* id;
        int style;
        QString tip;
        QString undo;
    } styles[] = {
        {"Text.Bold", QTextFormat::FontWeight, tr("Bold words"), tr("Bold")},
        {"Text.Italic", QTextFormat::FontItalic, tr("Slanted words"), tr("Italic")},
        {"Text.Underline", QTextFormat::FontUnderline, tr("Underlined words"), tr("Underline")},
    };
    for (const auto& entry : styles) {
        QAction* action = addCommand(QLatin1String(entry.id), entry.tip);
        const int style = entry.style;
        const QString undo = entry.undo;
        connect(action, &QAction::triggered, this,
                [this, style, undo] { toggleStyle(style, undo); });
        m_styles.append(qMakePair(action, style));
    }
    const char* const aligns[] = {"Text.Align_Left", "Text.Align_Centre", "Text.Align_Right"};
    const QString tips[] = {tr("Lines start at the left edge of the box"),
                            tr("Lines are centred in the box"),
                            tr("Lines end at the right edge of the box")};
    for (int i = 0; i < 3; ++i) {
        QAction* action = addCommand(QLatin1String(aligns[i]), tips[i]);
        connect(action, &QAction::triggered, this, [this, i] { align(i); });
        m_aligns.append(action);
    }
    StageTextEditor* editor = stage->textEditor();
    connect(editor, &QTextEdit::currentCharFormatChanged, this, &TextCommands::updateActions);
    connect(editor, &QTextEdit::selectionChanged, this, &TextCommands::updateActions);
    connect(stage, &StageWidget::selectionChanged, this, &TextCommands::updateActions);
    connect(stage, &StageWidget::documentChanged, this, &TextCommands::updateActions);
    updateActions();
}

QList<QAction*> TextCommands::actions() const
{
    QList<QAction*> all;
    for (const auto& command : m_commands)
        all.append(command.first);
    return all;
}

QAction* TextCommands::addCommand(const QString& id, const QString& tip)
{
    auto* action = new QAction(this);
    if (const EditorCommand* command = EditorCommandTable::find(id))
        action->setText(command->text);
    action->setObjectName(id);
    action->setCheckable(true);
    EditorCommandTable::describe(action, id, tip);
    m_commands.append(qMakePair(action, id));
    return action;
}

bool TextCommands::hasStyle(const ZenubText& text, int style)
{
    for (const ZenubTextRun& run : text.getRuns())
        if (!runHas(run, style))
            return false;
    return !text.getRuns().isEmpty();
}

ZenubText TextCommands::withStyle(ZenubText text, int style, bool bOn)
{
    QVector<ZenubTextRun> runs = text.getRuns();
    for (ZenubTextRun& run : runs) {
        if (style == QTextFormat::FontWeight)
            run.bold = bOn;
        else if (style == QTextFormat::FontItalic)
            run.italic = bOn;
        else if (style == QTextFormat::FontUnderline)
            run.underline = bOn;
    }
    text.setRuns(runs);
    return text;
}

void TextCommands::toggleStyle(int style, const QString& undoText)
{
    StageTextEditor* editor = m_pStage->textEditor();
    if (editor->isEditing()) {
        editor->toggleStyle(style);
        updateActions();
        return;
    }
    DesignerDocument* document = m_pStage->getDocument();
    if (!document)
        return;
    QVector<ShapeRef> texts;
    bool bAll = true;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = document->shapeAt(ref);
        if (shape && shape->getType() == Type::Text) {
            texts.append(ref);
            bAll = bAll && hasStyle(shape->getTextContent(), style);
        }
    }
    document->editShapes(texts, undoText, [style, bAll](ZenubShape& shape) {
        shape.setTextContent(withStyle(shape.getTextContent(), style, !bAll));
    });
}

void TextCommands::align(int alignment)
{
    DesignerDocument* document = m_pStage->getDocument();
    if (!document)
        return;
    QVector<ShapeRef> texts;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = document->shapeAt(ref);
        if (shape && shape->getType() == Type::Text)
            texts.append(ref);
    }
    document->editShapes(texts, tr("Align Text"), [alignment](ZenubShape& shape) {
        shape.textContent().setAlignment(ZenubText::Alignment(alignment));
    });
    updateActions();
}

void TextCommands::updateActions()
{
    const DesignerDocument* document = m_pStage->getDocument();
    const StageTextEditor* editor = m_pStage->textEditor();
    QVector<const ZenubShape*> texts;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = document ? document->shapeAt(ref) : nullptr;
        if (shape && shape->getType() == Type::Text)
            texts.append(shape);
    }
    const bool bTexts = !texts.isEmpty() || editor->isEditing();
    const QTextCharFormat typing = editor->currentCharFormat();
    for (const auto& style : qAsConst(m_styles)) {
        style.first->setEnabled(bTexts);
        bool bOn = !texts.isEmpty();
        if (editor->isEditing()) {
            bOn = style.second == QTextFormat::FontWeight   ? typing.fontWeight() >= QFont::Bold
                  : style.second == QTextFormat::FontItalic ? typing.fontItalic()
                                                            : typing.fontUnderline();
        } else {
            for (const ZenubShape* shape : qAsConst(texts))
                bOn = bOn && hasStyle(shape->getTextContent(), style.second);
        }
        style.first->setChecked(bOn);
    }
    for (int i = 0; i < m_aligns.size(); ++i) {
        m_aligns.at(i)->setEnabled(!texts.isEmpty());
        bool bOn = !texts.isEmpty();
        for (const ZenubShape* shape : qAsConst(texts))
            bOn = bOn && int(shape->getTextContent().getAlignment()) == i;
        m_aligns.at(i)->setChecked(bOn);
    }
}
