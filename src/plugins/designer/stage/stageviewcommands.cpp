// SPDX-License-Identifier: MIT
#include "stageviewcommands.h"

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

StageViewCommands::StageViewCommands(StageWidget* stage, QToolBar* toolBar, QWidget* keyScope)
    : QObject(stage)
    , m_pStage(stage)
    , m_pToolBar(toolBar)
    , m_pKeyScope(keyScope)
{
    toolBar->addSeparator();
    m_pZoomOut = addAction(tr("Zoom Out"), QStringLiteral("zoomOut"), tr("Show the stage smaller"),
                           {QKeySequence::ZoomOut, QKeySequence(Qt::CTRL + Qt::Key_Minus)});
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
                          {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL + Qt::Key_Equal),
                           QKeySequence(Qt::CTRL + Qt::Key_Plus)});
    connect(m_pZoomIn, &QAction::triggered, stage, &StageWidget::zoomIn);
    m_pFit = addAction(tr("Fit"), QStringLiteral("zoomFit"), tr("Fit the whole stage in view"),
                       {QKeySequence(Qt::CTRL + Qt::Key_0)});
    m_pFit->setCheckable(true);
    connect(m_pFit, &QAction::triggered, stage, &StageWidget::zoomToFit);
    m_pActualSize = addAction(tr("100 %"), QStringLiteral("zoomActualSize"),
                              tr("Show one stage pixel as one screen pixel"),
                              {QKeySequence(Qt::CTRL + Qt::Key_1)});
    connect(m_pActualSize, &QAction::triggered, stage, &StageWidget::zoomToActualSize);
    m_pGrid = addAction(tr("Grid"), QStringLiteral("showGrid"),
                        tr("Show a grid on the stage; moved shapes snap to it"),
                        {QKeySequence(Qt::CTRL + Qt::Key_Apostrophe)});
    m_pGrid->setCheckable(true);
    connect(m_pGrid, &QAction::toggled, stage, [stage](bool bShown) {
        stage->setGridVisible(bShown);
        // The next project opens with the grid as the user left it.
        if (QSettings* settings = ExtensionSystem::PluginManager::settings())
            settings->setValue(QLatin1String(kGridKey), bShown);
    });
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings())
        stage->setGridVisible(settings->value(QLatin1String(kGridKey), false).toBool());

    connect(stage, &StageWidget::viewChanged, this, &StageViewCommands::updateState);
    connect(stage, &StageWidget::documentChanged, this, &StageViewCommands::updateState);
    updateState();
}

QAction* StageViewCommands::addAction(const QString& text, const QString& name,
                                      const QString& toolTip, const QList<QKeySequence>& keys)
{
    QAction* action = m_pToolBar->addAction(text);
    action->setObjectName(name);
    // The platform's keys may already hold ours; a key listed twice would be ambiguous.
    QList<QKeySequence> unique;
    for (const QKeySequence& key : keys)
        if (!key.isEmpty() && !unique.contains(key))
            unique.append(key);
    action->setShortcuts(unique);
    // Several projects may be open, each with its own stage: the keys act on the one in use.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_pKeyScope->addAction(action);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(
        toolTip, unique.constFirst().toString(QKeySequence::NativeText)));
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
