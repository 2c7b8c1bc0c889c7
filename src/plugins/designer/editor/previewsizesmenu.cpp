// SPDX-License-Identifier: MIT
#include "previewsizesmenu.h"

#include "breakpointsizes.h"
#include "designereditor.h"
#include "document/designerdocument.h"

#include <actions/actioncontainer.h>
#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <documents/editormanager.h>

#include <QAction>
#include <QMenu>

void PreviewSizesMenu::add(QObject* owner)
{
    const QString id = QStringLiteral("MenuBar.File.Preview_At_Size");
    ActionContainer* file = ActionManager::getActionContainer(QStringLiteral("MenuBar.File"));
    ContextAction* preview =
        ActionManager::getAction(QStringLiteral("File.Preview_Project_In_Browser"));
    if (!file || !preview || ActionManager::getActionContainer(id))
        return;
    ActionContainer* sizes = ActionManager::createMenuContainer(tr("Preview at Si&ze"), id);
    file->insertMenu(sizes, ActionManager::getAction(QStringLiteral("File.Export_To_HTML5")));
    sizes->getMenu()->setObjectName(QStringLiteral("previewSizeMenu"));
    new PreviewSizesMenu(sizes->getMenu(), preview->getAction(), owner);
}

PreviewSizesMenu::PreviewSizesMenu(QMenu* menu, QAction* preview, QObject* parent)
    : QObject(parent)
    , m_pMenu(menu)
    , m_pPreview(preview)
{
    const auto follow = [this] {
        if (m_pPreview)
            m_pMenu->menuAction()->setEnabled(m_pPreview->isEnabled());
    };
    connect(preview, &QAction::changed, this, follow);
    follow();
    connect(menu, &QMenu::aboutToShow, this, &PreviewSizesMenu::fill);
}

void PreviewSizesMenu::fill()
{
    m_pMenu->clear();
    auto* editor = qobject_cast<DesignerEditor*>(EditorManager::activeEditor());
    const DesignerDocument* document = editor ? editor->getDesignerDocument() : nullptr;
    if (!document)
        return;
    const ZenubProject& project = document->getProject();
    const QVector<QSize> sizes =
        BreakpointSizes::current(QSize(project.getStageWidth(), project.getStageHeight()));
    if (sizes.isEmpty()) {
        m_pMenu->addAction(tr("No breakpoints are checked in Preferences"))->setEnabled(false);
        return;
    }
    const QPointer<DesignerEditor> target = editor;
    for (const QSize& size : sizes)
        m_pMenu->addAction(BreakpointSizes::label(size), this, [target, size] {
            if (target)
                target->previewAtSize(size);
        });
}
