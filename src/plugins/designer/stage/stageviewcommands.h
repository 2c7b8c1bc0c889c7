// SPDX-License-Identifier: MIT
#ifndef STAGEVIEWCOMMANDS_H
#define STAGEVIEWCOMMANDS_H

#include <QObject>

class QAction;
class QToolBar;
class QToolButton;
class StageWidget;

/*!
    The view commands of a stage as tool buttons: zoom in and out, fit, 100 %, the grid. Their
    keys work anywhere in \a keyScope, the editor the stage belongs to.
*/
class StageViewCommands : public QObject
{
    Q_OBJECT
public:
    StageViewCommands(StageWidget* stage, QToolBar* toolBar, QWidget* keyScope);

    QAction* zoomInAction() const { return m_pZoomIn; }
    QAction* zoomOutAction() const { return m_pZoomOut; }
    QAction* fitAction() const { return m_pFit; }
    QAction* actualSizeAction() const { return m_pActualSize; }
    QAction* gridAction() const { return m_pGrid; }

private:
    QAction* addAction(const QString& text, const QString& name, const QString& toolTip,
                       const QList<QKeySequence>& keys);
    void updateState();

    StageWidget* m_pStage;
    QToolBar* m_pToolBar;
    QWidget* m_pKeyScope;
    QAction* m_pZoomOut = nullptr;
    QToolButton* m_pLevel = nullptr;
    QAction* m_pZoomIn = nullptr;
    QAction* m_pFit = nullptr;
    QAction* m_pActualSize = nullptr;
    QAction* m_pGrid = nullptr;
};

#endif
