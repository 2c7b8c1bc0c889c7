// SPDX-License-Identifier: MIT
#ifndef STAGEVIEWCOMMANDS_H
#define STAGEVIEWCOMMANDS_H

#include <QObject>

#include <functional>

class QAction;
class QToolBar;
class QToolButton;
class StageView;
class StageWidget;

/*!
    The view commands of a stage: zoom in and out, fit, 100 % and the grid as tool buttons, the
    rulers and the guides in the View menu. Each is a command of the editor (View.<name>),
    which holds its keys.
*/
class StageViewCommands : public QObject
{
    Q_OBJECT
public:
    StageViewCommands(StageWidget* stage, StageView* view, QToolBar* toolBar);

    QAction* zoomInAction() const { return m_pZoomIn; }
    QAction* zoomOutAction() const { return m_pZoomOut; }
    QAction* fitAction() const { return m_pFit; }
    QAction* actualSizeAction() const { return m_pActualSize; }
    QAction* gridAction() const { return m_pGrid; }
    /*! Each action with the id of its command. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }

private:
    QAction* addAction(const QString& text, const QString& name, const QString& toolTip,
                       const QString& id);
    /*! A checkable command kept in the settings under \a key. */
    QAction* addSwitch(const QString& id, const QString& toolTip, const char* key, bool bOn,
                       const std::function<void(bool)>& apply);
    void updateState();

    StageWidget* m_pStage;
    QToolBar* m_pToolBar;
    QList<QPair<QAction*, QString>> m_commands;
    QAction* m_pZoomOut = nullptr;
    QToolButton* m_pLevel = nullptr;
    QAction* m_pZoomIn = nullptr;
    QAction* m_pFit = nullptr;
    QAction* m_pActualSize = nullptr;
    QAction* m_pGrid = nullptr;
    QAction* m_pRulers = nullptr;
    QAction* m_pGuides = nullptr;
};

#endif
