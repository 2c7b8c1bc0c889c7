// SPDX-License-Identifier: MIT
#include "editorcommandtable.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <plugin/iui.h>

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {

QList<QKeySequence> keys(std::initializer_list<QKeySequence> list)
{
    // The platform's keys may already hold one of ours; a key listed twice is ambiguous.
    QList<QKeySequence> unique;
    for (const QKeySequence& key : list)
        if (!key.isEmpty() && !unique.contains(key))
            unique.append(key);
    return unique;
}

QKeySequence key(int code)
{
    return QKeySequence(code);
}

} // namespace

const QVector<EditorCommand>& EditorCommandTable::commands()
{
    // Built on first use, after the interface language's catalogue is loaded.
    static const QVector<EditorCommand> table = {
        {QStringLiteral("Tools.Select"),
         tr("Select"),
         {key(Qt::Key_V)},
         QStringLiteral("tool_select")},
        {QStringLiteral("Tools.Rectangle"),
         tr("Rectangle"),
         {key(Qt::Key_R)},
         QStringLiteral("tool_rectangle")},
        {QStringLiteral("Tools.Ellipse"),
         tr("Ellipse"),
         {key(Qt::Key_E)},
         QStringLiteral("tool_ellipse")},
        {QStringLiteral("Tools.Text"), tr("Text"), {key(Qt::Key_T)}, QStringLiteral("tool_text")},
        {QStringLiteral("Tools.Hand"), tr("Hand"), {key(Qt::Key_H)}, QStringLiteral("tool_hand")},

        {QStringLiteral("View.Zoom_In"), tr("Zoom &In"),
         keys({QKeySequence(QKeySequence::ZoomIn), key(Qt::CTRL | Qt::Key_Plus),
               key(Qt::CTRL | Qt::Key_Equal)}),
         QString()},
        {QStringLiteral("View.Zoom_Out"), tr("Zoom &Out"),
         keys({QKeySequence(QKeySequence::ZoomOut), key(Qt::CTRL | Qt::Key_Minus)}), QString()},
        {QStringLiteral("View.Fit_Stage"),
         tr("&Fit Stage in Window"),
         {key(Qt::CTRL | Qt::Key_0)},
         QString()},
        {QStringLiteral("View.Actual_Size"),
         tr("&Actual Size"),
         {key(Qt::CTRL | Qt::Key_1)},
         QString()},
        {QStringLiteral("View.Grid"), tr("&Grid"), {key(Qt::CTRL | Qt::Key_Apostrophe)}, QString()},
        {QStringLiteral("View.Rulers"), tr("&Rulers"), {key(Qt::CTRL | Qt::Key_R)}, QString()},
        {QStringLiteral("View.Guides"),
         tr("G&uides"),
         {key(Qt::CTRL | Qt::Key_Semicolon)},
         QString()},
        {QStringLiteral("View.Clear_Guides"), tr("&Clear Guides"), {}, QString()},
        {QStringLiteral("View.Tools_Panel"), tr("&Tools"), {}, QString()},
        {QStringLiteral("View.Properties_Panel"), tr("&Properties"), {}, QString()},
        {QStringLiteral("View.Layers_Panel"), tr("&Layers"), {}, QString()},
        {QStringLiteral("View.Scenes_Panel"), tr("&Scenes"), {}, QString()},

        {QStringLiteral("Object.Align_Left"), tr("Align &Left"), {}, QStringLiteral("align_left")},
        {QStringLiteral("Object.Align_Centre"),
         tr("Align &Centre"),
         {},
         QStringLiteral("align_hcenter")},
        {QStringLiteral("Object.Align_Right"),
         tr("Align &Right"),
         {},
         QStringLiteral("align_right")},
        {QStringLiteral("Object.Align_Top"), tr("Align &Top"), {}, QStringLiteral("align_top")},
        {QStringLiteral("Object.Align_Middle"),
         tr("Align &Middle"),
         {},
         QStringLiteral("align_vcenter")},
        {QStringLiteral("Object.Align_Bottom"),
         tr("Align &Bottom"),
         {},
         QStringLiteral("align_bottom")},
        {QStringLiteral("Object.Distribute_Horizontally"),
         tr("Distribute &Horizontally"),
         {},
         QStringLiteral("distribute_h")},
        {QStringLiteral("Object.Distribute_Vertically"),
         tr("Distribute &Vertically"),
         {},
         QStringLiteral("distribute_v")},
        {QStringLiteral("Object.Align_To_Stage"), tr("Relative to &Stage"), {}, QString()},
    };
    return table;
}

const EditorCommand* EditorCommandTable::find(const QString& id)
{
    for (const EditorCommand& command : commands())
        if (command.id == id)
            return &command;
    return nullptr;
}

QKeySequence EditorCommandTable::keyOf(const QString& id)
{
    if (ActionManager::getInstance()) {
        const ContextAction* command = ActionManager::getAction(id);
        return command ? command->getKeySequence() : QKeySequence();
    }
    const EditorCommand* command = find(id);
    return command && !command->keys.isEmpty() ? command->keys.constFirst() : QKeySequence();
}

void EditorCommandTable::describe(QAction* action, const QString& id, const QString& tip)
{
    const EditorCommand* command = find(id);
    if (!command)
        return;
    if (!command->icon.isEmpty())
        action->setIcon(
            IUi::getInstance()->getIcon(command->icon, 3, QStringLiteral(":/designer/images/")));
    const auto update = [action, id, tip] {
        const QKeySequence key = keyOf(id);
        action->setToolTip(key.isEmpty() ? tip
                                         : QStringLiteral("%1 (%2)").arg(
                                               tip, key.toString(QKeySequence::NativeText)));
    };
    update();
    if (ContextAction* registered = ActionManager::getAction(id))
        QObject::connect(registered, &ContextAction::keySequenceChanged, action, update);
}

void EditorCommandTable::placeholder(QWidget* window, const QString& id, const QString& menu)
{
    const EditorCommand* entry = find(id);
    if (!entry)
        return;
    // Outside an editor there is nothing to act on; each editor registers its working action.
    auto* action = new QAction(entry->text, window);
    action->setEnabled(false);
    ContextAction* command = ActionManager::registerAction(action, id, window, false);
    if (!command)
        return;
    if (!entry->keys.isEmpty()) {
        const bool bStored = !command->getKeySequence().isEmpty();
        command->setDefaultKeySequence(entry->keys.constFirst());
        if (!bStored && entry->keys.size() > 1)
            command->getAction()->setShortcuts(entry->keys);
    }
    if (ActionContainer* container = ActionManager::getActionContainer(menu))
        container->insertAction(command, static_cast<ContextAction*>(nullptr));
}

void EditorCommandTable::addToMenus(QWidget* window)
{
    ActionContainer* bar = ActionManager::getActionContainer(QStringLiteral("Zenub.MenuBar"));
    ActionContainer* view = ActionManager::getActionContainer(QStringLiteral("MenuBar.View"));
    if (!bar || !view || ActionManager::getActionContainer(QStringLiteral("MenuBar.Object")))
        return;
    for (const EditorCommand& command : commands())
        if (command.id.startsWith(QLatin1String("Tools.")))
            placeholder(window, command.id, QString());

    ActionContainer* object =
        ActionManager::createMenuContainer(tr("&Object"), QStringLiteral("MenuBar.Object"));
    bar->insertMenu(object, view);
    ActionContainer* align =
        ActionManager::createMenuContainer(tr("&Align"), QStringLiteral("Object.Align"));
    object->insertMenu(align, nullptr);
    const QString alignId = QStringLiteral("Object.Align");
    for (const char* id :
         {"Object.Align_Left", "Object.Align_Centre", "Object.Align_Right", "-", "Object.Align_Top",
          "Object.Align_Middle", "Object.Align_Bottom", "-", "Object.Distribute_Horizontally",
          "Object.Distribute_Vertically", "-", "Object.Align_To_Stage"}) {
        if (qstrcmp(id, "-") == 0)
            align->getMenu()->addSeparator();
        else
            placeholder(window, QLatin1String(id), alignId);
    }

    const QString viewId = QStringLiteral("MenuBar.View");
    view->getMenu()->addSeparator();
    for (const char* id : {"View.Zoom_In", "View.Zoom_Out", "View.Fit_Stage", "View.Actual_Size",
                           "-", "View.Grid", "View.Rulers", "View.Guides", "View.Clear_Guides"}) {
        if (qstrcmp(id, "-") == 0)
            view->getMenu()->addSeparator();
        else
            placeholder(window, QLatin1String(id), viewId);
    }
    view->getMenu()->addSeparator();
    ActionContainer* panels =
        ActionManager::createMenuContainer(tr("&Panels"), QStringLiteral("View.Panels"));
    view->insertMenu(panels, nullptr);
    for (const char* id :
         {"View.Tools_Panel", "View.Properties_Panel", "View.Layers_Panel", "View.Scenes_Panel"})
        placeholder(window, QLatin1String(id), QStringLiteral("View.Panels"));
}
