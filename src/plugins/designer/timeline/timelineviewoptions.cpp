// SPDX-License-Identifier: MIT
#include "timelineviewoptions.h"

#include "editor/editorcommandtable.h"
#include "grapheditorview.h"
#include "timelineview.h"

#include <extensionsystem/pluginmanager.h>

#include <QAction>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>

namespace {

const char* const kSecondsKey = "Designer/TimelineInSeconds";
const char* const kGraphKey = "Designer/TimelineGraph";

QAction* addTool(QToolBar* bar, const QString& text, const char* name, const QString& tip,
                 const char* id)
{
    QAction* action = bar->addAction(text);
    action->setObjectName(QLatin1String(name));
    EditorCommandTable::describe(action, QLatin1String(id), tip);
    return action;
}

void remember(const char* key, bool bValue)
{
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(QLatin1String(key), bValue);
}

bool recalled(const char* key)
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    return settings && settings->value(QLatin1String(key), false).toBool();
}

} // namespace

TimelineViewOptions::TimelineViewOptions(QToolBar* bar, TimelineView* view, GraphEditorView* graph,
                                         QObject* parent)
    : QObject(parent)
    , m_pView(view)
    , m_pGraph(graph)
{
    bar->addSeparator();
    m_pSeconds =
        addTool(bar, tr("Seconds"), "showSeconds",
                tr("Count the time line in seconds instead of frames"), "Timeline.Show_Seconds");
    m_pSeconds->setCheckable(true);
    m_pGraphMode = addTool(bar, tr("Graph Editor"), "graphMode",
                           tr("Show the values of the chosen properties as curves, with their "
                              "keyframes and easing handles"),
                           "Timeline.Graph_Editor");
    m_pGraphMode->setCheckable(true);
    m_pFitGraph =
        addTool(bar, tr("Fit Curves"), "fitGraph",
                tr("Show the whole of the curves in the graph editor"), "Timeline.Fit_Graph");
    m_pFitGraph->setEnabled(false);
    m_pZoom = new QSlider(Qt::Horizontal, bar);
    m_pZoom->setObjectName(QStringLiteral("timelineZoom"));
    m_pZoom->setRange(TimelineView::kMinimumFrameWidth, TimelineView::kMaximumFrameWidth);
    m_pZoom->setValue(view->getFrameWidth());
    m_pZoom->setMaximumWidth(140);
    m_pZoom->setToolTip(tr("Zoom the frames of the time line (Ctrl+wheel over the rows)"));
    bar->addWidget(m_pZoom);

    connect(m_pZoom, &QSlider::valueChanged, view, &TimelineView::setFrameWidth);
    connect(view, &TimelineView::frameWidthChanged, m_pZoom, [this](int pixels) {
        const QSignalBlocker block(m_pZoom);
        m_pZoom->setValue(pixels);
    });
    connect(m_pGraphMode, &QAction::toggled, this, [this](bool bGraph) {
        setGraphMode(bGraph);
        remember(kGraphKey, bGraph);
    });
    connect(m_pSeconds, &QAction::toggled, this, [this](bool bSeconds) {
        setSeconds(bSeconds);
        remember(kSecondsKey, bSeconds);
    });
    connect(m_pFitGraph, &QAction::triggered, graph, &GraphEditorView::fitToView);
    setSeconds(recalled(kSecondsKey));
    setGraphMode(recalled(kGraphKey));
}

QList<QPair<QAction*, QString>> TimelineViewOptions::commandActions() const
{
    return {qMakePair(m_pSeconds, QStringLiteral("Timeline.Show_Seconds")),
            qMakePair(m_pGraphMode, QStringLiteral("Timeline.Graph_Editor")),
            qMakePair(m_pFitGraph, QStringLiteral("Timeline.Fit_Graph"))};
}

bool TimelineViewOptions::isGraphMode() const
{
    return m_pGraphMode->isChecked();
}

void TimelineViewOptions::setGraphMode(bool bGraph)
{
    {
        const QSignalBlocker block(m_pGraphMode);
        m_pGraphMode->setChecked(bGraph);
    }
    m_pView->setNamesOnly(bGraph);
    m_pGraph->setVisible(bGraph);
    m_pFitGraph->setEnabled(bGraph);
    // The slider zooms the rows' frames; the graph zooms with the wheel.
    m_pZoom->setEnabled(!bGraph);
    if (bGraph) {
        m_pGraph->refresh();
        m_pGraph->fitToView();
    }
}

void TimelineViewOptions::setSeconds(bool bSeconds)
{
    {
        const QSignalBlocker block(m_pSeconds);
        m_pSeconds->setChecked(bSeconds);
    }
    updateFormat(m_format.frameRate());
}

void TimelineViewOptions::setFrameRate(int frameRate)
{
    if (frameRate != m_format.frameRate())
        updateFormat(frameRate);
}

void TimelineViewOptions::updateFormat(int frameRate)
{
    m_format = TimeFormat(m_pSeconds->isChecked(), frameRate);
    m_pView->setTimeFormat(m_format);
    m_pGraph->setTimeFormat(m_format);
    emit formatChanged(m_format);
}
