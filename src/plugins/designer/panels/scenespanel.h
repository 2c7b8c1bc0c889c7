// SPDX-License-Identifier: MIT
#ifndef SCENESPANEL_H
#define SCENESPANEL_H

#include <QList>
#include <QPair>
#include <QWidget>

class DesignerDocument;
class QAction;
class QListWidget;
class QSpinBox;
class SpinGesture;
class StageWidget;

/*!
    The scenes of the project in playing order, each with a picture of its first frame: add,
    duplicate, rename in place, delete (asking first when the scene holds shapes), reorder by
    dragging, and the length of the chosen scene. The chosen scene is the one the stage shows.
*/
class ScenesPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ScenesPanel(StageWidget* stage, QWidget* parent = nullptr);

    /*! The tool bar's actions, each with the id of the command the editor registers it for. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }

    void setCurrentScene(int scene);

public slots:
    void refresh();

signals:
    /*! The stage shows another scene. */
    void currentSceneChanged(int scene);

private:
    void addScene();
    void duplicateScene();
    void deleteScene();
    void moveScene(int step);
    void applyOrder();
    void renamed(int row, const QString& name);
    void showScene(int row);
    void updateControls();
    DesignerDocument* document() const;

    StageWidget* m_pStage;
    QListWidget* m_pList = nullptr;
    QSpinBox* m_pLengthSpin = nullptr;
    SpinGesture* m_pGesture = nullptr;
    QAction* m_pDuplicateAction = nullptr;
    QAction* m_pDeleteAction = nullptr;
    QAction* m_pUpAction = nullptr;
    QAction* m_pDownAction = nullptr;
    bool m_bRefreshing = false;
    QList<QPair<QAction*, QString>> m_commands;
};

#endif
