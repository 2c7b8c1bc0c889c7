#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core_export.h"
#include "znnotificationbar.h"
#include "znstyledframe.h"

#include <QMainWindow>
#include <QTimer>

class ActionManager;
class ContextManager;
class DocumentManager;
class EditorManager;
class ICore;
class IMainMenuWidget;
class QWebChannel;
class QWebSocketServer;
class WebSocketClientWrapper;

/*!
    The application's single top-level window and the owner of the core services. Created hidden
    by the core plugin and shown once every plugin is initialised.
*/
class CORE_EXPORT MainWindow : public ZNStyledFrame<QMainWindow>
{
    Q_OBJECT
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
    /*! The logical dots per inch of the window's screen, as last seen by the density watch. */
    int getLogicalDotPerInchX() const;
    ZNNotificationBar* getNotificationBar();
    /*! Shows \a message on the notification bar (and in the info log when not empty). */
    void showNotification(const QString& message, ZNNotificationBar::Type type,
                          const QString& buttonText, bool closeFlag);
    void hideNotification();
    /*! The title bar shows the file; the signal updateWindowFilePath() tells it. */
    void setWindowFilePath(const QString& filePath);
    /*! The title bar marks the file as modified; the signal updateModified() tells it. */
    void setWindowModified(bool bModified);

    // The order of signals and slots is part of the interface.
signals:
    void updateWindowFilePath(const QString& fileName);
    void updateModified(bool isModified);
    void dpiChanged(int nDPI);
    void extsInitialized();

public slots:
    bool loadFile(const QString& strFileName);
    void raiseUp();

private slots:
    void openFilesPassedAsArguments();
    void updateFocusWidget(QWidget* old, QWidget* now);
    void onScreenChanged();

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
    void changeEvent(QEvent* event) override;
    bool isStyledFrameTitleBar(int x, int y) const override;
    /*! The logical dots per inch of the window's screen now; the density watch compares it. */
    virtual int currentLogicalDpiX() const;

private:
    void onTimerDPICheck();
    void fixAutoHideTaskbar();
    void watchScreenDpi();

    QWebSocketServer* m_pServer = nullptr;
    QWebChannel* m_pChannel = nullptr;
    WebSocketClientWrapper* m_pServerWrapper = nullptr;
    IMainMenuWidget* m_pTitleBar = nullptr;
    ICore* m_pCore = nullptr;
    DocumentManager* m_pDocumentManager = nullptr;
    EditorManager* m_pEditorManager = nullptr;
    // Command and context registries live until the process ends; they are never deleted.
    ActionManager* m_pActionManager = nullptr;
    ContextManager* m_pContextManager = nullptr;
    int m_nLogicalDpiX = 96;
    QTimer m_dpiCheckTimer;
    QMetaObject::Connection m_clientConnection;
    QMetaObject::Connection m_screenDpiConnection;
};

#endif
