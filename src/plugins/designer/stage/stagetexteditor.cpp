// SPDX-License-Identifier: MIT
#include "stagetexteditor.h"

#include "model/render/framerenderer.h"
#include "stagewidget.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTextFrame>

#include <cmath>

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
    document()->setDocumentMargin(0);
    hide();
    connect(stage, &StageWidget::viewChanged, this, &StageTextEditor::place);
    connect(this, &QTextEdit::textChanged, this, &StageTextEditor::place);
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
    m_original = shape->getText();
    setPlainText(m_original);
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
    if (!shape)
        return;
    // Laying the words out again is no change of them.
    const QSignalBlocker block(this);
    const ZenubKeyframe state = shape->stateAtFrame(m_pStage->getFrame());
    const QRectF box = FrameRenderer::shapeRect(state);
    const double zoom = m_pStage->getZoom();
    // The words as typed so far, so that a text sized to its box shrinks as lines come.
    ZenubShape typed = *shape;
    typed.setText(toPlainText());
    QFont font = FrameRenderer::textFont(typed, box);
    font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * zoom))));
    if (this->document()->defaultFont() != font)
        this->document()->setDefaultFont(font);
    const QString look = QStringLiteral("QTextEdit { background: transparent; color: %1; }")
                             .arg(shape->getFillColor().name(QColor::HexArgb));
    if (styleSheet() != look)
        setStyleSheet(look);
    const QRectF shown(m_pStage->fromStage(box.topLeft()), m_pStage->fromStage(box.bottomRight()));
    setGeometry(shown.toAlignedRect());
    QTextCursor all(this->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    centreVertically();
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
    const QString text = toPlainText();
    m_ref = ShapeRef();
    hide();
    m_pStage->setFocus();
    m_pStage->update();
    DesignerDocument* document = m_pStage->getDocument();
    if (!document || !document->shapeAt(ref) || text == m_original)
        return;
    if (text.trimmed().isEmpty()) {
        // A text without words could not be seen or picked again.
        document->removeShapes({ref});
        m_pStage->setSelection(ShapeRef());
        return;
    }
    document->editShapes({ref}, tr("Edit Text"),
                         [&text](ZenubShape& shape) { shape.setText(text); });
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
