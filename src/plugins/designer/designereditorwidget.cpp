#include "designereditorwidget.h"

#include "designerdocument.h"
#include "panels/dockarea.h"
#include "panels/layerspanel.h"
#include "panels/scenespanel.h"
#include "shapeedits.h"
#include "stagewidget.h"

#include <plugin/iui.h>

#include <QAction>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

// English is the source language and has no catalogue, so its two forms are chosen here.
QString framesSuffix(int count)
{
    const char* const source = " frame(s)";
    const QString translated = DesignerEditorWidget::tr(source, nullptr, count);
    if (translated != QLatin1String(source))
        return translated;
    return count == 1 ? QStringLiteral(" frame") : QStringLiteral(" frames");
}

} // namespace

DesignerEditorWidget::DesignerEditorWidget(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pToolBar = new QToolBar(this);
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_pToolBar->setObjectName(QStringLiteral("designerToolBar"));
    QAction* rectangle = m_pToolBar->addAction(tr("Rectangle"));
    rectangle->setObjectName(QStringLiteral("addRectangle"));
    rectangle->setToolTip(tr("Add a rectangle to the current scene"));
    connect(rectangle, &QAction::triggered, this, [this] { addShape(0); });
    QAction* ellipse = m_pToolBar->addAction(tr("Ellipse"));
    ellipse->setObjectName(QStringLiteral("addEllipse"));
    ellipse->setToolTip(tr("Add an ellipse to the current scene"));
    connect(ellipse, &QAction::triggered, this, [this] { addShape(1); });
    QAction* text = m_pToolBar->addAction(tr("Text"));
    text->setObjectName(QStringLiteral("addText"));
    text->setToolTip(tr("Add a line of text to the current scene"));
    connect(text, &QAction::triggered, this, [this] { addShape(2); });
    m_pToolBar->addSeparator();
    m_pDeleteAction = m_pToolBar->addAction(tr("Delete"));
    m_pDeleteAction->setObjectName(QStringLiteral("deleteShape"));
    m_pDeleteAction->setToolTip(tr("Delete the selected shapes"));
    connect(m_pDeleteAction, &QAction::triggered, this,
            [this] { m_pShapeEdits->deleteSelection(); });
    m_pColorAction = m_pToolBar->addAction(tr("Colour..."));
    m_pColorAction->setObjectName(QStringLiteral("shapeColor"));
    m_pColorAction->setToolTip(tr("Choose the fill colour of the selected shape"));
    connect(m_pColorAction, &QAction::triggered, this, [this] {
        if (!m_pDocument)
            return;
        const ShapeRef ref = m_pStage->getSelection();
        const ZenubShape* shape = m_pDocument->shapeAt(ref);
        if (!shape)
            return;
        const QColor color =
            QColorDialog::getColor(shape->getFillColor(), this, tr("Shape Colour"));
        // The dialog ran an event loop: the shape may be gone by now.
        if (color.isValid() && m_pDocument)
            m_pDocument->setShapeColor(ref, color);
    });
    m_pToolBar->addSeparator();
    m_pUndoAction = m_pToolBar->addAction(tr("Undo"));
    m_pRedoAction = m_pToolBar->addAction(tr("Redo"));
    layout->addWidget(m_pToolBar);

    m_pStage = new StageWidget(this);
    m_pStage->setObjectName(QStringLiteral("stage"));
    m_pDocks = new DockArea(m_pStage, this);
    layout->addWidget(m_pDocks, 1);
    auto* panels = new QToolButton(m_pToolBar);
    panels->setText(tr("Panels"));
    panels->setToolTip(tr("Show or hide the panels around the stage"));
    panels->setPopupMode(QToolButton::InstantPopup);
    panels->addActions(m_pDocks->panelActions());
    m_pToolBar->addWidget(panels);

    auto* timeline = new QWidget(this);
    auto* timeLayout = new QHBoxLayout(timeline);
    timeLayout->setContentsMargins(6, 4, 6, 4);
    auto* play = new QToolButton(timeline);
    play->setObjectName(QStringLiteral("play"));
    m_pPlayAction = new QAction(tr("Play"), this);
    m_pPlayAction->setCheckable(true);
    m_pPlayAction->setToolTip(tr("Play the current scene"));
    play->setDefaultAction(m_pPlayAction);
    connect(m_pPlayAction, &QAction::toggled, this, &DesignerEditorWidget::setPlaying);
    timeLayout->addWidget(play);
    m_pPlayTimer = new QTimer(this);
    connect(m_pPlayTimer, &QTimer::timeout, this, [this] {
        // Loops the scene, as the exported page does.
        setCurrentFrame((getCurrentFrame() + 1) % (m_pFrameSlider->maximum() + 1));
    });
    timeLayout->addWidget(new QLabel(tr("Frame:"), timeline));
    m_pFrameSlider = new QSlider(Qt::Horizontal, timeline);
    m_pFrameSlider->setObjectName(QStringLiteral("frameSlider"));
    timeLayout->addWidget(m_pFrameSlider, 1);
    m_pFrameSpin = new QSpinBox(timeline);
    m_pFrameSpin->setObjectName(QStringLiteral("frameSpin"));
    timeLayout->addWidget(m_pFrameSpin);
    m_pFrameLabel = new QLabel(timeline);
    timeLayout->addWidget(m_pFrameLabel);
    timeLayout->addWidget(new QLabel(tr("Scene length:"), timeline));
    m_pDurationSpin = new QSpinBox(timeline);
    m_pDurationSpin->setObjectName(QStringLiteral("durationSpin"));
    m_pDurationSpin->setRange(1, 100000);
    m_pDurationSpin->setSuffix(framesSuffix(m_pDurationSpin->value()));
    m_pDurationSpin->setKeyboardTracking(false);
    timeLayout->addWidget(m_pDurationSpin);
    auto* keyframe = new QToolButton(timeline);
    keyframe->setObjectName(QStringLiteral("setKeyframe"));
    m_pKeyframeAction = new QAction(tr("Set Keyframe"), this);
    m_pKeyframeAction->setToolTip(tr("Store the selected shape's position at this frame"));
    keyframe->setDefaultAction(m_pKeyframeAction);
    connect(m_pKeyframeAction, &QAction::triggered, this, [this] {
        if (m_pDocument)
            m_pDocument->setKeyframe(m_pStage->getSelection(), getCurrentFrame());
    });
    timeLayout->addWidget(keyframe);
    layout->addWidget(timeline);

    connect(m_pFrameSlider, &QSlider::valueChanged, this, &DesignerEditorWidget::setCurrentFrame);
    connect(m_pFrameSpin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &DesignerEditorWidget::setCurrentFrame);
    connect(m_pDurationSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int n) {
        if (m_pDocument)
            m_pDocument->setSceneDuration(getCurrentScene(), n);
    });
    connect(m_pDocks->getScenes(), &ScenesPanel::currentSceneChanged, this,
            &DesignerEditorWidget::updateTimeline);
    connect(m_pStage, &StageWidget::selectionChanged, this, &DesignerEditorWidget::updateButtons);
    m_pShapeEdits = new ShapeEdits(m_pStage, this);
    // Another scene offers other shapes to select.
    connect(m_pDocks->getScenes(), &ScenesPanel::currentSceneChanged, m_pShapeEdits,
            &ShapeEdits::stateChanged);
    connect(m_pStage, &StageWidget::shapeActivated, this, &DesignerEditorWidget::editText);
    updateButtons();
}

void DesignerEditorWidget::setDocument(DesignerDocument* document)
{
    if (m_pDocument)
        disconnect(m_pDocument, nullptr, this, nullptr);
    m_pDocument = document;
    m_pStage->setDocument(document);
    if (document) {
        connect(document, &IDocument::dataChanged, this, &DesignerEditorWidget::refresh);
        QUndoStack* stack = document->getUndoStack();
        disconnect(m_pUndoAction, nullptr, nullptr, nullptr);
        disconnect(m_pRedoAction, nullptr, nullptr, nullptr);
        connect(m_pUndoAction, &QAction::triggered, stack, &QUndoStack::undo);
        connect(m_pRedoAction, &QAction::triggered, stack, &QUndoStack::redo);
        connect(stack, &QUndoStack::canUndoChanged, m_pUndoAction, &QAction::setEnabled);
        connect(stack, &QUndoStack::canRedoChanged, m_pRedoAction, &QAction::setEnabled);
        m_pUndoAction->setEnabled(stack->canUndo());
        m_pRedoAction->setEnabled(stack->canRedo());
    }
    refresh();
}

int DesignerEditorWidget::getCurrentScene() const
{
    return m_pStage->getScene();
}

int DesignerEditorWidget::getCurrentFrame() const
{
    return m_pStage->getFrame();
}

void DesignerEditorWidget::setCurrentFrame(int frame)
{
    m_pStage->setFrame(frame);
    const QSignalBlocker sliderBlock(m_pFrameSlider);
    const QSignalBlocker spinBlock(m_pFrameSpin);
    m_pFrameSlider->setValue(frame);
    m_pFrameSpin->setValue(frame);
    updateTimeline();
}

void DesignerEditorWidget::setCurrentScene(int scene)
{
    m_pDocks->getScenes()->setCurrentScene(scene);
}

void DesignerEditorWidget::refresh()
{
    updateTimeline();
    updateButtons();
}

void DesignerEditorWidget::updateTimeline()
{
    int duration = 1;
    if (m_pDocument) {
        const QVector<ZenubScene>& scenes = m_pDocument->getProject().getScenes();
        const int scene = m_pStage->getScene();
        if (scene >= 0 && scene < scenes.size())
            duration = std::max(1, scenes.at(scene).getDuration());
    }
    const int frame = std::min(m_pStage->getFrame(), duration - 1);
    const QSignalBlocker sliderBlock(m_pFrameSlider);
    const QSignalBlocker spinBlock(m_pFrameSpin);
    const QSignalBlocker durationBlock(m_pDurationSpin);
    m_pFrameSlider->setRange(0, duration - 1);
    m_pFrameSpin->setRange(0, duration - 1);
    m_pFrameSlider->setValue(frame);
    m_pFrameSpin->setValue(frame);
    m_pDurationSpin->setValue(duration);
    m_pDurationSpin->setSuffix(framesSuffix(duration));
    if (frame != m_pStage->getFrame())
        m_pStage->setFrame(frame);
    m_pFrameLabel->setText(tr("of %1").arg(duration - 1));
}

void DesignerEditorWidget::updateButtons()
{
    const bool bSelected = m_pDocument && m_pDocument->shapeAt(m_pStage->getSelection());
    m_pDeleteAction->setEnabled(bSelected);
    m_pColorAction->setEnabled(bSelected);
    m_pKeyframeAction->setEnabled(bSelected);
}

void DesignerEditorWidget::setPlaying(bool bPlaying)
{
    if (!bPlaying || !m_pDocument) {
        m_pPlayTimer->stop();
        m_pPlayAction->setText(tr("Play"));
        return;
    }
    const int rate = std::max(1, m_pDocument->getProject().getFrameRate());
    m_pPlayTimer->start(1000 / rate);
    m_pPlayAction->setText(tr("Stop"));
}

void DesignerEditorWidget::editText(const ShapeRef& ref)
{
    if (!m_pDocument)
        return;
    const ZenubShape* shape = m_pDocument->shapeAt(ref);
    if (!shape || shape->getType() != ZenubShape::Type::Text)
        return;
    bool bOk = false;
    const QString text = QInputDialog::getText(this, tr("Edit Text"), tr("Text:"),
                                               QLineEdit::Normal, shape->getText(), &bOk);
    if (bOk && m_pDocument)
        m_pDocument->setShapeText(ref, text);
}

void DesignerEditorWidget::addShape(int type)
{
    if (!m_pDocument)
        return;
    QString text;
    if (type == 2) {
        bool bOk = false;
        text = QInputDialog::getText(this, tr("Add Text"), tr("Text:"), QLineEdit::Normal,
                                     tr("Text"), &bOk);
        if (!bOk)
            return;
    }
    const int target = m_pDocks->getLayers()->targetLayer();
    if (m_pDocument->addShape(getCurrentScene(), type, text, target)) {
        const ZenubScene& scene = m_pDocument->getProject().getScenes().at(getCurrentScene());
        const int layer = target >= 0 ? target : scene.getLayers().size() - 1;
        m_pStage->setSelection(ShapeRef{getCurrentScene(), layer,
                                        int(scene.getLayers().at(layer).getShapes().size()) - 1});
        m_pStage->setFocus();
    }
}
