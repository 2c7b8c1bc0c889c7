// SPDX-License-Identifier: MIT
#ifndef COREPLUGIN_H
#define COREPLUGIN_H

#include "core_export.h"

#include <extensionsystem/iplugin.h>

class MainWindow;

/*! The core plugin's entry: creates the main window and answers the host's life-cycle calls. */
class CORE_EXPORT CorePlugin : public ExtensionSystem::IPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "../core.json")
public:
    CorePlugin();
    ~CorePlugin() override;

    bool initialize(const QStringList& arguments, QString* errorString) override;
    void extensionsInitialized() override;
    bool postInitialize() override;
    int aboutToShutdown() override;
    QObject* handleRemoteCall(const QStringList& options, const QString& workingDirectory,
                              const QStringList& arguments) override;

    /*! The files a remote call names, made absolute against its working folder. */
    static QStringList resolveRemoteFiles(const QString& workingDirectory,
                                          const QStringList& arguments);

public slots:
    void fileOpenRequest(const QString& file);

private:
    MainWindow* m_mainWindow = nullptr;
};

#endif
