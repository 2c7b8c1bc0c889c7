// SPDX-License-Identifier: MIT
#include "stageviewcommands.h"

#include "editor/editorcommandtable.h"
#include "stageview.h"
#include "stagewidget.h"

#include <extensionsystem/pluginmanager.h>

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

namespace {

const char* const kGridKey = "Designer/ShowGrid";

} // namespace

StageViewCommands::StageViewCommands(StageWidget* stage, StageView* view, QToolBar* toolBar)
    : QObject(stage)
    , m_pStage(stage)
    , m_pToolBar(toolBar)
{
    toolBar->addSeparator();
    m_pZoomOut = addAction(tr("Zoom Out"), QStringLiteral("zoomOut"), tr("Show the stage smaller"),
                           QStringLiteral("View.Zoom_Out"));
    connect(m_pZoomOut, &QAction::triggered, stage, &StageWidget::zoomOut);

    // The current zoom, with the usual levels to pick from.
    m_pLevel = new QToolButton(toolBar);
    m_pLevel->setObjectName(QStringLiteral("zoomLevel"));
    m_pLevel->setToolTip(tr("Zoom level"));
    m_pLevel->setPopupMode(QToolButton::InstantPopup);
    auto* levels = new QMenu(m_pLevel);
    for (const int percent : {25, 50, 100, 200, 400, 800}) {
        QAction* level = levels->addAction(tr("%1 %").arg(percent));
        connect(level, &QAction::triggered, stage,
                [stage, percent] { stage->setZoom(percent / 100.0); });
    }
    m_pLevel->setMenu(levels);
    toolBar->addWidget(m_pLevel);

    m_pZoomIn = addAction(tr("Zoom In"), QStringLiteral("zoomIn"), tr("Show the stage larger"),
                          QStringLiteral("View.Zoom_In"));
    connect(m_pZoomIn, &QAction::triggered, stage, &StageWidget::zoomIn);
    m_pFit = addAction(tr("Fit"), QStringLiteral("zoomFit"), tr("Fit the whole stage in view"),
                       QStringLiteral("View.Fit_Stage"));
    m_pFit->setCheckable(true);
    connect(m_pFit, &QAction::triggered, stage, &StageWidget::zoomToFit);
    m_pActualSize = addAction(tr("100 %"), QStringLiteral("zoomActualSize"),
                              tr("Show one stage pixel as one screen pixel"),
                              QStringLiteral("View.Actual_Size"));
    connect(m_pActualSize, &QAction::triggered, stage, &StageWidget::zoomToActualSize);
    m_pGrid = addAction(tr("Grid"), QStringLiteral("showGrid"),
                        tr("Show a grid on the stage; moved shapes snap to it"),
                        QStringLiteral("View.Grid"));
    m_pGrid->setCheckable(true);
    connect(m_pGrid, &QAction::toggled, stage, [stage](bool bShown) {
        stage->setGridVisible(bShown);
        // The next project opens with the grid as the user left it.
        if (QSettings* settings = ExtensionSystem::PluginManager::settings())
            settings->setValue(QLatin1String(kGridKey), bShown);
    });
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings())
        stage->setGridVisible(settings->value(QLatin1String(kGridKey), false).toBool());

    m_pRulers = addSwitch(QStringLiteral("View.Rulers"),
                          tr("Show rulers along the stage; drag from them to pull guides"),
                          "Designer/ShowRulers", true,
                          [view](bool bShown) { view->setRulersVisible(bShown); });
    m_pGuides = addSwitch(QStringLiteral("View.Guides"),
                          tr("Show the guide lines; shapes snap to them while they show"),
                          "Designer/ShowGuides", true,
                          [stage](bool bShown) { stage->setGuidesVisible(bShown); });
    auto* clear = new QAction(this);
    clear->setObjectName(QStringLiteral("clearGuides"));
    EditorCommandTable::describe(clear, QStringLiteral("View.Clear_Guides"),
                                 tr("Remove every guide line"));
    connect(clear, &QAction::triggered, stage, &StageWidget::clearGuides);
    m_commands.append(qMakePair(clear, QStringLiteral("View.Clear_Guides")));

    connect(stage, &StageWidget::viewChanged, this, &StageViewCommands::updateState);
    connect(stage, &StageWidget::documentChanged, this, &StageViewCommands::updateState);
    updateState();
}

QAction* StageViewCommands::addAction(const QString& text, const QString& name,
                                      const QString& toolTip, const QString& id)
{
    QAction* action = m_pToolBar->addAction(text);
    action->setObjectName(name);
    EditorCommandTable::describe(action, id, toolTip);
    m_commands.append(qMakePair(action, id));
    return action;
}

QAction* StageViewCommands::addSwitch(const QString& id, const QString& toolTip, const char* key,
                                      bool bOn, const std::function<void(bool)>& apply)
{
    auto* action = new QAction(this);
    action->setObjectName(id);
    action->setCheckable(true);
    EditorCommandTable::describe(action, id, toolTip);
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings())
        bOn = settings->value(QLatin1String(key), bOn).toBool();
    action->setChecked(bOn);
    apply(bOn);
    // Triggered, not toggled: the command's proxy reaches the action through its trigger.
    connect(action, &QAction::triggered, this, [action, key, apply] {
        apply(action->isChecked());
        if (QSettings* settings = ExtensionSystem::PluginManager::settings())
            settings->setValue(QLatin1String(key), action->isChecked());
    });
    m_commands.append(qMakePair(action, id));
    return action;
}

void StageViewCommands::updateState()
{
    const double zoom = m_pStage->getZoom();
    m_pLevel->setText(tr("%1 %").arg(std::lround(zoom * 100)));
    m_pZoomIn->setEnabled(zoom < StageViewport::kMaxZoom);
    m_pZoomOut->setEnabled(zoom > StageViewport::kMinZoom);
    m_pFit->setChecked(m_pStage->isFitToView());
    const QSignalBlocker block(m_pGrid);
    m_pGrid->setChecked(m_pStage->isGridVisible());
}
