// SPDX-License-Identifier: MIT
#include "objectcommands.h"

#include "editorcommandtable.h"
#include "model/edits/groupedits.h"
#include "model/edits/pathedits.h"
#include "stage/stagewidget.h"

#include <QAction>

#include <algorithm>

namespace {

// The shapes a group can hold together: those of one group, or those of the layers.
bool areSiblings(const QVector<ShapeRef>& refs)
{
    for (const ShapeRef& ref : refs)
        if (ref.scene != refs.constFirst().scene ||
            ref.members.size() != refs.constFirst().members.size() ||
            (ref.isMember() && ref.parent() != refs.constFirst().parent()))
            return false;
    return !refs.isEmpty();
}

// Where a shape lies among its siblings, and the container they share.
int indexOf(const ShapeRef& ref)
{
    return ref.isMember() ? ref.members.constLast() : ref.shape;
}

bool shareContainer(const ShapeRef& a, const ShapeRef& b)
{
    if (a.scene != b.scene || a.layer != b.layer || a.members.size() != b.members.size())
        return false;
    return !a.isMember() || (a.shape == b.shape && a.parent() == b.parent());
}

} // namespace

ObjectCommands::ObjectCommands(StageWidget* stage, QObject* parent)
    : QObject(parent)
    , m_pStage(stage)
{
    m_pGroup = addCommand(QStringLiteral("Object.Group"),
                          tr("Put the selected shapes into one group that moves as one"),
                          &ObjectCommands::group);
    m_pUngroup = addCommand(QStringLiteral("Object.Ungroup"),
                            tr("Put the selected groups' shapes back in their place"),
                            &ObjectCommands::ungroup);
    m_pConvert = addCommand(QStringLiteral("Object.Convert_To_Path"),
                            tr("Turn the selected shapes into paths whose nodes can be edited"),
                            &ObjectCommands::convertToPath);
    connect(stage, &StageWidget::selectionChanged, this, &ObjectCommands::updateActions);
    connect(stage, &StageWidget::documentChanged, this, &ObjectCommands::updateActions);
    updateActions();
}

QAction* ObjectCommands::addCommand(const QString& id, const QString& tip,
                                    void (ObjectCommands::*run)())
{
    auto* action = new QAction(this);
    if (const EditorCommand* command = EditorCommandTable::find(id))
        action->setText(command->text);
    action->setObjectName(id);
    EditorCommandTable::describe(action, id, tip);
    connect(action, &QAction::triggered, this, run);
    m_commands.append(qMakePair(action, id));
    return action;
}

void ObjectCommands::apply(const QString& text,
                           const std::function<bool(ZenubProject&, QVector<ShapeRef>*)>& change)
{
    DesignerDocument* document = m_pStage->getDocument();
    if (!document)
        return;
    QVector<ShapeRef> selected;
    if (document->editProject(text, [&](ZenubProject& project) {
            selected.clear();
            return change(project, &selected);
        }))
        m_pStage->setSelectedShapes(selected);
}

void ObjectCommands::group()
{
    const QVector<ShapeRef> refs = m_pStage->getSelectedShapes();
    if (!areSiblings(refs))
        return;
    const int frame = m_pStage->getFrame();
    apply(tr("Group"), [&](ZenubProject& project, QVector<ShapeRef>* selected) {
        ShapeRef made;
        if (refs.constFirst().scene >= project.getScenes().size() ||
            !GroupEdits::group(project.scenes()[refs.constFirst().scene], refs, frame, QString(),
                               &made))
            return false;
        *selected = {made};
        return true;
    });
}

void ObjectCommands::ungroup()
{
    QVector<ShapeRef> groups;
    const DesignerDocument* document = m_pStage->getDocument();
    for (const ShapeRef& ref : m_pStage->getSelectedShapes()) {
        const ZenubShape* shape = document ? document->shapeAt(ref) : nullptr;
        if (shape && shape->getType() == ZenubShape::Type::Group)
            groups.append(ref);
    }
    if (groups.isEmpty())
        return;
    // The last first, so the places of those still to come stay as they are.
    std::sort(groups.begin(), groups.end(), [](const ShapeRef& a, const ShapeRef& b) {
        return std::tie(a.layer, a.shape, a.members) > std::tie(b.layer, b.shape, b.members);
    });
    const int frame = m_pStage->getFrame();
    apply(tr("Ungroup"), [&](ZenubProject& project, QVector<ShapeRef>* selected) {
        for (const ShapeRef& group : groups) {
            QVector<ShapeRef> members;
            if (group.scene >= project.getScenes().size() ||
                !GroupEdits::ungroup(project.scenes()[group.scene], group, frame, &members))
                return false;
            // The members of groups further up move along by what this one gives back.
            for (ShapeRef& ref : *selected) {
                if (!shareContainer(ref, group) || indexOf(ref) <= indexOf(group))
                    continue;
                int& index = ref.isMember() ? ref.members.last() : ref.shape;
                index += members.size() - 1;
            }
            *selected += members;
        }
        return true;
    });
}

void ObjectCommands::convertToPath()
{
    const QVector<ShapeRef> refs = m_pStage->getSelectedShapes();
    const int frame = m_pStage->getFrame();
    apply(tr("Convert to Path"), [&](ZenubProject& project, QVector<ShapeRef>* selected) {
        bool bChanged = false;
        for (const ShapeRef& ref : refs) {
            ZenubShape* shape = ref.find(project);
            if (shape && PathEdits::canConvert(*shape))
                bChanged = PathEdits::toPath(*shape, frame) || bChanged;
        }
        *selected = refs;
        return bChanged;
    });
}

void ObjectCommands::updateActions()
{
    const DesignerDocument* document = m_pStage->getDocument();
    const QVector<ShapeRef> refs = document ? m_pStage->getSelectedShapes() : QVector<ShapeRef>();
    bool bGroups = false;
    bool bConvertible = false;
    for (const ShapeRef& ref : refs) {
        if (const ZenubShape* shape = document->shapeAt(ref)) {
            bGroups = bGroups || shape->getType() == ZenubShape::Type::Group;
            bConvertible = bConvertible || PathEdits::canConvert(*shape);
        }
    }
    m_pGroup->setEnabled(areSiblings(refs));
    m_pUngroup->setEnabled(bGroups);
    m_pConvert->setEnabled(bConvertible);
}
