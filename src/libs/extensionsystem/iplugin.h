// SPDX-License-Identifier: MIT
#ifndef EXTENSIONSYSTEM_IPLUGIN_H
#define EXTENSIONSYSTEM_IPLUGIN_H

#include "extensionsystem_export.h"

#include <QObject>
#include <QStringList>

namespace ExtensionSystem {

/*!
    Base of every plugin object. The host creates the object through Qt's plugin entry point, then
    calls initialize(), extensionsInitialized() once every plugin is initialised, postInitialize();
    handleRemoteCall() at any time while running; aboutToShutdown() and destruction at the end.
*/
class EXTENSIONSYSTEM_EXPORT IPlugin : public QObject
{
    Q_OBJECT
public:
    enum ShutdownFlag { SynchronousShutdown = 0, AsynchronousShutdown = 1 };

    IPlugin();
    ~IPlugin() override;

    // The order of these operations is part of the interface.
    virtual bool initialize(const QStringList& arguments, QString* errorString) = 0;
    virtual void extensionsInitialized() = 0;
    virtual bool postInitialize();
    virtual int aboutToShutdown();
    virtual QObject* handleRemoteCall(const QStringList& options, const QString& workingDirectory,
                                      const QStringList& arguments);
    virtual QList<QObject*> createTestObjects() const;
};

} // namespace ExtensionSystem

#define ZENUB_PLUGIN_IID "com.KORVA.Zenub.Plugin"

#endif
