// SPDX-License-Identifier: MIT
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core_export.h"
#include "mainwindow/frame/znnotificationbar.h"
#include "mainwindow/frame/znstyledframe.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QTimer>

#include <memory>

class ActionContainer;
class ActionManager;
class ContextManager;
class DocumentManager;
class EditorManager;
class ICore;
class IDocument;
class IDocumentFactory;
class IMainMdiArea;
class IMainMenuWidget;
class IOptionsDlg;
class QAction;
class QDockWidget;
class QIcon;
class QKeySequence;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QUrl;
class QWebChannel;
class QWebSocketServer;
class PreferencesCommand;
class ScreenWatch;
class WebSocketClientWrapper;
class ChannelServer;
class MainMenus;

/*!
    The application's single top-level window and the owner of the core services. Created hidden
    by the core plugin and shown once every plugin is initialised.
*/
class CORE_EXPORT MainWindow : public ZNStyledFrame<QMainWindow>
{
    Q_OBJECT
    // The menus connect their commands to the window's own slots.
    friend class MainMenus;

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    bool init(QString* errorString);
    void extensionsInitialized();
    void aboutToShutdown();
    /*! True when no settings exist yet or another plugin has not written its "Designer" group. */
    bool IsFirstRun();

    // Web channel, title bar, notification bar and frame.
    QWebChannel* getChannel();
    QWebSocketServer* getServer();
    /*! The address the application's own pages open, this run's secret included. */
    QUrl getChannelUrl() const;
    /*! The central workspace that holds the editors and the welcome page. */
    IMainMdiArea* getMdiArea();
    /*! Hands the widget showing the welcome page to the workspace; the window does not own it. */
    void setWelcomeWidget(QWidget* widget);
    /*! The logical dots per inch of the window's screen, as last seen by the density watch. */
    int getLogicalDotPerInchX() const;
    QToolBar* getFileToolbar() const;
    ZNNotificationBar* getNotificationBar();
    /*! Shows \a message on the notification bar (and in the info log when not empty). */
    void showNotification(const QString& message, ZNNotificationBar::Type type,
                          const QString& buttonText, bool closeFlag);
    void hideNotification();
    /*! The title bar shows the file; the signal updateWindowFilePath() tells it. */
    void setWindowFilePath(const QString& filePath);
    /*! The title bar marks the file as modified; the signal updateModified() tells it. */
    void setWindowModified(bool bModified);

    /*!
        The preferences dialog of the first document factory, created on the first request and
        kept; null while no factory supplies one.
    */
    IOptionsDlg* getOptionsDialog();
    /*! The dock widgets that are direct children of this window and sit in \a area. */
    QList<QDockWidget*> getListDockWidgetsByArea(Qt::DockWidgetArea area);

    /*!
        This instance's temporary folder, created when missing, below "Zenub-Animate" in the
        user's private folder; empty, with the reason, when that folder cannot be trusted.
    */
    QString getDefaultTempPath(QString* errorString = nullptr) const;
    /*!
        Removes this instance's temporary folder with everything in it; symbolic links are not
        followed, other instances' folders stay.
    */
    void removeDefaultTempDir();
    /*!
        Removes \a path and everything below it, folders first, stopping at the first entry that
        cannot be removed. Symbolic links (and junctions) are removed as links: whatever they point
        at stays untouched, also when \a path itself is one. True when nothing is left.
    */
    static bool removeFolderTree(const QString& path);

    /*! Closes every document without the chance to cancel, then quits the application. */
    void forceQuit();

    // The order of signals and slots is part of the interface.
signals:
    void updateWindowFilePath(const QString& fileName);
    void updateModified(bool isModified);
    void dpiChanged(int nDPI);
    void extsInitialized();

public slots:
    /*! Shows or hides the welcome page; showing it also tells the page to reload its list. */
    void setVisibleWelcomeWidget(bool bVisible);
    /*! Opens a project file, or activates its editor when it is already open. */
    bool loadFile(const QString& strFileName);
    /*! Registers and shows a document that is already loaded; false leaves it with the caller. */
    bool loadOpenedDocument(IDocument* pDoc, bool bAddToRecentFile = true);
    /*! Rebuilds File > Recent Projects from the stored list. */
    void updateRecentFileActions();
    void raiseUp();

private slots:
    void openFilesPassedAsArguments();
    void fileNew();
    void fileOpen();
    void fileSaveAs();
    void fileClose();
    void recentFileOpen();
    void fileSave();
    void fileExit();
    void languageChanged(QAction* pAction);
    void updateFocusWidget(QWidget* old, QWidget* now);
    void onPreferences();
    void onHelpContents();
    void updateSaveAsMenu();
    void onEnabledSaveActionChanged(bool bDisabled);
    void updateActivatedMdiSubFilePath(QMdiSubWindow* mdiSubWindow);
    void activationChangeFiltered();
    void onDocumentRequestClosing(bool bDeleteLater);
    void onDPIChanged();
    void onScreenChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
    void changeEvent(QEvent* event) override;
    bool isStyledFrameTitleBar(int x, int y) const override;
    /*! The logical dots per inch of the window's screen now; the density watch compares it. */
    virtual int currentLogicalDpiX() const;

private:
    // Deleted before the workspace area, which must then find no channel.
    ChannelServer* m_pChannelServer = nullptr;
    IMainMdiArea* m_pMdiArea = nullptr;
    IMainMenuWidget* m_pTitleBar = nullptr;
    MainMenus* m_pMenus = nullptr;
    ICore* m_pCore = nullptr;
    DocumentManager* m_pDocumentManager = nullptr;
    EditorManager* m_pEditorManager = nullptr;
    // Command and context registries live until the process ends; they are never deleted.
    ActionManager* m_pActionManager = nullptr;
    ContextManager* m_pContextManager = nullptr;
    std::unique_ptr<PreferencesCommand> m_pPreferences;
    ScreenWatch* m_pScreenWatch = nullptr;
};

#endif
