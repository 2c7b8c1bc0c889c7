// SPDX-License-Identifier: MIT
#ifndef LAYERSPANEL_H
#define LAYERSPANEL_H

#include <QVector>
#include <QWidget>

#include <functional>

class DesignerDocument;
class QAction;
class QListWidget;
class StageWidget;
class ZenubLayer;
class ZenubScene;

/*!
    Whether \a order, the old indexes of rows in their new places, moves any of \a count rows
    and names each exactly once.
*/
bool isReordering(const QVector<int>& order, int count);

/*!
    The layers of the stage's scene, the topmost first: add, delete, rename in place, reorder
    by dragging, show or hide with the check box, lock. Every change is one undo step.
*/
class LayersPanel : public QWidget
{
    Q_OBJECT
public:
    explicit LayersPanel(StageWidget* stage, QWidget* parent = nullptr);

    /*! The layer index in the scene of the highlighted row, or -1. */
    int currentLayer() const;
    /*!
        Where new shapes go: the highlighted layer, or else the topmost one, that is shown and
        not locked; -1 when there is none.
    */
    int targetLayer() const;

public slots:
    void refresh();

private:
    bool editScene(const QString& text, const std::function<bool(ZenubScene&)>& change);
    void deselectLayer(int layer);
    void addLayer();
    void deleteLayer();
    void moveLayer(int step);
    void applyOrder();
    void itemChanged(int layer, bool bVisible, const QString& name);
    void updateActions();
    DesignerDocument* document() const;
    /*! The layer of the stage's scene, or null when there is none of that index. */
    const ZenubLayer* layerAt(int layer) const;

    StageWidget* m_pStage;
    QListWidget* m_pList = nullptr;
    QAction* m_pDeleteAction = nullptr;
    QAction* m_pLockAction = nullptr;
    QAction* m_pRaiseAction = nullptr;
    QAction* m_pLowerAction = nullptr;
    bool m_bRefreshing = false;
};

#endif
