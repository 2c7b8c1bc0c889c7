// SPDX-License-Identifier: MIT
#ifndef DESIGNEREDITOR_H
#define DESIGNEREDITOR_H

#include <documents/ieditor.h>

#include <QList>
#include <QPair>
#include <QPointer>

class DesignerDocument;
class DesignerEditorWidget;
class QAction;
class QMdiSubWindow;
class QSize;

/*!
    Shows a project in the main window's workspace. The editing widget is a command context of
    its own: while it has focus, Close, Save As, the previews, the exports, the Edit menu and
    the editor's own commands (EditorCommandTable) act on this editor's project. Its time line
    is a context inside it, where the Edit menu acts on keyframes.
*/
class DesignerEditor : public IEditor
{
    Q_OBJECT
public:
    DesignerEditor();
    ~DesignerEditor() override;

    DesignerEditorWidget* getWidget() const;
    DesignerDocument* getDesignerDocument() const;

    static QString contextId() { return QStringLiteral("Designer.Editor"); }
    static QString timelineContextId() { return QStringLiteral("Designer.Timeline"); }

    /*! Writes the preview page to a fresh folder below the temporary folder; empty on failure. */
    QString writePreview(QString* errorString) const;

public slots:
    void closeDocument();
    void saveDocumentAs();
    void previewProject();
    void previewCurrentScene();
    /*! The preview with the stage's container \a size large, as a page at a breakpoint. */
    void previewAtSize(const QSize& size);
    void exportToHtml5();
    void exportToVideo();
    void exportToFrames();
    void exportToLottie();
    void insertImage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach();
    void stopFiltering();
    void registerCommands();
    void registerEditCommands();
    void unregisterCommands();
    void updateTitle();
    void openPreview(const QString& fragment);

    QPointer<DesignerEditorWidget> m_pWidget;
    QPointer<QMdiSubWindow> m_pSubWindow;
    QPointer<QObject> m_pFilteredWindow; // compared only, never cast
    QList<QPair<QAction*, QString>> m_commands;
    bool m_bAttached = false;
};

#endif
