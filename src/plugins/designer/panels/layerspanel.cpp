// SPDX-License-Identifier: MIT
#include "layerspanel.h"

#include "document/designerdocument.h"
#include "editor/editorcommandtable.h"
#include "paneltoolbar.h"
#include "stage/stagewidget.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QAction>
#include <QHeaderView>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

const int kLayerRole = Qt::UserRole;
// A shape's row: its index in the layer; a layer's row has none.
const int kShapeRole = Qt::UserRole + 1;
// A member's row: the member indices inside the groups, outermost first.
const int kMembersRole = Qt::UserRole + 2;

// The row of a layer, not of a shape.
bool isLayerRow(const QTreeWidgetItem* item)
{
    return item && !item->data(0, kShapeRole).isValid();
}

} // namespace

bool isReordering(const QVector<int>& order, int count)
{
    QVector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    QVector<int> all(count);
    std::iota(all.begin(), all.end(), 0);
    // Anything else is a drop still under way, or one that moved nothing.
    return sorted == all && order != all;
}

namespace {

QIcon lockIcon(bool bLocked)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    // An empty picture of the same size keeps the names of all rows in line.
    if (bLocked) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.6));
        painter.drawArc(QRectF(4.5, 1.5, 7, 8), 0, 180 * 16);
        painter.drawLine(QPointF(4.5, 5.5), QPointF(4.5, 7.5));
        painter.drawLine(QPointF(11.5, 5.5), QPointF(11.5, 7.5));
        painter.setBrush(QColor(0x55, 0x55, 0x55));
        painter.drawRoundedRect(QRectF(2.5, 7.5, 11, 7), 1.5, 1.5);
    }
    return QIcon(picture);
}

} // namespace

LayersPanel::LayersPanel(StageWidget* stage, QWidget* parent)
    : QWidget(parent)
    , m_pStage(stage)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* tools = new PanelToolBar(this);
    layout->addWidget(tools);
    m_pTree = new QTreeWidget(this);
    m_pTree->setObjectName(QStringLiteral("layerTree"));
    m_pTree->setHeaderHidden(true);
    m_pTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Layers move by dragging; shapes stay in their layers, so only the top rows take drops.
    m_pTree->setDragDropMode(QAbstractItemView::InternalMove);
    m_pTree->setDefaultDropAction(Qt::MoveAction);
    m_pTree->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_pTree->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(m_pTree, 1);

    QAction* add = tools->addAction(tr("Add"), this, &LayersPanel::addLayer);
    add->setObjectName(QStringLiteral("addLayer"));
    EditorCommandTable::describe(add, QStringLiteral("Layers.Add"),
                                 tr("Add a layer above the selected one"));
    m_pDeleteAction = tools->addAction(tr("Delete"), this, &LayersPanel::deleteLayer);
    m_pDeleteAction->setObjectName(QStringLiteral("deleteLayer"));
    EditorCommandTable::describe(m_pDeleteAction, QStringLiteral("Layers.Delete"),
                                 tr("Delete the selected layer and its shapes"));
    m_pLockAction = tools->addAction(tr("Lock"));
    m_pLockAction->setObjectName(QStringLiteral("lockLayer"));
    m_pLockAction->setCheckable(true);
    EditorCommandTable::describe(m_pLockAction, QStringLiteral("Layers.Lock"),
                                 tr("Keep the shapes of the selected layer from being picked"));
    connect(m_pLockAction, &QAction::triggered, this, [this](bool bLocked) {
        const int layer = currentLayer();
        if (bLocked)
            deselectLayer(layer);
        editScene(bLocked ? tr("Lock Layer") : tr("Unlock Layer"), [=](ZenubScene& scene) {
            scene.layers()[layer].setLocked(bLocked);
            return true;
        });
    });
    // Dragging reorders too; these serve the keyboard.
    m_pRaiseAction = new QAction(tr("Move Up"), this);
    connect(m_pRaiseAction, &QAction::triggered, this, [this] { moveLayer(1); });
    tools->addArrowAction(m_pRaiseAction, Qt::UpArrow);
    m_pRaiseAction->setObjectName(QStringLiteral("raiseLayer"));
    EditorCommandTable::describe(m_pRaiseAction, QStringLiteral("Layers.Move_Up"),
                                 tr("Move the selected layer up, in front of the one above"));
    m_pLowerAction = new QAction(tr("Move Down"), this);
    connect(m_pLowerAction, &QAction::triggered, this, [this] { moveLayer(-1); });
    tools->addArrowAction(m_pLowerAction, Qt::DownArrow);
    m_pLowerAction->setObjectName(QStringLiteral("lowerLayer"));
    EditorCommandTable::describe(m_pLowerAction, QStringLiteral("Layers.Move_Down"),
                                 tr("Move the selected layer down, behind the one below"));
    QAction* rename = PanelToolBar::renameAction(m_pTree, tr("Rename"));
    m_pTree->addActions({rename, m_pLockAction, m_pRaiseAction, m_pLowerAction, m_pDeleteAction});
    m_commands = {qMakePair(add, QStringLiteral("Layers.Add")),
                  qMakePair(m_pDeleteAction, QStringLiteral("Layers.Delete")),
                  qMakePair(m_pLockAction, QStringLiteral("Layers.Lock")),
                  qMakePair(m_pRaiseAction, QStringLiteral("Layers.Move_Up")),
                  qMakePair(m_pLowerAction, QStringLiteral("Layers.Move_Down"))};

    // Not while the tree is still busy with the change: the edit rebuilds its rows.
    connect(m_pTree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        if (m_bRefreshing)
            return;
        const int layer = item->data(0, kLayerRole).toInt();
        const QString name = item->text(0).trimmed();
        if (!isLayerRow(item)) {
            const ShapeRef ref = refOf(item);
            QMetaObject::invokeMethod(
                this, [=] { renameShape(ref, name); }, Qt::QueuedConnection);
            return;
        }
        const bool bVisible = item->checkState(0) == Qt::Checked;
        QMetaObject::invokeMethod(
            this, [=] { itemChanged(layer, bVisible, name); }, Qt::QueuedConnection);
    });
    connect(m_pTree, &QTreeWidget::currentItemChanged, this, &LayersPanel::updateActions);
    connect(m_pTree, &QTreeWidget::itemSelectionChanged, this, &LayersPanel::pickSelection);
    connect(m_pTree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (!m_bRefreshing && isLayerRow(item))
            m_folded.insert(item->data(0, kLayerRole).toInt());
    });
    connect(m_pTree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!m_bRefreshing && isLayerRow(item))
            m_folded.remove(item->data(0, kLayerRole).toInt());
    });
    // After the drop has finished with its rows; the tree is rebuilt from the project then.
    connect(m_pTree->model(), &QAbstractItemModel::rowsMoved, this, &LayersPanel::applyOrder,
            Qt::QueuedConnection);
    // A drop the view does as insert and remove ends with the remove.
    connect(m_pTree->model(), &QAbstractItemModel::rowsRemoved, this, &LayersPanel::applyOrder,
            Qt::QueuedConnection);
    connect(stage, &StageWidget::documentChanged, this, &LayersPanel::refresh);
    connect(stage, &StageWidget::selectionChanged, this, &LayersPanel::showSelection);
    refresh();
}

DesignerDocument* LayersPanel::document() const
{
    return m_pStage->getDocument();
}

int LayersPanel::currentLayer() const
{
    const QTreeWidgetItem* item = m_pTree->currentItem();
    return item ? item->data(0, kLayerRole).toInt() : -1;
}

int LayersPanel::targetLayer() const
{
    const auto usable = [this](int layer) {
        const ZenubLayer* shown = layerAt(layer);
        return shown && shown->isVisible() && !shown->isLocked();
    };
    if (usable(currentLayer()))
        return currentLayer();
    // A shape put where it cannot be seen or picked would look lost.
    for (int row = 0; row < m_pTree->topLevelItemCount(); ++row)
        if (usable(m_pTree->topLevelItem(row)->data(0, kLayerRole).toInt()))
            return m_pTree->topLevelItem(row)->data(0, kLayerRole).toInt();
    return -1;
}

void LayersPanel::refresh()
{
    const int current = currentLayer();
    m_bRefreshing = true;
    m_pTree->clear();
    DesignerDocument* doc = document();
    const int sceneIndex = m_pStage->getScene();
    if (doc && sceneIndex >= 0 && sceneIndex < doc->getProject().getScenes().size()) {
        const QVector<ZenubLayer>& layers =
            doc->getProject().getScenes().at(sceneIndex).getLayers();
        for (int i = layers.size() - 1; i >= 0; --i) {
            auto* item = new QTreeWidgetItem(m_pTree, {layers.at(i).getName()});
            item->setIcon(0, lockIcon(layers.at(i).isLocked()));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                           Qt::ItemIsUserCheckable | Qt::ItemIsDragEnabled);
            item->setCheckState(0, layers.at(i).isVisible() ? Qt::Checked : Qt::Unchecked);
            item->setData(0, kLayerRole, i);
            item->setToolTip(0, tr("Tick to show the layer, untick to hide it"));
            addShapeItems(item, layers.at(i).getShapes(), i);
            item->setExpanded(!m_folded.contains(i));
        }
        const int layer = std::min(std::max(current, 0), int(layers.size()) - 1);
        if (!layers.isEmpty())
            m_pTree->setCurrentItem(
                m_pTree->topLevelItem(current < 0 ? 0 : layers.size() - 1 - layer));
    }
    m_bRefreshing = false;
    showSelection();
    updateActions();
}

void LayersPanel::addShapeItems(QTreeWidgetItem* parent, const QVector<ZenubShape>& shapes,
                                int layer, const QVector<int>& within, int shape)
{
    // The topmost shape first, as on the stage.
    for (int s = shapes.size() - 1; s >= 0; --s) {
        auto* item = new QTreeWidgetItem(parent, {shapes.at(s).getName()});
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
        item->setData(0, kLayerRole, layer);
        item->setData(0, kShapeRole, shape < 0 ? s : shape);
        QVector<int> members = within;
        if (shape >= 0)
            members.append(s);
        item->setData(0, kMembersRole, QVariant::fromValue(members));
        if (shapes.at(s).getType() == ZenubShape::Type::Group)
            addShapeItems(item, shapes.at(s).getMembers(), layer, members, shape < 0 ? s : shape);
    }
}

ShapeRef LayersPanel::refOf(const QTreeWidgetItem* item) const
{
    return ShapeRef{m_pStage->getScene(), item->data(0, kLayerRole).toInt(),
                    item->data(0, kShapeRole).toInt(),
                    item->data(0, kMembersRole).value<QVector<int>>()};
}

void LayersPanel::showSelection()
{
    if (m_bPicking)
        return;
    const QScopedValueRollback<bool> refreshing(m_bRefreshing, true);
    const QSignalBlocker block(m_pTree);
    const QVector<ShapeRef> selected = m_pStage->getSelectedShapes();
    const ShapeRef picked = m_pStage->getSelection();
    m_pTree->clearSelection();
    for (QTreeWidgetItemIterator it(m_pTree); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (isLayerRow(item))
            continue;
        const ShapeRef ref = refOf(item);
        if (!selected.contains(ref))
            continue;
        item->setSelected(true);
        // The layer of the shape picked last is the one the user works on.
        if (ref == picked) {
            m_pTree->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
            m_pTree->scrollToItem(item);
        }
    }
    updateActions();
}

void LayersPanel::pickSelection()
{
    if (m_bRefreshing)
        return;
    QVector<ShapeRef> refs;
    for (const QTreeWidgetItem* item : m_pTree->selectedItems())
        if (!isLayerRow(item))
            refs.append(refOf(item));
    // A layer's row picks no shapes; it only says where new ones go.
    if (refs.isEmpty() && !m_pTree->selectedItems().isEmpty())
        return;
    const QScopedValueRollback<bool> picking(m_bPicking, true);
    m_pStage->setSelectedShapes(refs);
}

void LayersPanel::renameShape(const ShapeRef& ref, const QString& name)
{
    DesignerDocument* doc = document();
    const ZenubShape* shape = doc ? doc->shapeAt(ref) : nullptr;
    if (!shape)
        return;
    if (name.isEmpty() || name == shape->getName()) {
        refresh();
        return;
    }
    doc->editShapes({ref}, tr("Rename Shape"), [name](ZenubShape& each) { each.setName(name); });
}

void LayersPanel::updateActions()
{
    const int layer = currentLayer();
    const int count = m_pTree->topLevelItemCount();
    m_pDeleteAction->setEnabled(layer >= 0);
    m_pLockAction->setEnabled(layer >= 0);
    m_pRaiseAction->setEnabled(layer >= 0 && layer < count - 1);
    m_pLowerAction->setEnabled(layer > 0);
    const QSignalBlocker block(m_pLockAction);
    const ZenubLayer* shown = layerAt(layer);
    m_pLockAction->setChecked(shown && shown->isLocked());
}

const ZenubLayer* LayersPanel::layerAt(int layer) const
{
    const DesignerDocument* doc = document();
    const int scene = m_pStage->getScene();
    if (!doc || scene < 0 || scene >= doc->getProject().getScenes().size())
        return nullptr;
    const QVector<ZenubLayer>& layers = doc->getProject().getScenes().at(scene).getLayers();
    return layer >= 0 && layer < layers.size() ? &layers.at(layer) : nullptr;
}

bool LayersPanel::editScene(const QString& text, const std::function<bool(ZenubScene&)>& change)
{
    DesignerDocument* doc = document();
    const int sceneIndex = m_pStage->getScene();
    if (!doc || sceneIndex < 0 || sceneIndex >= doc->getProject().getScenes().size())
        return false;
    return doc->editProject(
        text, [&](ZenubProject& project) { return change(project.scenes()[sceneIndex]); });
}

void LayersPanel::deselectLayer(int layer)
{
    // Shapes that cannot be seen or picked should not be moved by the next nudge either.
    QVector<ShapeRef> kept;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes())
        if (ref.layer != layer)
            kept.append(ref);
    m_pStage->setSelectedShapes(kept);
}

void LayersPanel::addLayer()
{
    const int above = currentLayer() + 1;
    int at = above;
    const bool bAdded = editScene(tr("Add Layer"), [&](ZenubScene& scene) {
        QStringList names;
        for (const ZenubLayer& layer : scene.getLayers())
            names.append(layer.getName());
        int number = scene.getLayers().size() + 1;
        while (names.contains(tr("Layer %1").arg(number)))
            ++number;
        at = std::min(std::max(above, 0), int(scene.getLayers().size()));
        scene.layers().insert(at, ZenubLayer(tr("Layer %1").arg(number)));
        return true;
    });
    if (bAdded) {
        QTreeWidgetItem* added = m_pTree->topLevelItem(m_pTree->topLevelItemCount() - 1 - at);
        m_pTree->setCurrentItem(added);
        m_pTree->editItem(added);
    }
}

void LayersPanel::deleteLayer()
{
    const int layer = currentLayer();
    const ZenubLayer* doomed = layerAt(layer);
    if (!doomed)
        return;
    // As for a scene: shapes are work, an empty layer is not.
    if (!doomed->getShapes().isEmpty() &&
        IUi::getInstance()->showQuestion(
            ICore::getMainWindow(), tr("Delete Layer"),
            tr("The layer \"%1\" holds shapes. Do you want to delete it with everything on it?")
                .arg(doomed->getName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    // The question ran an event loop: the project may have changed meanwhile.
    if (!layerAt(layer))
        return;
    // Shapes of other layers may move up an index; the selection would name the wrong ones.
    m_pStage->setSelection(ShapeRef());
    editScene(tr("Delete Layer"), [layer](ZenubScene& scene) {
        scene.layers().removeAt(layer);
        return true;
    });
}

void LayersPanel::moveLayer(int step)
{
    const int layer = currentLayer();
    const int target = layer + step;
    if (layer < 0 || target < 0 || target >= m_pTree->topLevelItemCount())
        return;
    m_pStage->setSelection(ShapeRef());
    if (editScene(tr("Move Layer"), [=](ZenubScene& scene) {
            scene.layers().move(layer, target);
            return true;
        }))
        m_pTree->setCurrentItem(m_pTree->topLevelItem(m_pTree->topLevelItemCount() - 1 - target));
}

void LayersPanel::applyOrder()
{
    DesignerDocument* doc = document();
    const int sceneIndex = m_pStage->getScene();
    if (m_bRefreshing || !doc || sceneIndex < 0 ||
        sceneIndex >= doc->getProject().getScenes().size())
        return;
    QVector<int> order;
    for (int row = m_pTree->topLevelItemCount() - 1; row >= 0; --row) {
        // A row dropped into another is no order of layers; the rebuild puts it back.
        if (!isLayerRow(m_pTree->topLevelItem(row)))
            return refresh();
        order.append(m_pTree->topLevelItem(row)->data(0, kLayerRole).toInt());
    }
    if (!isReordering(order, doc->getProject().getScenes().at(sceneIndex).getLayers().size()))
        return;
    const int moved = currentLayer();
    m_pStage->setSelection(ShapeRef());
    editScene(tr("Move Layer"), [&](ZenubScene& scene) {
        QVector<ZenubLayer> layers;
        for (int index : qAsConst(order))
            layers.append(scene.getLayers().at(index));
        scene.layers() = layers;
        return true;
    });
    m_pTree->setCurrentItem(
        m_pTree->topLevelItem(int(order.size()) - 1 - int(order.indexOf(moved))));
}

void LayersPanel::itemChanged(int layer, bool bVisible, const QString& name)
{
    const ZenubLayer* shown = layerAt(layer);
    if (!shown)
        return;
    // Copied: the edit below replaces the project the pointer looks into.
    const bool bWasVisible = shown->isVisible();
    const QString oldName = shown->getName();
    if (bWasVisible != bVisible) {
        if (!bVisible)
            deselectLayer(layer);
        editScene(bVisible ? tr("Show Layer") : tr("Hide Layer"), [=](ZenubScene& scene) {
            scene.layers()[layer].setVisible(bVisible);
            return true;
        });
    } else if (name.isEmpty()) {
        refresh();
    } else if (name != oldName) {
        editScene(tr("Rename Layer"), [=](ZenubScene& scene) {
            scene.layers()[layer].setName(name);
            return true;
        });
    }
}
