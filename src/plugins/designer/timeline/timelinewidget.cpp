// SPDX-License-Identifier: MIT
#include "timelinewidget.h"

#include "dialogs/beziereasingdialog.h"
#include "document/designerdocument.h"
#include "easingmenu.h"
#include "editor/editorcommandtable.h"
#include "framespinbox.h"
#include "grapheditorview.h"
#include "keyframecommands.h"
#include "model/edits/keyframeedits.h"
#include "playbackclock.h"
#include "stage/stagewidget.h"
#include "timelineview.h"
#include "timelineviewoptions.h"

#include <appearance/ithemesmanager.h>

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kGlyphProperty = "transportGlyph";

// A button of command \a id; its tip names the key the user chose for the command.
QAction* addTool(QToolBar* bar, const QString& text, const QString& name, const QString& tip,
                 const char* id, QStyle::StandardPixmap icon = QStyle::SP_CustomBase)
{
    QAction* action = bar->addAction(text);
    if (icon != QStyle::SP_CustomBase)
        action->setProperty(kGlyphProperty, int(icon));
    action->setObjectName(name);
    EditorCommandTable::describe(action, QLatin1String(id), tip);
    return action;
}

} // namespace

TimelineWidget::TimelineWidget(StageWidget* stage, QWidget* parent)
    : QWidget(parent)
    , m_pStage(stage)
    , m_pView(new TimelineView(this))
    , m_pGraph(new GraphEditorView(this))
    , m_pCommands(new KeyframeCommands(m_pView, this))
    , m_pClock(new PlaybackClock(this))
    , m_pEasingMenu(new EasingMenu(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createToolBar());
    m_pOptions = new TimelineViewOptions(m_pToolBar, m_pView, m_pGraph, this);
    auto* rows = new QHBoxLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(m_pView, 1);
    rows->addWidget(m_pGraph, 1);
    layout->addLayout(rows, 1);
    m_pView->setObjectName(QStringLiteral("timelineView"));
    m_pGraph->setObjectName(QStringLiteral("graphEditor"));
    m_pGraph->hide();
    m_pView->installEventFilter(this);
    m_pGraph->installEventFilter(this);

    connect(m_pFirst, &QAction::triggered, this, [this] { setFrame(0); });
    connect(m_pLast, &QAction::triggered, this, [this] { setFrame(duration() - 1); });
    connect(m_pPrevious, &QAction::triggered, this, [this] { step(-1); });
    connect(m_pNext, &QAction::triggered, this, [this] { step(1); });
    connect(m_pPlay, &QAction::toggled, this, &TimelineWidget::setPlaying);
    connect(m_pLoop, &QAction::toggled, m_pClock, &PlaybackClock::setLoop);
    connect(m_pClock, &PlaybackClock::frameChanged, this, &TimelineWidget::setFrame);
    connect(m_pClock, &PlaybackClock::finished, this, [this] { setPlaying(false); });
    connect(m_pFrameSpin, QOverload<int>::of(&FrameSpinBox::valueChanged), this,
            &TimelineWidget::setFrame);
    connect(m_pAutoKey, &QAction::toggled, this, [this](bool bOn) {
        if (m_pDocument)
            m_pDocument->setAutoKey(bOn);
    });
    connect(m_pView, &TimelineView::frameScrubbed, this, &TimelineWidget::setFrame);
    connect(m_pView, &TimelineView::shapesPicked, m_pStage, &StageWidget::setSelectedShapes);
    connect(m_pView, &TimelineView::contextMenuRequested, this, &TimelineWidget::showContextMenu);
    connect(m_pView, &TimelineView::keyframeActivated, this, &TimelineWidget::editEasing);
    connect(m_pEasingMenu, &EasingMenu::easingChosen, m_pCommands, &KeyframeCommands::setEasing);
    connect(m_pStage, &StageWidget::selectionChanged, this, &TimelineWidget::updateStageSelection);
    connect(m_pView, &TimelineView::chosenRowsChanged, this, &TimelineWidget::updateGraphSources);
    connect(m_pGraph, &GraphEditorView::frameScrubbed, this, &TimelineWidget::setFrame);
    // The graph's picks are the time line's: its keys and commands edit the same keyframes.
    connect(m_pGraph, &GraphEditorView::keyframesPicked, m_pView, &TimelineView::setSelection);
    connect(m_pView, &TimelineView::selectionChanged, m_pGraph,
            [this] { m_pGraph->setKeyframeSelection(m_pView->getSelection()); });
    connect(m_pOptions, &TimelineViewOptions::formatChanged, this, &TimelineWidget::showFormat);
    showFormat(m_pOptions->format());
    refresh();
}

QToolBar* TimelineWidget::createToolBar()
{
    auto* bar = new QToolBar(this);
    m_pToolBar = bar;
    bar->setObjectName(QStringLiteral("timelineToolBar"));
    // Buttons without an icon show their text.
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pFirst = addTool(bar, tr("First Frame"), QStringLiteral("firstFrame"),
                       tr("Go to the first frame (Home in the time line)"), "Timeline.First_Frame",
                       QStyle::SP_MediaSkipBackward);
    m_pPrevious = addTool(bar, tr("Previous Frame"), QStringLiteral("previousFrame"),
                          tr("Go one frame back (Left in the time line)"),
                          "Timeline.Previous_Frame", QStyle::SP_MediaSeekBackward);
    m_pPlay = addTool(bar, tr("Play"), QStringLiteral("play"),
                      tr("Play or pause the current scene (Space in the time line)"),
                      "Timeline.Play", QStyle::SP_MediaPlay);
    m_pPlay->setCheckable(true);
    m_pNext = addTool(bar, tr("Next Frame"), QStringLiteral("nextFrame"),
                      tr("Go one frame on (Right in the time line)"), "Timeline.Next_Frame",
                      QStyle::SP_MediaSeekForward);
    m_pLast = addTool(bar, tr("Last Frame"), QStringLiteral("lastFrame"),
                      tr("Go to the last frame (End in the time line)"), "Timeline.Last_Frame",
                      QStyle::SP_MediaSkipForward);
    m_pLoop = addTool(bar, tr("Loop"), QStringLiteral("loop"),
                      tr("Start again at the first frame after the last"), "Timeline.Loop");
    m_pLoop->setCheckable(true);
    m_pLoop->setChecked(true);
    bar->addSeparator();
    m_pFrameLabel = new QLabel(bar);
    bar->addWidget(m_pFrameLabel);
    m_pFrameSpin = new FrameSpinBox(bar);
    m_pFrameSpin->setObjectName(QStringLiteral("frameSpin"));
    bar->addWidget(m_pFrameSpin);
    m_pFrameCount = new QLabel(bar);
    m_pFrameCount->setContentsMargins(4, 0, 8, 0);
    bar->addWidget(m_pFrameCount);
    bar->addSeparator();
    bar->addAction(m_pCommands->addKeyframeAction());
    m_pAutoKey = addTool(bar, tr("Auto-Key"), QStringLiteral("autoKey"),
                         tr("When on, changing a static shape at another frame than its "
                            "keyframe starts its animation there"),
                         "Timeline.Auto_Key");
    m_pAutoKey->setCheckable(true);
    updateTransportIcons();
    // The glyphs take the tool bar's text colour, which the theme sets.
    connect(&IThemesManager::getInstance(), &IThemesManager::themeApplied, this,
            &TimelineWidget::updateTransportIcons);
    return bar;
}

void TimelineWidget::updateTransportIcons()
{
    // The theme's colours reach the bar when it is polished.
    m_pToolBar->ensurePolished();
    for (QAction* action : m_pToolBar->actions()) {
        const QVariant glyph = action->property(kGlyphProperty);
        if (glyph.isValid())
            action->setIcon(m_pToolBar->style()->standardIcon(QStyle::StandardPixmap(glyph.toInt()),
                                                              nullptr, m_pToolBar));
    }
}

QList<QPair<QAction*, QString>> TimelineWidget::commandActions() const
{
    const QList<QPair<QAction*, QString>> transport = {
        qMakePair(m_pFirst, QStringLiteral("Timeline.First_Frame")),
        qMakePair(m_pPrevious, QStringLiteral("Timeline.Previous_Frame")),
        qMakePair(m_pPlay, QStringLiteral("Timeline.Play")),
        qMakePair(m_pNext, QStringLiteral("Timeline.Next_Frame")),
        qMakePair(m_pLast, QStringLiteral("Timeline.Last_Frame")),
        qMakePair(m_pLoop, QStringLiteral("Timeline.Loop")),
        qMakePair(m_pCommands->addKeyframeAction(), QStringLiteral("Timeline.Add_Keyframe")),
        qMakePair(m_pAutoKey, QStringLiteral("Timeline.Auto_Key"))};
    return transport + m_pOptions->commandActions();
}

void TimelineWidget::setDocument(DesignerDocument* document)
{
    setPlaying(false);
    if (m_pDocument)
        disconnect(m_pDocument, nullptr, this, nullptr);
    m_pDocument = document;
    m_pView->setDocument(document);
    m_pGraph->setDocument(document);
    m_pCommands->setDocument(document);
    if (document) {
        connect(document, &DesignerDocument::dataChanged, this, &TimelineWidget::refresh);
        connect(document, &DesignerDocument::autoKeyChanged, m_pAutoKey, &QAction::setChecked);
        m_pAutoKey->setChecked(document->isAutoKey());
    }
    m_pAutoKey->setEnabled(document);
    refresh();
}

int TimelineWidget::duration() const
{
    const ZenubScene* scene = m_pView->scene();
    return scene ? std::max(1, scene->getDuration()) : 1;
}

int TimelineWidget::getFrame() const
{
    return m_pStage->getFrame();
}

void TimelineWidget::setFrame(int frame)
{
    frame = std::clamp(frame, 0, duration() - 1);
    if (frame != m_pStage->getFrame())
        m_pStage->setFrame(frame);
    m_pView->setFrame(frame);
    m_pGraph->setFrame(frame);
    const QSignalBlocker block(m_pFrameSpin);
    m_pFrameSpin->setValue(frame);
    m_pFirst->setEnabled(frame > 0);
    m_pPrevious->setEnabled(frame > 0);
    m_pLast->setEnabled(frame < duration() - 1);
    m_pNext->setEnabled(frame < duration() - 1);
}

void TimelineWidget::step(int delta)
{
    setPlaying(false);
    setFrame(getFrame() + delta);
}

void TimelineWidget::refresh()
{
    if (m_pView->getScene() != m_pStage->getScene())
        setPlaying(false);
    m_pView->setScene(m_pStage->getScene());
    m_pView->refresh();
    m_pGraph->setScene(m_pStage->getScene());
    m_pGraph->refresh();
    const int frames = duration();
    {
        const QSignalBlocker spinBlock(m_pFrameSpin);
        m_pFrameSpin->setRange(0, frames - 1);
    }
    if (m_pDocument)
        m_pOptions->setFrameRate(m_pDocument->getProject().getFrameRate());
    showFormat(m_pOptions->format());
    const bool bScene = m_pView->scene();
    m_pFrameSpin->setEnabled(bScene);
    m_pPlay->setEnabled(bScene);
    setFrame(getFrame());
    updateStageSelection();
    // The scene's length or the frame rate may have changed under the running clock.
    if (isPlaying())
        setPlaying(true);
}

bool TimelineWidget::isPlaying() const
{
    return m_pClock->isRunning();
}

void TimelineWidget::setPlaying(bool bPlaying)
{
    if (bPlaying && m_pDocument && m_pView->scene()) {
        // Play from the start when the marker sits on the last frame, as players do.
        const int start = getFrame() >= duration() - 1 ? 0 : getFrame();
        setFrame(start);
        m_pClock->start(start, m_pDocument->getProject().getFrameRate(), duration(),
                        m_pLoop->isChecked());
    } else {
        m_pClock->stop();
        bPlaying = false;
    }
    const QSignalBlocker block(m_pPlay);
    m_pPlay->setChecked(bPlaying);
    m_pPlay->setText(bPlaying ? tr("Pause") : tr("Play"));
    m_pPlay->setProperty(kGlyphProperty,
                         int(bPlaying ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    updateTransportIcons();
}

void TimelineWidget::updateStageSelection()
{
    const QVector<ShapeRef> shapes = m_pStage->getSelectedShapes();
    m_pView->setHighlightedShapes(shapes);
    m_pCommands->setTargetShapes(shapes);
    updateGraphSources();
}

void TimelineWidget::updateGraphSources()
{
    m_pGraph->setSources(m_pView->getChosenRows(), m_pStage->getSelectedShapes());
}

bool TimelineWidget::isGraphMode() const
{
    return m_pOptions->isGraphMode();
}

void TimelineWidget::setGraphMode(bool bGraph)
{
    m_pOptions->setGraphMode(bGraph);
}

void TimelineWidget::showFormat(const TimeFormat& format)
{
    m_pFrameLabel->setText(format.isSeconds() ? tr("Time:") : tr("Frame:"));
    m_pFrameSpin->setFormat(format);
    m_pFrameCount->setText(tr("of %1").arg(format.text(duration() - 1)));
}

void TimelineWidget::showContextMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    m_pCommands->updateActions();
    m_pCommands->showKeys();
    const KeyframeRefs selection = m_pView->getSelection();
    if (!selection.isEmpty()) {
        const ZenubScene* scene = m_pView->scene();
        m_pEasingMenu->setCurrent(KeyframeEdits::easingOf(*scene, selection.constFirst()));
        menu.addMenu(m_pEasingMenu);
        menu.addSeparator();
    }
    menu.addActions({m_pCommands->cutAction(), m_pCommands->copyAction(),
                     m_pCommands->pasteAction(), m_pCommands->deleteAction()});
    menu.addSeparator();
    menu.addActions({m_pCommands->selectAllAction(),
                     EditorCommandTable::shown(m_pCommands->addKeyframeAction(),
                                               QStringLiteral("Timeline.Add_Keyframe"))});
    menu.exec(globalPos);
}

void TimelineWidget::editEasing()
{
    const KeyframeRefs selection = m_pView->getSelection();
    const ZenubScene* scene = m_pView->scene();
    if (selection.isEmpty() || !scene)
        return;
    BezierEasingDialog dialog(KeyframeEdits::easingOf(*scene, selection.constFirst()), this);
    // The dialog runs its own event loop: the document may be gone when it returns.
    if (dialog.exec() == QDialog::Accepted && m_pDocument)
        m_pCommands->setEasing(dialog.easing());
}

bool TimelineWidget::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched != m_pView && watched != m_pGraph) ||
        (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // The graph is no context of its own: there the Edit keys are claimed for its keyframes,
    // so that none of them reaches the stage's shapes.
    const bool bGraph = watched == m_pGraph;
    // The time line's own keys, like a list's arrows. The Edit menu's commands act on its
    // keyframes while it has the focus (it is a context of its own); Backspace deletes too.
    m_pCommands->updateActions();
    const struct
    {
        bool bMatches;
        std::function<void()> run;
    } keys[] = {
        {key->key() == Qt::Key_Backspace && m_pCommands->deleteAction()->isEnabled(),
         [this] {
             m_pCommands->remove();
         }},
        {bGraph && (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace),
         [this] {
             m_pCommands->remove();
         }},
        {bGraph && key->matches(QKeySequence::Cut),
         [this] {
             m_pCommands->cut();
         }},
        {bGraph && key->matches(QKeySequence::Copy),
         [this] {
             m_pCommands->copy();
         }},
        {bGraph && key->matches(QKeySequence::Paste),
         [this] {
             m_pCommands->paste();
         }},
        {key->key() == Qt::Key_Space,
         [this] {
             setPlaying(!isPlaying());
         }},
        {key->key() == Qt::Key_Left,
         [this] {
             step(-1);
         }},
        {key->key() == Qt::Key_Right,
         [this] {
             step(1);
         }},
        {key->key() == Qt::Key_Home,
         [this] {
             setFrame(0);
         }},
        {key->key() == Qt::Key_End,
         [this] {
             setFrame(duration() - 1);
         }},
    };
    for (const auto& entry : keys) {
        if (!entry.bMatches)
            continue;
        // Claiming the key keeps any command's shortcut from taking it while the time line has
        // the focus.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            entry.run();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
