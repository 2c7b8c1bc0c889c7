// SPDX-License-Identifier: MIT
#include "dockarea.h"

#include "layerspanel.h"
#include "propertiespanel.h"
#include "scenespanel.h"
#include "stage/stagewidget.h"

#include <extensionsystem/pluginmanager.h>

#include <QAction>
#include <QDockWidget>
#include <QSettings>

namespace {

const char* const kLayoutKey = "Designer/PanelLayout";
// Raised when the panels change, so an old layout does not hide a new panel.
const int kLayoutVersion = 2;

} // namespace

DockArea::DockArea(StageWidget* stage, QWidget* timeline, QWidget* parent)
    : QMainWindow(parent)
    , m_pProperties(new PropertiesPanel(stage))
    , m_pLayers(new LayersPanel(stage))
    , m_pScenes(new ScenesPanel(stage))
{
    // Only a child of the editor, never a window of its own.
    setWindowFlags(Qt::Widget);
    setDockNestingEnabled(true);
    setCentralWidget(stage);
    addPanel(m_pScenes, tr("Scenes"), "scenesDock", Qt::LeftDockWidgetArea);
    addPanel(m_pProperties, tr("Properties"), "propertiesDock", Qt::RightDockWidgetArea);
    addPanel(m_pLayers, tr("Layers"), "layersDock", Qt::RightDockWidgetArea);
    // As wide as the editor, for its tool bar; at first no higher than before it was a dock,
    // with its title, so the side panels keep the height their wrapped buttons need.
    addPanel(timeline, tr("Time Line"), "timelineDock", Qt::BottomDockWidgetArea);
    resizeDocks({m_docks.at(3)}, {180}, Qt::Vertical);
    resizeDocks({m_docks.at(0)}, {255}, Qt::Horizontal);
    resizeDocks({m_docks.at(1)}, {250}, Qt::Horizontal);
    resizeDocks({m_docks.at(1), m_docks.at(2)}, {3, 2}, Qt::Vertical);
    connect(m_pScenes, &ScenesPanel::currentSceneChanged, m_pLayers, &LayersPanel::refresh);

    if (const QSettings* settings = ExtensionSystem::PluginManager::settings())
        restoreState(settings->value(QLatin1String(kLayoutKey)).toByteArray(), kLayoutVersion);
    m_bRestored = true;
}

DockArea::~DockArea()
{
    saveLayout();
}

QDockWidget* DockArea::addPanel(QWidget* panel, const QString& title, const char* name,
                                Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(title, this);
    dock->setObjectName(QLatin1String(name));
    dock->setWidget(panel);
    addDockWidget(area, dock);
    m_docks.append(dock);
    connect(dock, &QDockWidget::dockLocationChanged, this, &DockArea::saveLayout);
    connect(dock, &QDockWidget::topLevelChanged, this, &DockArea::saveLayout);
    connect(dock->toggleViewAction(), &QAction::triggered, this, &DockArea::saveLayout);
    return dock;
}

QList<QAction*> DockArea::panelActions() const
{
    QList<QAction*> actions;
    for (QDockWidget* dock : m_docks)
        actions.append(dock->toggleViewAction());
    return actions;
}

void DockArea::saveLayout() const
{
    if (!m_bRestored)
        return;
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(QLatin1String(kLayoutKey), saveState(kLayoutVersion));
}
