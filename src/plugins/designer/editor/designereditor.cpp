// SPDX-License-Identifier: MIT
#include "designereditor.h"

#include "designereditorwidget.h"
#include "dialogs/frameexports.h"
#include "dialogs/html5exportdialog.h"
#include "dialogs/lottieexportdialog.h"
#include "document/designerdocument.h"
#include "imageinsertion.h"
#include "model/html5/zenubhtmlexporter.h"
#include "shapecommands.h"
#include "timeline/timelineview.h"
#include "timeline/timelinewidget.h"

#include <actions/actionmanager.h>
#include <actions/contextmanager.h>
#include <documents/editormanager.h>
#include <mainwindow/imainmdiarea.h>
#include <mainwindow/mainwindow.h>
#include <plugin/externalopener.h>
#include <plugin/icore.h>
#include <plugin/iui.h>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QUrl>

namespace {

const char* const kTitle = "Zenub Animate";

QMdiArea* workspace()
{
    MainWindow* window = ICore::getMainWindow();
    return window ? window->getMdiArea() : nullptr;
}

} // namespace

DesignerEditor::DesignerEditor()
{
    m_pWidget = new DesignerEditorWidget();
    // The document is set after construction; the editor follows it from its first signal on.
    connect(this, &IEditor::documentLoaded, this, &DesignerEditor::attach);
    connect(this, &IEditor::aboutToActivate, this, [this] {
        attach();
        if (QMdiArea* area = workspace())
            if (m_pSubWindow && area->activeSubWindow() != m_pSubWindow)
                area->setActiveSubWindow(m_pSubWindow);
    });
    connect(this, &IEditor::documentTitleChanged, this, &DesignerEditor::updateTitle);
    connect(this, &IEditor::documentModifyChanged, this, &DesignerEditor::updateTitle);
    registerCommands();
}

DesignerEditor::~DesignerEditor()
{
    unregisterCommands();
    stopFiltering();
    delete m_pSubWindow;
    delete m_pWidget;
}

DesignerEditorWidget* DesignerEditor::getWidget() const
{
    return m_pWidget;
}

DesignerDocument* DesignerEditor::getDesignerDocument() const
{
    return qobject_cast<DesignerDocument*>(getDocument());
}

void DesignerEditor::attach()
{
    DesignerDocument* document = getDesignerDocument();
    if (m_bAttached || !document || !m_pWidget)
        return;
    m_bAttached = true;
    m_pWidget->setDocument(document);
    if (QMdiArea* area = workspace()) {
        m_pSubWindow = area->addSubWindow(m_pWidget);
        m_pSubWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        m_pSubWindow->installEventFilter(this);
        // The tab's own menu would claim Ctrl+W beside File > Close, and a key claimed twice
        // runs nothing; File > Close serves this window already.
        if (QMenu* menu = m_pSubWindow->systemMenu())
            for (QAction* action : menu->actions())
                action->setShortcuts({});
        m_pFilteredWindow = m_pSubWindow;
        // Filtering stops as soon as the window starts to go, not at the end of its
        // destruction.
        connect(m_pWidget, &QObject::destroyed, this, &DesignerEditor::stopFiltering);
        m_pSubWindow->showMaximized();
        // The shell's Save and Save As act on the active editor, so a tab the user picks must
        // become it.
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
            if (window && window == m_pSubWindow && EditorManager::activeEditor() != this &&
                EditorManager::getEditors().contains(this))
                EditorManager::activateEditor(this);
        });
    }
    updateTitle();
}

void DesignerEditor::updateTitle()
{
    IDocument* document = getDocument();
    if (!document || !m_pWidget)
        return;
    const QString fileName = document->getFileName();
    const QString title = QFileInfo(fileName).completeBaseName() + QLatin1String("[*]");
    QWidget* window = m_pSubWindow ? static_cast<QWidget*>(m_pSubWindow) : m_pWidget.data();
    window->setWindowTitle(title);
    window->setWindowFilePath(fileName);
    window->setWindowModified(document->isModified());
}

bool DesignerEditor::eventFilter(QObject* watched, QEvent* event)
{
    // The workspace tab's close button must run the save prompt, not just drop the window.
    // Only Close is ours, and it is looked at first: while the window is being destroyed it
    // still gets events (ChildRemoved, Destroy) but is no longer a sub-window, so the guarded
    // pointer's down-cast must not run then. The window is compared as a plain object.
    if (event->type() != QEvent::Close)
        return IEditor::eventFilter(watched, event);
    if (watched == m_pFilteredWindow) {
        event->ignore();
        closeDocument();
        return true;
    }
    return IEditor::eventFilter(watched, event);
}

void DesignerEditor::stopFiltering()
{
    if (m_pFilteredWindow)
        m_pFilteredWindow->removeEventFilter(this);
    m_pFilteredWindow = nullptr;
}

void DesignerEditor::registerCommands()
{
    if (!ActionManager::getInstance() || !m_pWidget)
        return;
    ContextManager::registerContext(m_pWidget, contextId(), tr("Designer"));
    const struct
    {
        const char* id;
        QString text;
        void (DesignerEditor::*slot)();
    } commands[] = {
        {"File.Close", tr("&Close"), &DesignerEditor::closeDocument},
        {"File.SaveAs.Project", tr("Other Project"), &DesignerEditor::saveDocumentAs},
        {"File.Preview_Current_Scene_In_Browser", tr("Preview Current Scene in Browser"),
         &DesignerEditor::previewCurrentScene},
        {"File.Preview_Project_In_Browser", tr("Preview Project in Browser"),
         &DesignerEditor::previewProject},
        {"File.Preview_Project", tr("Preview Project in Browser"), &DesignerEditor::previewProject},
        {"File.Export_To_HTML5", tr("Export to HTML5..."), &DesignerEditor::exportToHtml5},
        {"File.Export_To_Video", tr("Export to Video..."), &DesignerEditor::exportToVideo},
        {"File.Export_To_PNG_Frames", tr("Export to PNG Frames..."),
         &DesignerEditor::exportToFrames},
        {"File.Export_To_Lottie", tr("Export to Lottie..."), &DesignerEditor::exportToLottie},
        {"Insert.Image", tr("&Image..."), &DesignerEditor::insertImage},
    };
    for (const auto& command : commands) {
        auto* action = new QAction(command.text, this);
        connect(action, &QAction::triggered, this, command.slot);
        const QString id = QString::fromLatin1(command.id);
        ActionManager::registerAction(action, id, m_pWidget, false);
        m_commands.append(qMakePair(action, id));
    }
    registerEditCommands();
    // The tools, the view and the Object menu: their stand-ins were made at start.
    for (const auto& command : m_pWidget->commandActions()) {
        ActionManager::registerAction(command.first, command.second, m_pWidget, false);
        m_commands.append(command);
    }
    // The time line is a context of its own inside the editor: there the Edit menu's commands
    // act on keyframes, and every other command of the editor works as well.
    QWidget* timeline = m_pWidget->getTimeline()->getView();
    ContextManager::registerContext(timeline, timelineContextId(), tr("Time Line"));
    for (const auto& command : m_pWidget->timelineCommandActions()) {
        ActionManager::registerAction(command.first, command.second, timeline, false);
        m_commands.append(command);
    }
}

void DesignerEditor::registerEditCommands()
{
    ShapeCommands* edits = m_pWidget->getShapeCommands();
    const QPair<QAction*, const char*> commands[] = {
        {edits->cutAction(), "Edit.Cut"},       {edits->copyAction(), "Edit.Copy"},
        {edits->pasteAction(), "Edit.Paste"},   {edits->duplicateAction(), "Edit.Duplicate"},
        {edits->deleteAction(), "Edit.Delete"}, {edits->selectAllAction(), "Edit.Select_All"},
    };
    for (const auto& command : commands) {
        const QString id = QString::fromLatin1(command.second);
        ActionManager::registerAction(command.first, id, m_pWidget, false);
        m_commands.append(qMakePair(command.first, id));
    }
}

void DesignerEditor::unregisterCommands()
{
    for (const auto& command : qAsConst(m_commands))
        ActionManager::unregisterAction(command.first, command.second, contextId());
    m_commands.clear();
    if (m_pWidget && ContextManager::getInstance()) {
        ContextManager::unregisterContext(m_pWidget->getTimeline()->getView(), timelineContextId());
        ContextManager::unregisterContext(m_pWidget, contextId());
    }
}

void DesignerEditor::closeDocument()
{
    IDocument* document = getDocument();
    // The document deletes this editor later, from the closing signal's receiver.
    if (document && document->close())
        emit document->requestClosing(true);
}

void DesignerEditor::saveDocumentAs()
{
    IDocument* document = getDocument();
    if (!document)
        return;
    // The shell's own Save As keeps the recent projects and the Save command in step; it works
    // on the active editor.
    if (EditorManager::getEditors().contains(this)) {
        EditorManager::activateEditor(this);
        if (QMetaObject::invokeMethod(ICore::getMainWindow(), "fileSaveAs"))
            return;
    }
    document->saveAs();
}

QString DesignerEditor::writePreview(QString* errorString) const
{
    const DesignerDocument* document = getDesignerDocument();
    if (!document)
        return QString();
    MainWindow* window = ICore::getMainWindow();
    const QString temp = window ? window->getDefaultTempPath(errorString) : QString();
    const QString base = temp + QStringLiteral("/preview");
    if (temp.isEmpty())
        return QString();
    if (!QDir().mkpath(base)) {
        if (errorString)
            *errorString =
                tr("The folder \"%1\" could not be created.").arg(QDir::toNativeSeparators(base));
        return QString();
    }
    QTemporaryDir folder(base + QLatin1String("/XXXXXX"));
    // The browser reads the page after we return, so the folder must outlive this call.
    folder.setAutoRemove(false);
    if (!folder.isValid() ||
        !ZenubHtmlExporter::exportHtml5(document->getProject(), folder.path(), errorString))
        return QString();
    return QDir(folder.path()).filePath(ZenubHtmlExporter::indexFileName());
}

void DesignerEditor::openPreview(const QString& fragment)
{
    QString error;
    const QString page = writePreview(&error);
    if (page.isEmpty()) {
        IUi::getInstance()->showWarning(ICore::getMainWindow(), QString::fromLatin1(kTitle),
                                        tr("Could not prepare the preview.\n%1").arg(error),
                                        QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    ExternalOpener::open(url, tr("the preview"), ICore::getMainWindow());
}

void DesignerEditor::previewProject()
{
    openPreview(QString());
}

void DesignerEditor::previewAtSize(const QSize& size)
{
    openPreview(QStringLiteral("width=%1&height=%2").arg(size.width()).arg(size.height()));
}

void DesignerEditor::previewCurrentScene()
{
    const int scene = m_pWidget ? m_pWidget->getCurrentScene() : 0;
    openPreview(QStringLiteral("scene=%1").arg(scene + 1));
}

void DesignerEditor::exportToHtml5()
{
    const DesignerDocument* document = getDesignerDocument();
    if (!document)
        return;
    Html5ExportDialog::exportProject(ICore::getMainWindow(), document->getProject(),
                                     document->getFileName());
}

void DesignerEditor::exportToVideo()
{
    const DesignerDocument* document = getDesignerDocument();
    if (!document || !m_pWidget)
        return;
    FrameExports::exportVideo(ICore::getMainWindow(), document->getProject(),
                              document->getFileName());
}

void DesignerEditor::exportToFrames()
{
    const DesignerDocument* document = getDesignerDocument();
    if (!document)
        return;
    FrameExports::exportFrames(ICore::getMainWindow(), document->getProject(),
                               document->getFileName());
}

void DesignerEditor::exportToLottie()
{
    const DesignerDocument* document = getDesignerDocument();
    if (!document || !m_pWidget)
        return;
    LottieExportDialog::exportProject(ICore::getMainWindow(), document->getProject(),
                                      m_pWidget->getCurrentScene(), document->getFileName());
}

void DesignerEditor::insertImage()
{
    ImageInsertion::run(m_pWidget ? m_pWidget->getStage() : nullptr);
}
