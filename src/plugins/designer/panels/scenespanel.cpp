// SPDX-License-Identifier: MIT
#include "scenespanel.h"

#include "document/designerdocument.h"
#include "editor/editorcommandtable.h"
#include "layerspanel.h"
#include "model/render/framerenderer.h"
#include "paneltoolbar.h"
#include "spingesture.h"
#include "stage/stagewidget.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QAction>
#include <QFormLayout>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// English is the source language and has no catalogue, so its two forms are chosen here.
QString framesSuffix(int count)
{
    const char* const source = " frame(s)";
    const QString translated = ScenesPanel::tr(source, nullptr, count);
    if (translated != QLatin1String(source))
        return translated;
    return count == 1 ? QStringLiteral(" frame") : QStringLiteral(" frames");
}

bool hasShapes(const ZenubScene& scene)
{
    for (const ZenubLayer& layer : scene.getLayers())
        if (!layer.getShapes().isEmpty())
            return true;
    return false;
}

} // namespace

ScenesPanel::ScenesPanel(StageWidget* stage, QWidget* parent)
    : QWidget(parent)
    , m_pStage(stage)
    , m_pGesture(new SpinGesture(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* tools = new PanelToolBar(this);
    layout->addWidget(tools);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("sceneList"));
    m_pList->setIconSize(QSize(64, 40));
    m_pList->setDragDropMode(QAbstractItemView::InternalMove);
    m_pList->setDefaultDropAction(Qt::MoveAction);
    m_pList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_pList->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(m_pList, 1);

    auto* lengthRow = new QWidget(this);
    auto* lengthForm = new QFormLayout(lengthRow);
    lengthForm->setContentsMargins(6, 4, 6, 4);
    m_pLengthSpin = new QSpinBox(lengthRow);
    m_pLengthSpin->setObjectName(QStringLiteral("sceneLength"));
    m_pLengthSpin->setRange(1, 1000000);
    m_pLengthSpin->setKeyboardTracking(false);
    m_pLengthSpin->setToolTip(tr("How long the selected scene plays"));
    m_pGesture->watch(m_pLengthSpin);
    lengthForm->addRow(tr("Length:"), m_pLengthSpin);
    layout->addWidget(lengthRow);

    QAction* add = tools->addAction(tr("Add"), this, &ScenesPanel::addScene);
    add->setObjectName(QStringLiteral("addScene"));
    EditorCommandTable::describe(add, QStringLiteral("Scenes.Add"), tr("Add a scene at the end"));
    m_pDuplicateAction = tools->addAction(tr("Duplicate"), this, &ScenesPanel::duplicateScene);
    m_pDuplicateAction->setObjectName(QStringLiteral("duplicateScene"));
    EditorCommandTable::describe(m_pDuplicateAction, QStringLiteral("Scenes.Duplicate"),
                                 tr("Add a copy of the selected scene after it"));
    m_pDeleteAction = tools->addAction(tr("Delete"), this, &ScenesPanel::deleteScene);
    m_pDeleteAction->setObjectName(QStringLiteral("deleteScene"));
    EditorCommandTable::describe(m_pDeleteAction, QStringLiteral("Scenes.Delete"),
                                 tr("Delete the selected scene"));
    m_pUpAction = new QAction(tr("Move Up"), this);
    connect(m_pUpAction, &QAction::triggered, this, [this] { moveScene(-1); });
    tools->addArrowAction(m_pUpAction, Qt::UpArrow);
    m_pUpAction->setObjectName(QStringLiteral("sceneUp"));
    EditorCommandTable::describe(m_pUpAction, QStringLiteral("Scenes.Move_Up"),
                                 tr("Play the selected scene earlier"));
    m_pDownAction = new QAction(tr("Move Down"), this);
    connect(m_pDownAction, &QAction::triggered, this, [this] { moveScene(1); });
    tools->addArrowAction(m_pDownAction, Qt::DownArrow);
    m_pDownAction->setObjectName(QStringLiteral("sceneDown"));
    EditorCommandTable::describe(m_pDownAction, QStringLiteral("Scenes.Move_Down"),
                                 tr("Play the selected scene later"));
    QAction* rename = PanelToolBar::renameAction(m_pList, tr("Rename"));
    m_pList->addActions({rename, m_pDuplicateAction, m_pUpAction, m_pDownAction, m_pDeleteAction});
    m_commands = {qMakePair(add, QStringLiteral("Scenes.Add")),
                  qMakePair(m_pDuplicateAction, QStringLiteral("Scenes.Duplicate")),
                  qMakePair(m_pDeleteAction, QStringLiteral("Scenes.Delete")),
                  qMakePair(m_pUpAction, QStringLiteral("Scenes.Move_Up")),
                  qMakePair(m_pDownAction, QStringLiteral("Scenes.Move_Down"))};

    connect(m_pList, &QListWidget::currentRowChanged, this, &ScenesPanel::showScene);
    // Not while the list is still busy with the change: the edit rebuilds its rows.
    connect(m_pList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (m_bRefreshing)
            return;
        const int row = m_pList->row(item);
        const QString name = item->text();
        QMetaObject::invokeMethod(
            this, [=] { renamed(row, name); }, Qt::QueuedConnection);
    });
    // After the drop has finished with its rows; the list is rebuilt from the project then.
    connect(m_pList->model(), &QAbstractItemModel::rowsMoved, this, &ScenesPanel::applyOrder,
            Qt::QueuedConnection);
    // A drop the view does as insert and remove ends with the remove.
    connect(m_pList->model(), &QAbstractItemModel::rowsRemoved, this, &ScenesPanel::applyOrder,
            Qt::QueuedConnection);
    connect(m_pLengthSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int frames) {
        DesignerDocument* doc = document();
        const int scene = m_pStage->getScene();
        if (!doc || scene < 0 || scene >= doc->getProject().getScenes().size())
            return;
        doc->editProject(
            tr("Change Scene Length"),
            [=](ZenubProject& project) {
                project.scenes()[scene].setDuration(frames);
                return true;
            },
            m_pGesture->mergeKey(m_pLengthSpin));
    });
    connect(stage, &StageWidget::documentChanged, this, &ScenesPanel::refresh);
    refresh();
}

DesignerDocument* ScenesPanel::document() const
{
    return m_pStage->getDocument();
}

void ScenesPanel::setCurrentScene(int scene)
{
    m_pList->setCurrentRow(scene);
}

void ScenesPanel::refresh()
{
    m_bRefreshing = true;
    const int current = std::max(0, m_pStage->getScene());
    m_pList->clear();
    if (DesignerDocument* doc = document()) {
        const ZenubProject& project = doc->getProject();
        const QVector<ZenubScene>& scenes = project.getScenes();
        // Each scene's first frame, drawn as the stage and the exports draw it.
        const FrameRenderer renderer(project);
        const qreal ratio = devicePixelRatioF();
        const QSize thumbnail =
            QSize(std::max(1, project.getStageWidth()), std::max(1, project.getStageHeight()))
                .scaled(m_pList->iconSize() * ratio, Qt::KeepAspectRatio)
                .expandedTo(QSize(1, 1));
        for (int i = 0; i < scenes.size(); ++i) {
            QPixmap picture = QPixmap::fromImage(renderer.render(i, 0, thumbnail));
            picture.setDevicePixelRatio(ratio);
            auto* item = new QListWidgetItem(QIcon(picture), scenes.at(i).getName());
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable |
                           Qt::ItemIsDragEnabled);
            item->setData(Qt::UserRole, i);
            m_pList->addItem(item);
        }
        const int row = scenes.isEmpty() ? -1 : std::min(current, int(scenes.size()) - 1);
        m_pList->setCurrentRow(row);
        m_pStage->setScene(std::max(0, row));
    }
    m_bRefreshing = false;
    updateControls();
    // The scene shown went away: the panels that follow the stage's scene must know.
    if (m_pStage->getScene() != current)
        emit currentSceneChanged(m_pStage->getScene());
}

void ScenesPanel::updateControls()
{
    const int row = m_pList->currentRow();
    const int count = m_pList->count();
    m_pDuplicateAction->setEnabled(row >= 0);
    // A project always keeps one scene to show.
    m_pDeleteAction->setEnabled(row >= 0 && count > 1);
    m_pUpAction->setEnabled(row > 0);
    m_pDownAction->setEnabled(row >= 0 && row < count - 1);
    DesignerDocument* doc = document();
    const bool bScene = doc && row >= 0 && row < doc->getProject().getScenes().size();
    m_pLengthSpin->setEnabled(bScene);
    const QSignalBlocker block(m_pLengthSpin);
    const int length =
        bScene ? std::max(1, doc->getProject().getScenes().at(row).getDuration()) : 1;
    m_pLengthSpin->setValue(length);
    m_pLengthSpin->setSuffix(framesSuffix(length));
}

void ScenesPanel::showScene(int row)
{
    if (m_bRefreshing || row < 0)
        return;
    m_pGesture->end();
    m_pStage->setScene(row);
    updateControls();
    emit currentSceneChanged(row);
}

void ScenesPanel::addScene()
{
    DesignerDocument* doc = document();
    if (doc && doc->addScene())
        setCurrentScene(m_pList->count() - 1);
}

void ScenesPanel::duplicateScene()
{
    DesignerDocument* doc = document();
    const int scene = m_pList->currentRow();
    if (!doc || scene < 0)
        return;
    if (doc->editProject(tr("Duplicate Scene"), [&](ZenubProject& project) {
            ZenubScene copy = project.getScenes().at(scene);
            copy.setName(tr("%1 Copy").arg(copy.getName()));
            project.scenes().insert(scene + 1, copy);
            return true;
        }))
        setCurrentScene(scene + 1);
}

void ScenesPanel::deleteScene()
{
    DesignerDocument* doc = document();
    const int scene = m_pList->currentRow();
    if (!doc || scene < 0 || doc->getProject().getScenes().size() < 2)
        return;
    const ZenubScene& doomed = doc->getProject().getScenes().at(scene);
    if (hasShapes(doomed) &&
        IUi::getInstance()->showQuestion(
            ICore::getMainWindow(), tr("Delete Scene"),
            tr("The scene \"%1\" holds shapes. Do you want to delete it with everything on it?")
                .arg(doomed.getName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    // The question ran an event loop: the project may have changed meanwhile.
    if (!document() || scene >= document()->getProject().getScenes().size())
        return;
    m_pStage->setSelection(ShapeRef());
    doc->editProject(tr("Delete Scene"), [scene](ZenubProject& project) {
        project.scenes().removeAt(scene);
        return true;
    });
}

void ScenesPanel::moveScene(int step)
{
    DesignerDocument* doc = document();
    const int scene = m_pList->currentRow();
    const int target = scene + step;
    if (!doc || scene < 0 || target < 0 || target >= m_pList->count())
        return;
    m_pStage->setSelection(ShapeRef());
    if (doc->editProject(tr("Move Scene"), [=](ZenubProject& project) {
            project.scenes().move(scene, target);
            return true;
        }))
        setCurrentScene(target);
}

void ScenesPanel::applyOrder()
{
    DesignerDocument* doc = document();
    if (m_bRefreshing || !doc)
        return;
    QVector<int> order;
    for (int row = 0; row < m_pList->count(); ++row)
        order.append(m_pList->item(row)->data(Qt::UserRole).toInt());
    if (!isReordering(order, doc->getProject().getScenes().size()))
        return;
    const QListWidgetItem* currentItem = m_pList->currentItem();
    const int moved = currentItem ? currentItem->data(Qt::UserRole).toInt() : -1;
    m_pStage->setSelection(ShapeRef());
    doc->editProject(tr("Move Scene"), [&](ZenubProject& project) {
        QVector<ZenubScene> scenes;
        for (int index : qAsConst(order))
            scenes.append(project.getScenes().at(index));
        project.scenes() = scenes;
        return true;
    });
    setCurrentScene(order.indexOf(moved));
}

void ScenesPanel::renamed(int row, const QString& name)
{
    DesignerDocument* doc = document();
    // A blank name is refused; the list shows the old one again.
    if (doc && !doc->renameScene(row, name))
        refresh();
}
