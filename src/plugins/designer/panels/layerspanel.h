// SPDX-License-Identifier: MIT
#ifndef LAYERSPANEL_H
#define LAYERSPANEL_H

#include <QList>
#include <QPair>
#include <QSet>
#include <QVector>
#include <QWidget>

#include <functional>

class DesignerDocument;
class QAction;
class QTreeWidget;
class QTreeWidgetItem;
class StageWidget;
class ZenubLayer;
class ZenubScene;
class ZenubShape;
struct ShapeRef;

/*!
    Whether \a order, the old indexes of rows in their new places, moves any of \a count rows
    and names each exactly once.
*/
bool isReordering(const QVector<int>& order, int count);

/*!
    The layers of the stage's scene, the topmost first, each with its shapes below it, the
    topmost first: add, delete, rename in place (layers and shapes), reorder layers by dragging,
    show or hide with the check box, lock. Picking shapes here picks them on the stage. Every
    change is one undo step.
*/
class LayersPanel : public QWidget
{
    Q_OBJECT
public:
    explicit LayersPanel(StageWidget* stage, QWidget* parent = nullptr);

    /*! The tool bar's actions, each with the id of the command the editor registers it for. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }

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
    void renameShape(const ShapeRef& ref, const QString& name);
    /*! Rows for \a shapes, the members of groups below their group's row. */
    void addShapeItems(QTreeWidgetItem* parent, const QVector<ZenubShape>& shapes, int layer,
                       const QVector<int>& within = {}, int shape = -1);
    /*! The shape a row names. */
    ShapeRef refOf(const QTreeWidgetItem* item) const;
    /*! The stage's selection, shown as the selected rows. */
    void showSelection();
    /*! The rows picked here, picked on the stage. */
    void pickSelection();
    void updateActions();
    DesignerDocument* document() const;
    /*! The layer of the stage's scene, or null when there is none of that index. */
    const ZenubLayer* layerAt(int layer) const;

    StageWidget* m_pStage;
    QTreeWidget* m_pTree = nullptr;
    QAction* m_pDeleteAction = nullptr;
    QAction* m_pLockAction = nullptr;
    QAction* m_pRaiseAction = nullptr;
    QAction* m_pLowerAction = nullptr;
    bool m_bRefreshing = false;
    bool m_bPicking = false;
    /*! Layers whose shapes the user folded away, by index. */
    QSet<int> m_folded;
    QList<QPair<QAction*, QString>> m_commands;
};

#endif
