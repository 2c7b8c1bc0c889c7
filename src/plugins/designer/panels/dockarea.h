// SPDX-License-Identifier: MIT
#ifndef DOCKAREA_H
#define DOCKAREA_H

#include <QMainWindow>

class LayersPanel;
class PropertiesPanel;
class QDockWidget;
class ScenesPanel;
class StageWidget;

/*!
    The stage in the middle with the Properties, Layers and Scenes panels docked around it and
    the time line below. Where the user puts the panels, and how large they are, is kept in the
    settings and comes back with the next editor.
*/
class DockArea : public QMainWindow
{
    Q_OBJECT
public:
    DockArea(StageWidget* stage, QWidget* timeline, QWidget* parent = nullptr);
    ~DockArea() override;

    PropertiesPanel* getProperties() const { return m_pProperties; }
    LayersPanel* getLayers() const { return m_pLayers; }
    ScenesPanel* getScenes() const { return m_pScenes; }
    /*! Checkable actions that show or hide each panel. */
    QList<QAction*> panelActions() const;

private:
    QDockWidget* addPanel(QWidget* panel, const QString& title, const char* name,
                          Qt::DockWidgetArea area);
    void saveLayout() const;

    PropertiesPanel* m_pProperties;
    LayersPanel* m_pLayers;
    ScenesPanel* m_pScenes;
    QList<QDockWidget*> m_docks;
    bool m_bRestored = false;
};

#endif
