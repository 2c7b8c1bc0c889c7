// SPDX-License-Identifier: MIT
#include "iplugin.h"

namespace ExtensionSystem {

IPlugin::IPlugin() = default;

IPlugin::~IPlugin() = default;

bool IPlugin::postInitialize()
{
    return true;
}

int IPlugin::aboutToShutdown()
{
    return SynchronousShutdown;
}

QObject* IPlugin::handleRemoteCall(const QStringList&, const QString&, const QStringList&)
{
    return nullptr;
}

QList<QObject*> IPlugin::createTestObjects() const
{
    return {};
}

} // namespace ExtensionSystem
