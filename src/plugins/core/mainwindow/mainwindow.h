#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "core_export.h"

#include <QMainWindow>

class ActionManager;
class ContextManager;
class DocumentManager;
class EditorManager;
class ICore;

/*!
    The application's single top-level window and the owner of the core services. Created hidden
    by the core plugin and shown once every plugin is initialised.
*/
class CORE_EXPORT MainWindow : public QMainWindow
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

private:
    ICore* m_pCore = nullptr;
    DocumentManager* m_pDocumentManager = nullptr;
    EditorManager* m_pEditorManager = nullptr;
    // Command and context registries live until the process ends; they are never deleted.
    ActionManager* m_pActionManager = nullptr;
    ContextManager* m_pContextManager = nullptr;
};

#endif
