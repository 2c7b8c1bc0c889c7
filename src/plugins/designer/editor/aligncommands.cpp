// SPDX-License-Identifier: MIT
#include "aligncommands.h"

#include "editorcommandtable.h"
#include "model/edits/groupedits.h"
#include "stage/stagesnapper.h"
#include "stage/stagewidget.h"

#include <extensionsystem/pluginmanager.h>

#include <QAction>
#include <QSettings>

namespace {

const char* const kStageKey = "Designer/AlignToStage";

} // namespace

AlignCommands::AlignCommands(StageWidget* stage, QObject* parent)
    : QObject(parent)
    , m_pStage(stage)
{
    using Edge = AlignEdits::Edge;
    const struct
    {
        const char* id;
        Edge edge;
        QString tip;
    } aligns[] = {
        {"Object.Align_Left", Edge::Left, tr("Line the left edges up")},
        {"Object.Align_Centre", Edge::Centre, tr("Line the centres up, one above the other")},
        {"Object.Align_Right", Edge::Right, tr("Line the right edges up")},
        {"Object.Align_Top", Edge::Top, tr("Line the top edges up")},
        {"Object.Align_Middle", Edge::Middle, tr("Line the middles up, side by side")},
        {"Object.Align_Bottom", Edge::Bottom, tr("Line the bottom edges up")},
    };
    for (const auto& entry : aligns) {
        QAction* action = addCommand(QLatin1String(entry.id), entry.tip);
        const Edge edge = entry.edge;
        connect(action, &QAction::triggered, this, [this, edge] { align(edge); });
        m_aligns.append(action);
    }
    QAction* across = addCommand(QStringLiteral("Object.Distribute_Horizontally"),
                                 tr("Leave equal gaps between the shapes from left to right"));
    connect(across, &QAction::triggered, this, [this] { distribute(Qt::Horizontal); });
    QAction* down = addCommand(QStringLiteral("Object.Distribute_Vertically"),
                               tr("Leave equal gaps between the shapes from top to bottom"));
    connect(down, &QAction::triggered, this, [this] { distribute(Qt::Vertical); });
    m_distributes = {across, down};
    m_pStageAction = addCommand(QStringLiteral("Object.Align_To_Stage"),
                                tr("Align and distribute on the stage instead of the shapes' box"));
    m_pStageAction->setCheckable(true);
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings())
        m_pStageAction->setChecked(settings->value(QLatin1String(kStageKey), false).toBool());
    connect(m_pStageAction, &QAction::triggered, this, &AlignCommands::setRelativeToStage);

    connect(stage, &StageWidget::selectionChanged, this, &AlignCommands::updateActions);
    connect(stage, &StageWidget::documentChanged, this, &AlignCommands::updateActions);
    updateActions();
}

QAction* AlignCommands::addCommand(const QString& id, const QString& tip)
{
    auto* action = new QAction(this);
    if (const EditorCommand* command = EditorCommandTable::find(id))
        action->setText(command->text);
    action->setObjectName(id);
    EditorCommandTable::describe(action, id, tip);
    m_commands.append(qMakePair(action, id));
    return action;
}

bool AlignCommands::isRelativeToStage() const
{
    return m_pStageAction->isChecked();
}

void AlignCommands::setRelativeToStage(bool bStage)
{
    m_pStageAction->setChecked(bStage);
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(QLatin1String(kStageKey), bStage);
    updateActions();
}

QVector<QRectF> AlignCommands::selectedBoxes() const
{
    QVector<QRectF> boxes;
    const DesignerDocument* document = m_pStage->getDocument();
    if (!document)
        return boxes;
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = document->shapeAt(ref);
        if (!shape || shape->getKeyframes().isEmpty())
            return {};
        boxes.append(StageSnapper::boundsOf(*shape, m_pStage->getFrame()));
    }
    return boxes;
}

QRectF AlignCommands::stageBox() const
{
    const DesignerDocument* document = m_pStage->getDocument();
    return document ? QRectF(0, 0, document->getProject().getStageWidth(),
                             document->getProject().getStageHeight())
                    : QRectF();
}

void AlignCommands::align(AlignEdits::Edge edge)
{
    const QVector<QRectF> boxes = selectedBoxes();
    if (boxes.isEmpty())
        return;
    const QRectF reference =
        boxes.size() == 1 || isRelativeToStage() ? stageBox() : AlignEdits::bounds(boxes);
    const int index = int(edge);
    apply(m_aligns.at(index)->text().remove(QLatin1Char('&')),
          AlignEdits::align(boxes, edge, reference));
}

void AlignCommands::distribute(Qt::Orientation orientation)
{
    const QVector<QRectF> boxes = selectedBoxes();
    const QRectF reference = isRelativeToStage() ? stageBox() : QRectF();
    if (boxes.isEmpty() || (boxes.size() < 3 && reference.isNull()))
        return;
    apply(m_distributes.at(orientation == Qt::Horizontal ? 0 : 1)->text().remove(QLatin1Char('&')),
          AlignEdits::distribute(boxes, orientation, reference));
}

void AlignCommands::apply(const QString& text, const QVector<QPointF>& moves)
{
    DesignerDocument* document = m_pStage->getDocument();
    const QVector<ShapeRef> refs = m_pStage->getSelectedShapes();
    if (!document || moves.size() != refs.size())
        return;
    const int frame = m_pStage->getFrame();
    const bool bAutoKey = document->isAutoKey();
    document->editProject(text, [&](ZenubProject& project) {
        for (int i = 0; i < refs.size(); ++i) {
            ZenubShape* shape = refs.at(i).find(project);
            if (!shape)
                return false;
            // A shape already in place keeps its keyframes as they are.
            if (moves.at(i).isNull())
                continue;
            const QPointF move = moves.at(i);
            shape->editAt(frame, bAutoKey, [move](ZenubKeyframe& state) {
                state.setX(state.getX() + move.x());
                state.setY(state.getY() + move.y());
            });
        }
        GroupEdits::fitGroupsOf(project, refs);
        return true;
    });
}

void AlignCommands::updateActions()
{
    const int count = m_pStage->getDocument() ? m_pStage->getSelectedShapes().size() : 0;
    for (QAction* action : qAsConst(m_aligns))
        action->setEnabled(count >= 1);
    for (QAction* action : qAsConst(m_distributes))
        action->setEnabled(count >= (isRelativeToStage() ? 1 : 3));
}
