// SPDX-License-Identifier: MIT
#include "stageanimationcommands.h"

#include "editor/editorcommandtable.h"
#include "onionskin.h"
#include "stagewidget.h"

#include <extensionsystem/pluginmanager.h>

#include <QAction>
#include <QActionGroup>
#include <QSettings>

namespace {

const char* const kOnionSkinKey = "Designer/OnionSkin";
const char* const kFramesKey = "Designer/OnionSkinFrames";
const char* const kMotionPathsKey = "Designer/MotionPaths";

QVariant stored(const char* key, const QVariant& fallback)
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    return settings ? settings->value(QLatin1String(key), fallback) : fallback;
}

void store(const char* key, const QVariant& value)
{
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(QLatin1String(key), value);
}

} // namespace

StageAnimationCommands::StageAnimationCommands(StageWidget* stage)
    : QObject(stage)
    , m_pStage(stage)
{
    m_pOnionSkin = addCommand(QStringLiteral("View.Onion_Skin"),
                              tr("Show the frames before and after the current one faintly "
                                 "under it"));
    m_pOnionSkin->setChecked(stored(kOnionSkinKey, false).toBool());
    m_pFrames = new QActionGroup(this);
    const int frames = qBound(1, stored(kFramesKey, 2).toInt(), int(OnionSkin::kMaxFrames));
    for (int count = 1; count <= OnionSkin::kMaxFrames; ++count) {
        QAction* each = addCommand(framesCommand(count),
                                   tr("Show %n frame(s) each way in the onion skin", "", count));
        each->setData(count);
        each->setChecked(count == frames);
        m_pFrames->addAction(each);
    }
    m_pMotionPaths = addCommand(QStringLiteral("View.Motion_Paths"),
                                tr("Show the way the selected shapes travel, with their "
                                   "position keys to drag"));
    m_pMotionPaths->setChecked(stored(kMotionPathsKey, false).toBool());
    apply();
}

QString StageAnimationCommands::framesCommand(int frames)
{
    return QStringLiteral("View.Onion_Skin_Frames_%1").arg(frames);
}

QAction* StageAnimationCommands::addCommand(const QString& id, const QString& toolTip)
{
    const EditorCommand* command = EditorCommandTable::find(id);
    auto* action = new QAction(command ? command->text : id, this);
    action->setObjectName(id);
    action->setCheckable(true);
    EditorCommandTable::describe(action, id, toolTip);
    // Triggered, not toggled: the command's proxy reaches the action through its trigger.
    connect(action, &QAction::triggered, this, [this] {
        apply();
        store(kOnionSkinKey, m_pOnionSkin->isChecked());
        if (const QAction* frames = m_pFrames->checkedAction())
            store(kFramesKey, frames->data());
        store(kMotionPathsKey, m_pMotionPaths->isChecked());
    });
    m_commands.append(qMakePair(action, id));
    return action;
}

void StageAnimationCommands::apply()
{
    const QAction* frames = m_pFrames->checkedAction();
    m_pStage->setOnionSkin(m_pOnionSkin->isChecked(), frames ? frames->data().toInt() : 2);
    m_pStage->setMotionPathsVisible(m_pMotionPaths->isChecked());
}
