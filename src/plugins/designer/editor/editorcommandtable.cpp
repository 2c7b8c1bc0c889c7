// SPDX-License-Identifier: MIT
#include "editorcommandtable.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <appearance/ithemesmanager.h>
#include <plugin/iui.h>

#include <QAction>
#include <QMenu>
#include <QPair>
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
        {QStringLiteral("Tools.Node"), tr("Node"), {key(Qt::Key_A)}, QStringLiteral("tool_node")},
        {QStringLiteral("Tools.Rectangle"),
         tr("Rectangle"),
         {key(Qt::Key_R)},
         QStringLiteral("tool_rectangle")},
        {QStringLiteral("Tools.Ellipse"),
         tr("Ellipse"),
         {key(Qt::Key_E)},
         QStringLiteral("tool_ellipse")},
        {QStringLiteral("Tools.Polygon"),
         tr("Polygon and Star"),
         {key(Qt::Key_S)},
         QStringLiteral("tool_polygon")},
        {QStringLiteral("Tools.Pen"), tr("Pen"), {key(Qt::Key_P)}, QStringLiteral("tool_pen")},
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
        {QStringLiteral("View.Onion_Skin"),
         tr("&Onion Skin"),
         {key(Qt::ALT | Qt::SHIFT | Qt::Key_O)},
         QString()},
        {QStringLiteral("View.Onion_Skin_Frames_1"), tr("&1 Frame Each Way"), {}, QString()},
        {QStringLiteral("View.Onion_Skin_Frames_2"), tr("&2 Frames Each Way"), {}, QString()},
        {QStringLiteral("View.Onion_Skin_Frames_3"), tr("&3 Frames Each Way"), {}, QString()},
        {QStringLiteral("View.Onion_Skin_Frames_4"), tr("&4 Frames Each Way"), {}, QString()},
        {QStringLiteral("View.Onion_Skin_Frames_5"), tr("&5 Frames Each Way"), {}, QString()},
        {QStringLiteral("View.Motion_Paths"), tr("&Motion Paths"), {}, QString()},
        {QStringLiteral("View.Tools_Panel"), tr("&Tools"), {}, QString()},
        {QStringLiteral("View.Properties_Panel"), tr("&Properties"), {}, QString()},
        {QStringLiteral("View.Layers_Panel"), tr("&Layers"), {}, QString()},
        {QStringLiteral("View.Scenes_Panel"), tr("&Scenes"), {}, QString()},
        {QStringLiteral("View.Timeline_Panel"), tr("T&ime Line"), {}, QString()},

        {QStringLiteral("Path.Make_Smooth"), tr("Make Nodes &Smooth"), {}, QString()},
        {QStringLiteral("Path.Make_Corner"), tr("Make Nodes &Corners"), {}, QString()},
        {QStringLiteral("Path.Close"), tr("C&lose Path"), {}, QString()},
        {QStringLiteral("Path.Open"), tr("&Open Path at Node"), {}, QString()},

        {QStringLiteral("Text.Bold"), tr("&Bold"), {key(Qt::CTRL | Qt::Key_B)}, QString()},
        {QStringLiteral("Text.Italic"), tr("&Italic"), {key(Qt::CTRL | Qt::Key_I)}, QString()},
        {QStringLiteral("Text.Underline"),
         tr("&Underline"),
         {key(Qt::CTRL | Qt::Key_U)},
         QString()},
        {QStringLiteral("Text.Align_Left"),
         tr("Align Text &Left"),
         {},
         QStringLiteral("text_left")},
        {QStringLiteral("Text.Align_Centre"),
         tr("&Centre Text"),
         {},
         QStringLiteral("text_center")},
        {QStringLiteral("Text.Align_Right"),
         tr("Align Text &Right"),
         {},
         QStringLiteral("text_right")},

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
        {QStringLiteral("Object.Group"),
         tr("&Group"),
         {key(Qt::CTRL | Qt::Key_G)},
         QStringLiteral("group")},
        {QStringLiteral("Object.Ungroup"),
         tr("&Ungroup"),
         {key(Qt::CTRL | Qt::SHIFT | Qt::Key_G)},
         QStringLiteral("ungroup")},
        {QStringLiteral("Object.Convert_To_Path"),
         tr("Con&vert to Path"),
         {key(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
         QString()},
        {QStringLiteral("Object.Fill_Colour"), tr("Fill &Colour..."), {}, QString()},
        {QStringLiteral("Object.Arrange.Bring_To_Front"),
         tr("Bring to &Front"),
         {key(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketRight)},
         QString()},
        {QStringLiteral("Object.Arrange.Bring_Forward"),
         tr("Bring F&orward"),
         {key(Qt::CTRL | Qt::Key_BracketRight)},
         QString()},
        {QStringLiteral("Object.Arrange.Send_Backward"),
         tr("Send &Backward"),
         {key(Qt::CTRL | Qt::Key_BracketLeft)},
         QString()},
        {QStringLiteral("Object.Arrange.Send_To_Back"),
         tr("Send to Bac&k"),
         {key(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketLeft)},
         QString()},

        {QStringLiteral("Timeline.First_Frame"), tr("First Frame"), {}, QString()},
        {QStringLiteral("Timeline.Previous_Frame"),
         tr("Previous Frame"),
         {key(Qt::Key_Comma)},
         QString()},
        {QStringLiteral("Timeline.Play"), tr("Play"), {}, QString()},
        {QStringLiteral("Timeline.Next_Frame"), tr("Next Frame"), {key(Qt::Key_Period)}, QString()},
        {QStringLiteral("Timeline.Last_Frame"), tr("Last Frame"), {}, QString()},
        {QStringLiteral("Timeline.Loop"), tr("Loop"), {}, QString()},
        {QStringLiteral("Timeline.Add_Keyframe"), tr("Add Keyframe"), {key(Qt::Key_F6)}, QString()},
        {QStringLiteral("Timeline.Auto_Key"), tr("Auto-Key"), {}, QString()},
        {QStringLiteral("Timeline.Show_Seconds"), tr("Seconds"), {}, QString()},
        {QStringLiteral("Timeline.Graph_Editor"), tr("Graph Editor"), {}, QString()},
        {QStringLiteral("Timeline.Fit_Graph"), tr("Fit Curves"), {}, QString()},

        {QStringLiteral("Layers.Add"), tr("Add Layer"), {}, QString()},
        {QStringLiteral("Layers.Delete"), tr("Delete Layer"), {}, QString()},
        {QStringLiteral("Layers.Lock"), tr("Lock Layer"), {}, QString()},
        {QStringLiteral("Layers.Move_Up"), tr("Move Layer Up"), {}, QString()},
        {QStringLiteral("Layers.Move_Down"), tr("Move Layer Down"), {}, QString()},
        {QStringLiteral("Scenes.Add"), tr("Add Scene"), {}, QString()},
        {QStringLiteral("Scenes.Duplicate"), tr("Duplicate Scene"), {}, QString()},
        {QStringLiteral("Scenes.Delete"), tr("Delete Scene"), {}, QString()},
        {QStringLiteral("Scenes.Move_Up"), tr("Move Scene Up"), {}, QString()},
        {QStringLiteral("Scenes.Move_Down"), tr("Move Scene Down"), {}, QString()},
    };
    return table;
}

QString EditorCommandTable::panelOf(const QString& id)
{
    const QString group = id.section(QLatin1Char('.'), 0, 0);
    if (group == QLatin1String("Tools"))
        return tr("Tools");
    if (group == QLatin1String("Timeline"))
        return tr("Time Line");
    if (group == QLatin1String("Layers"))
        return tr("Layers");
    if (group == QLatin1String("Scenes"))
        return tr("Scenes");
    return QString();
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
    if (command && !command->icon.isEmpty()) {
        // Glyphs drawn for dark surfaces, darkened under a light theme, and again on a change.
        const QString icon = command->icon;
        const auto showIcon = [action, icon] {
            action->setIcon(
                IUi::getInstance()->getGlyphIcon(icon, 3, QStringLiteral(":/designer/images/")));
        };
        showIcon();
        QObject::connect(&IThemesManager::getInstance(), &IThemesManager::themeApplied, action,
                         showIcon);
    }
    const auto update = [action, id, tip] {
        const QKeySequence key = keyOf(id);
        action->setToolTip(key.isEmpty() ? tip
                                         : QStringLiteral("%1 (%2)").arg(
                                               tip, key.toString(QKeySequence::NativeText)));
    };
    update();
    if (ContextAction* registered = ActionManager::getAction(id)) {
        QObject::connect(registered, &ContextAction::keySequenceChanged, action, update);
        if (registered->getDescription().isEmpty())
            registered->setDescription(tip);
    }
}

QAction* EditorCommandTable::shown(QAction* action, const QString& id)
{
    const ContextAction* command = ActionManager::getAction(id);
    return command ? command->getAction() : action;
}

void EditorCommandTable::placeholder(QWidget* window, const QString& id, const QString& menu,
                                     ContextAction* before)
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
        // The user's own key stored equal to the default still brings the others along.
        const QKeySequence stored = command->getKeySequence();
        command->setDefaultKeySequence(entry->keys.constFirst());
        if ((stored.isEmpty() || stored == entry->keys.constFirst()) && entry->keys.size() > 1)
            command->getAction()->setShortcuts(entry->keys);
    }
    command->setPanelName(panelOf(id));
    if (ActionContainer* container = ActionManager::getActionContainer(menu))
        container->insertAction(command, before);
}

void EditorCommandTable::addToMenus(QWidget* window)
{
    ActionContainer* bar = ActionManager::getActionContainer(QStringLiteral("Zenub.MenuBar"));
    ActionContainer* view = ActionManager::getActionContainer(QStringLiteral("MenuBar.View"));
    if (!bar || !view || ActionManager::getActionContainer(QStringLiteral("MenuBar.Object")))
        return;
    // The commands only on a tool bar: their panels name them in the lists of commands.
    for (const EditorCommand& command : commands())
        if (!panelOf(command.id).isEmpty())
            placeholder(window, command.id, QString());

    ActionContainer* object =
        ActionManager::createMenuContainer(tr("&Object"), QStringLiteral("MenuBar.Object"));
    bar->insertMenu(object, view);
    for (const char* id : {"Object.Group", "Object.Ungroup", "Object.Convert_To_Path"})
        placeholder(window, QLatin1String(id), QStringLiteral("MenuBar.Object"));
    object->getMenu()->addSeparator();
    ActionContainer* path =
        ActionManager::createMenuContainer(tr("&Path"), QStringLiteral("Object.Path"));
    object->insertMenu(path, nullptr);
    for (const char* id : {"Path.Make_Smooth", "Path.Make_Corner", "Path.Close", "Path.Open"})
        placeholder(window, QLatin1String(id), QStringLiteral("Object.Path"));
    ActionContainer* text =
        ActionManager::createMenuContainer(tr("&Text"), QStringLiteral("Object.Text"));
    object->insertMenu(text, nullptr);
    for (const char* id : {"Text.Bold", "Text.Italic", "Text.Underline", "-", "Text.Align_Left",
                           "Text.Align_Centre", "Text.Align_Right"}) {
        if (qstrcmp(id, "-") == 0)
            text->getMenu()->addSeparator();
        else
            placeholder(window, QLatin1String(id), QStringLiteral("Object.Text"));
    }
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
    ActionContainer* arrange =
        ActionManager::createMenuContainer(tr("A&rrange"), QStringLiteral("Object.Arrange"));
    object->insertMenu(arrange, nullptr);
    for (const char* id : {"Object.Arrange.Bring_To_Front", "Object.Arrange.Bring_Forward",
                           "Object.Arrange.Send_Backward", "Object.Arrange.Send_To_Back"})
        placeholder(window, QLatin1String(id), QStringLiteral("Object.Arrange"));
    object->getMenu()->addSeparator();
    placeholder(window, QStringLiteral("Object.Fill_Colour"), QStringLiteral("MenuBar.Object"));

    // The view's entries come first in the View menu, above the shell's own.
    ContextAction* shell = ActionManager::getAction(QStringLiteral("View.Command_Palette"));
    const QString viewId = QStringLiteral("MenuBar.View");
    const auto separate = [view, shell] {
        if (shell)
            view->insertSeparator(shell, nullptr);
        else
            view->getMenu()->addSeparator();
    };
    for (const char* id :
         {"View.Zoom_In", "View.Zoom_Out", "View.Fit_Stage", "View.Actual_Size", "-", "View.Grid",
          "View.Rulers", "View.Guides", "View.Clear_Guides", "-", "View.Onion_Skin"}) {
        if (qstrcmp(id, "-") == 0)
            separate();
        else
            placeholder(window, QLatin1String(id), viewId, shell);
    }
    ActionContainer* onion = ActionManager::createMenuContainer(
        tr("Onion Skin &Frames"), QStringLiteral("View.Onion_Skin_Frames"));
    view->insertMenu(onion, shell);
    for (int frames = 1; frames <= 5; ++frames)
        placeholder(window, QStringLiteral("View.Onion_Skin_Frames_%1").arg(frames),
                    QStringLiteral("View.Onion_Skin_Frames"));
    placeholder(window, QStringLiteral("View.Motion_Paths"), viewId, shell);
    separate();
    ActionContainer* panels =
        ActionManager::createMenuContainer(tr("&Panels"), QStringLiteral("View.Panels"));
    view->insertMenu(panels, shell);
    separate();
    const QPair<const char*, QString> panelEntries[] = {
        {"View.Tools_Panel", tr("Show or hide the drawing tools")},
        {"View.Properties_Panel", tr("Show or hide the properties of the selected shapes")},
        {"View.Layers_Panel", tr("Show or hide the layers of the scene")},
        {"View.Scenes_Panel", tr("Show or hide the list of scenes")},
        {"View.Timeline_Panel", tr("Show or hide the time line")}};
    for (const auto& entry : panelEntries) {
        placeholder(window, QLatin1String(entry.first), QStringLiteral("View.Panels"));
        if (ContextAction* command = ActionManager::getAction(QLatin1String(entry.first)))
            command->setDescription(entry.second);
    }
}
