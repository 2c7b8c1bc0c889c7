// SPDX-License-Identifier: MIT
#include "keyframecommands.h"

#include "editor/editorcommandtable.h"
#include "model/edits/keyframeedits.h"
#include "timelineview.h"

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <plugin/iui.h>

#include <QAction>
#include <QApplication>
#include <QKeySequence>

#include <algorithm>

namespace {

// Keyframes copied in any open project; they carry no meaning for other programs.
KeyframeClip& clip()
{
    static KeyframeClip keyframes;
    return keyframes;
}

// Whether they were copied from shape rows (every property on each frame) rather than from
// property rows: the pasted ones are selected alike, so a Delete after a paste removes what
// was pasted and nothing more.
bool& clipIsWhole()
{
    static bool bWhole = true;
    return bWhole;
}

// Shown beside the text only: the keys are the Edit menu's commands', which act on the
// keyframes while the time line has the focus.
QString withKeys(const QString& text, const char* command, QKeySequence::StandardKey standard)
{
    const ContextAction* found = ActionManager::getAction(QLatin1String(command));
    const QKeySequence key = found ? found->getKeySequence() : QKeySequence(standard);
    return key.isEmpty() ? text : text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText);
}

} // namespace

KeyframeCommands::KeyframeCommands(TimelineView* view, QObject* parent)
    : QObject(parent)
    , m_pView(view)
{
    m_pCut = new QAction(this);
    m_pCopy = new QAction(this);
    m_pPaste = new QAction(this);
    m_pDelete = new QAction(this);
    m_pSelectAll = new QAction(this);
    showKeys();
    m_pAddKeyframe = new QAction(tr("Add Keyframe"), this);
    m_pAddKeyframe->setObjectName(QStringLiteral("addKeyframe"));
    EditorCommandTable::describe(
        m_pAddKeyframe, QStringLiteral("Timeline.Add_Keyframe"),
        tr("Store the selected shapes' state at the current frame as keyframes"));
    connect(m_pCut, &QAction::triggered, this, &KeyframeCommands::cut);
    connect(m_pCopy, &QAction::triggered, this, &KeyframeCommands::copy);
    connect(m_pPaste, &QAction::triggered, this, &KeyframeCommands::paste);
    connect(m_pDelete, &QAction::triggered, this, &KeyframeCommands::remove);
    connect(m_pSelectAll, &QAction::triggered, this, &KeyframeCommands::selectAll);
    connect(m_pAddKeyframe, &QAction::triggered, this, &KeyframeCommands::addKeyframes);
    connect(view, &TimelineView::selectionChanged, this, &KeyframeCommands::updateActions);
    connect(view, &TimelineView::moveRequested, this, &KeyframeCommands::move);
    updateActions();
}

void KeyframeCommands::showKeys()
{
    m_pCut->setText(withKeys(tr("Cu&t Keyframes"), "Edit.Cut", QKeySequence::Cut));
    m_pCopy->setText(withKeys(tr("&Copy Keyframes"), "Edit.Copy", QKeySequence::Copy));
    m_pPaste->setText(withKeys(tr("&Paste Keyframes"), "Edit.Paste", QKeySequence::Paste));
    m_pDelete->setText(withKeys(tr("&Delete Keyframes"), "Edit.Delete", QKeySequence::Delete));
    m_pSelectAll->setText(
        withKeys(tr("Select &All Keyframes"), "Edit.Select_All", QKeySequence::SelectAll));
}

void KeyframeCommands::setDocument(DesignerDocument* document)
{
    m_pDocument = document;
    updateActions();
}

void KeyframeCommands::setTargetShapes(const QVector<ShapeRef>& shapes)
{
    m_targets = shapes;
    updateActions();
}

void KeyframeCommands::updateActions()
{
    const bool bSelected = !m_pView->getSelection().isEmpty();
    m_pCut->setEnabled(bSelected);
    m_pCopy->setEnabled(bSelected);
    m_pDelete->setEnabled(bSelected);
    m_pPaste->setEnabled(m_pDocument && !clip().isEmpty());
    m_pSelectAll->setEnabled(m_pView->scene());
    m_pAddKeyframe->setEnabled(m_pDocument && !m_targets.isEmpty());
}

bool KeyframeCommands::edit(const QString& text, const std::function<bool(ZenubScene&)>& change)
{
    const int scene = m_pView->getScene();
    if (!m_pDocument)
        return false;
    return m_pDocument->editProject(text, [&](ZenubProject& project) {
        return scene >= 0 && scene < project.getScenes().size() && change(project.scenes()[scene]);
    });
}

void KeyframeCommands::copy()
{
    if (const ZenubScene* scene = m_pView->scene()) {
        const KeyframeClip copied =
            KeyframeEdits::copy(*scene, m_pView->getSelection(),
                                m_pDocument ? m_pDocument->getProject().getFrameRate() : 0);
        if (!copied.isEmpty()) {
            clip() = copied;
            const KeyframeRefs selection = m_pView->getSelection();
            clipIsWhole() = std::all_of(selection.cbegin(), selection.cend(),
                                        [](const KeyframeRef& ref) { return ref.isWhole(); });
        }
    }
    updateActions();
}

void KeyframeCommands::cut()
{
    copy();
    const KeyframeRefs refs = m_pView->getSelection();
    if (!edit(tr("Cut Keyframes"),
              [&](ZenubScene& scene) { return KeyframeEdits::remove(scene, refs); }))
        QApplication::beep();
}

void KeyframeCommands::paste()
{
    // Targets of another scene do not count here.
    KeyframeRefs targets;
    for (const ShapeRef& shape : qAsConst(m_targets))
        if (shape.scene == m_pView->getScene())
            targets.append(KeyframeRef{shape.layer, shape.shape, -1});
    KeyframeRefs pasted;
    int outside = 0;
    const int frame = m_pView->getFrame();
    const int frameRate = m_pDocument ? m_pDocument->getProject().getFrameRate() : 0;
    if (edit(tr("Paste Keyframes"), [&](ZenubScene& scene) {
            return KeyframeEdits::paste(scene, clip(), frame, frameRate, targets, &pasted,
                                        &outside);
        }))
        m_pView->setSelection(clipIsWhole() ? KeyframeEdits::whole(pasted) : pasted);
    else
        QApplication::beep();
    if (outside > 0) {
        QString text =
            tr("%n keyframe(s) would lie outside the scene and were not pasted.", nullptr, outside);
        if (clip().frameRate > 0 && clip().frameRate != frameRate)
            text += QLatin1Char(' ') + tr("They were copied at %1 frames per second; their "
                                          "times were kept at %2.")
                                           .arg(clip().frameRate)
                                           .arg(frameRate);
        IUi::getInstance()->showInformation(m_pView->window(), QStringLiteral("Zenub Animate"),
                                            text, QMessageBox::Ok, QMessageBox::Ok);
    }
}

void KeyframeCommands::remove()
{
    const KeyframeRefs refs = m_pView->getSelection();
    // A shape's last keyframe stays: nothing to delete beeps rather than doing nothing silently.
    if (!edit(tr("Delete Keyframes"),
              [&](ZenubScene& scene) { return KeyframeEdits::remove(scene, refs); }))
        QApplication::beep();
}

void KeyframeCommands::selectAll()
{
    const ZenubScene* scene = m_pView->scene();
    if (!scene)
        return;
    m_pView->setSelection(KeyframeEdits::all(*scene));
}

void KeyframeCommands::move(const KeyframeRefs& refs, int delta)
{
    KeyframeRefs moved;
    if (edit(tr("Move Keyframes"),
             [&](ZenubScene& scene) { return KeyframeEdits::move(scene, refs, delta, &moved); }))
        m_pView->setSelection(moved);
}

void KeyframeCommands::setEasing(const ZenubEasing& easing)
{
    const KeyframeRefs refs = m_pView->getSelection();
    edit(tr("Change Easing"),
         [&](ZenubScene& scene) { return KeyframeEdits::setEasing(scene, refs, easing); });
}

void KeyframeCommands::addKeyframes()
{
    if (!m_pDocument)
        return;
    const int frame = m_pView->getFrame();
    const QVector<ShapeRef> targets = m_targets;
    m_pDocument->editProject(tr("Add Keyframe"), [&](ZenubProject& project) {
        for (const ShapeRef& ref : targets) {
            if (ref.scene < 0 || ref.scene >= project.getScenes().size())
                return false;
            ZenubScene& scene = project.scenes()[ref.scene];
            if (ref.layer < 0 || ref.layer >= scene.getLayers().size() || ref.shape < 0 ||
                ref.shape >= scene.getLayers().at(ref.layer).getShapes().size())
                return false;
            ZenubShape& shape = scene.layers()[ref.layer].shapes()[ref.shape];
            shape.tracks().keyAt(frame, ZenubProperties::box());
        }
        return true;
    });
}
