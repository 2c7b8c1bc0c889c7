// SPDX-License-Identifier: MIT
#include "stagetexteditor.h"

#include "model/render/framerenderer.h"
#include "model/render/shapegeometry.h"
#include "model/render/textlayout.h"
#include "stagewidget.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextFrame>

#include <cmath>

namespace {

// What a run sets for itself, kept on the characters so that it comes back as it was.
enum RunProperty {
    OwnSize = QTextFormat::UserProperty + 1,
    OwnFamily,
    OwnColor,
};

} // namespace

StageTextEditor::StageTextEditor(StageWidget* stage)
    : QTextEdit(stage)
    , m_pStage(stage)
{
    setObjectName(QStringLiteral("stageTextEditor"));
    setFrameShape(QFrame::NoFrame);
    setAcceptRichText(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The stage shows through: the words stand where the shape's own would.
    viewport()->setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
    document()->setDocumentMargin(0);
    hide();
    connect(stage, &StageWidget::viewChanged, this, &StageTextEditor::place);
    // Settings of the whole text (alignment, spacing) may change while its words are typed.
    connect(stage, &StageWidget::documentChanged, this, &StageTextEditor::place);
    connect(this, &QTextEdit::textChanged, this, &StageTextEditor::place);
}

QVector<ZenubTextRun> StageTextEditor::runsOf(const QTextDocument* document)
{
    QVector<ZenubTextRun> runs;
    // A line break goes with the words after it, so that it never stretches a style.
    QString breaks;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            breaks += QLatin1Char('\n');
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            ZenubTextRun run(breaks + fragment.text());
            breaks.clear();
            run.bold = format.fontWeight() >= QFont::Bold;
            run.italic = format.fontItalic();
            run.underline = format.fontUnderline();
            run.size = format.doubleProperty(OwnSize);
            run.family = format.stringProperty(OwnFamily);
            run.color = format.colorProperty(OwnColor);
            runs.append(run);
        }
    }
    if (!breaks.isEmpty()) {
        if (runs.isEmpty())
            runs.append(ZenubTextRun());
        runs.last().text += breaks;
    }
    return runs;
}

ZenubText StageTextEditor::typedText(const ZenubShape& shape) const
{
    ZenubText text = shape.getTextContent();
    text.setRuns(runsOf(document()));
    return text;
}

void StageTextEditor::fill(const ZenubText& text)
{
    const QSignalBlocker block(this);
    clear();
    QTextCursor cursor(document());
    for (const ZenubTextRun& run : text.getRuns()) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        format.setProperty(OwnSize, run.size);
        format.setProperty(OwnFamily, run.family);
        format.setProperty(OwnColor, run.color);
        const QStringList paragraphs = run.text.split(QLatin1Char('\n'));
        for (int i = 0; i < paragraphs.size(); ++i) {
            if (i > 0)
                cursor.insertBlock(QTextBlockFormat(), format);
            cursor.insertText(paragraphs.at(i), format);
        }
    }
}

bool StageTextEditor::begin(const ShapeRef& ref, bool bSelectAll)
{
    if (isEditing())
        finish();
    const DesignerDocument* document = m_pStage->getDocument();
    const ZenubShape* shape = document ? document->shapeAt(ref) : nullptr;
    if (!shape || shape->getType() != ZenubShape::Type::Text)
        return false;
    m_ref = ref;
    m_original = shape->getTextContent();
    fill(m_original);
    place();
    show();
    setFocus();
    QTextCursor cursor(this->document());
    cursor.movePosition(QTextCursor::End);
    if (bSelectAll)
        cursor.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    m_pStage->update();
    return true;
}

void StageTextEditor::place()
{
    const DesignerDocument* document = m_pStage->getDocument();
    const ZenubShape* shape = document && isEditing() ? document->shapeAt(m_ref) : nullptr;
    if (!shape) {
        // Its shape went (an undo took it back): there is nothing left to edit.
        if (isEditing()) {
            m_ref = ShapeRef();
            hide();
        }
        return;
    }
    // Laying the words out again is no change of them.
    const QSignalBlocker block(this);
    const ZenubText text = typedText(*shape);
    const QRectF box = boxFor(*shape, text);
    // A member of a group stands where the group puts it, at the group's scale; the box
    // itself stays upright, as it does for a turned text.
    const ZenubProject& project = document->getProject();
    const QTransform toStage = ShapeGeometry::parentToStage(project.getScenes().at(m_ref.scene),
                                                            m_ref, m_pStage->getFrame());
    const double scaleX = std::hypot(toStage.m11(), toStage.m12());
    const double scaleY = std::hypot(toStage.m21(), toStage.m22());
    const double zoom = m_pStage->getZoom() * std::sqrt(scaleX * scaleY);
    // Each stretch in the font the stage draws it with, at the view's zoom.
    const std::shared_ptr<const TextLayout> layout = TextLayout::of(text, box.size());
    const QColor fill = shape->getFillColor();
    QTextCursor cursor(this->document());
    int at = 0;
    for (int i = 0; i < text.getRuns().size(); ++i) {
        const ZenubTextRun& run = text.getRuns().at(i);
        QFont font = layout->fontOf(i);
        QTextCharFormat format;
        format.setFontFamily(font.family());
        format.setProperty(QTextFormat::FontPixelSize,
                           std::max(1, int(std::lround(font.pixelSize() * zoom))));
        format.setForeground(run.color.isValid() ? run.color : fill);
        cursor.setPosition(at);
        at += run.text.size();
        cursor.setPosition(at, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    const Qt::Alignment alignment =
        text.getAlignment() == ZenubText::Alignment::Left    ? Qt::AlignLeft
        : text.getAlignment() == ZenubText::Alignment::Right ? Qt::AlignRight
                                                             : Qt::AlignHCenter;
    QTextBlockFormat paragraphs;
    paragraphs.setAlignment(alignment);
    paragraphs.setLineHeight(text.getLineSpacing() * 100, QTextBlockFormat::ProportionalHeight);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(paragraphs);
    // What is typed where no words are left takes the text's own font.
    const double base = text.getFontSize() > 0     ? text.getFontSize()
                        : text.getRuns().isEmpty() ? box.height() * 0.7
                                                   : layout->fontOf(0).pixelSize();
    QFont typing(text.getFontFamily());
    typing.setPixelSize(std::max(1, int(std::lround(base * zoom))));
    if (this->document()->defaultFont() != typing)
        this->document()->setDefaultFont(typing);
    setLineWrapMode(text.getFontSize() > 0 && text.getBoxMode() == ZenubText::BoxMode::Wrap
                        ? QTextEdit::WidgetWidth
                        : QTextEdit::NoWrap);
    const QPointF centre = toStage.map(box.center());
    const QSizeF size(box.width() * scaleX, box.height() * scaleY);
    const QPointF corner = centre - QPointF(size.width(), size.height()) / 2;
    const QRectF shown(m_pStage->fromStage(corner),
                       m_pStage->fromStage(corner + QPointF(size.width(), size.height())));
    setGeometry(shown.toAlignedRect());
    centreVertically();
}

QRectF StageTextEditor::boxFor(const ZenubShape& shape, const ZenubText& text) const
{
    const QRectF box = FrameRenderer::shapeRect(shape.stateAtFrame(m_pStage->getFrame()));
    if (text.getFontSize() <= 0 || text.getBoxMode() != ZenubText::BoxMode::Grow)
        return box;
    // A growing box takes the size its lines need, about the edge its lines align to.
    const QSizeF natural = TextLayout::naturalSize(text, box.size());
    const double width = std::max(natural.width(), 1.0);
    const double left = text.getAlignment() == ZenubText::Alignment::Left ? box.left()
                        : text.getAlignment() == ZenubText::Alignment::Right
                            ? box.right() - width
                            : box.center().x() - width / 2;
    return QRectF(left, box.top(), width, std::max(natural.height(), 1.0));
}

void StageTextEditor::centreVertically()
{
    // The stage centres the lines in their box; so does the editor, as they grow.
    QTextFrame* root = document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    const double lines = document()->size().height() - format.topMargin();
    const double margin = std::max(0.0, (height() - lines) / 2);
    if (std::abs(format.topMargin() - margin) < 0.5)
        return;
    format.setTopMargin(margin);
    root->setFrameFormat(format);
}

void StageTextEditor::toggleStyle(int style)
{
    QTextCursor cursor = textCursor();
    const QTextCharFormat current = cursor.charFormat();
    QTextCharFormat format;
    switch (style) {
    case QTextFormat::FontWeight:
        format.setFontWeight(current.fontWeight() >= QFont::Bold ? QFont::Normal : QFont::Bold);
        break;
    case QTextFormat::FontItalic:
        format.setFontItalic(!current.fontItalic());
        break;
    case QTextFormat::FontUnderline:
        format.setFontUnderline(!current.fontUnderline());
        break;
    default:
        return;
    }
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

void StageTextEditor::hideEdited(ZenubProject& project) const
{
    if (ZenubShape* shape = isEditing() ? m_ref.find(project) : nullptr)
        shape->setText(QString());
}

void StageTextEditor::finish()
{
    if (!isEditing() || m_bFinishing)
        return;
    const QScopedValueRollback<bool> finishing(m_bFinishing, true);
    const ShapeRef ref = m_ref;
    DesignerDocument* document = m_pStage->getDocument();
    const ZenubShape* shape = document ? document->shapeAt(ref) : nullptr;
    const ZenubText text = shape ? typedText(*shape) : ZenubText();
    const QRectF box = shape ? boxFor(*shape, text) : QRectF();
    m_ref = ShapeRef();
    hide();
    m_pStage->setFocus();
    m_pStage->update();
    if (!shape || text == m_original)
        return;
    if (text.getPlainText().trimmed().isEmpty()) {
        // A text without words could not be seen or picked again.
        document->removeShapes({ref});
        m_pStage->setSelection(ShapeRef());
        return;
    }
    // A growing box keeps the size its lines took while typing.
    const bool bGrow = text.getFontSize() > 0 && text.getBoxMode() == ZenubText::BoxMode::Grow;
    const int frame = m_pStage->getFrame();
    const bool bAutoKey = document->isAutoKey();
    document->editShapes({ref}, tr("Edit Text"), [&](ZenubShape& each) {
        each.setTextContent(text);
        if (bGrow)
            each.editAt(frame, bAutoKey, [&box](ZenubKeyframe& state) {
                state.setX(box.x());
                state.setY(box.y());
                state.setWidth(box.width());
                state.setHeight(box.height());
            });
    });
}

void StageTextEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        finish();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void StageTextEditor::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    // A menu or a tool tip borrows the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        finish();
}
