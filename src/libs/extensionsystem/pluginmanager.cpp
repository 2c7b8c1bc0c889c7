// SPDX-License-Identifier: MIT
#include "pluginmanager.h"

#include "iplugin.h"
#include "pluginspec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QLoggingCategory>
#include <QSet>
#include <QSettings>

#include <functional>

Q_LOGGING_CATEGORY(lcPlugins, "zenub.extensionsystem")

namespace ExtensionSystem {

namespace {
PluginManager* s_instance = nullptr;
} // namespace

PluginManager::PluginManager()
{
    Q_ASSERT_X(!s_instance, "PluginManager", "there is one plugin manager per process");
    s_instance = this;
}

PluginManager::~PluginManager()
{
    shutdown();
    qDeleteAll(m_specs);
    delete m_settings;
    delete m_globalSettings;
    s_instance = nullptr;
}

PluginManager* PluginManager::instance()
{
    return s_instance;
}

void PluginManager::setSettings(QSettings* settings)
{
    if (s_instance->m_settings != settings)
        delete s_instance->m_settings;
    s_instance->m_settings = settings;
}

QSettings* PluginManager::settings()
{
    return s_instance ? s_instance->m_settings : nullptr;
}

void PluginManager::setGlobalSettings(QSettings* settings)
{
    if (s_instance->m_globalSettings != settings)
        delete s_instance->m_globalSettings;
    s_instance->m_globalSettings = settings;
}

QSettings* PluginManager::globalSettings()
{
    return s_instance ? s_instance->m_globalSettings : nullptr;
}

void PluginManager::setArguments(const QStringList& arguments)
{
    s_instance->m_arguments = arguments;
}

QStringList PluginManager::arguments()
{
    return s_instance ? s_instance->m_arguments : QStringList();
}

void PluginManager::addObject(QObject* object)
{
    if (!object)
        return;
    {
        QWriteLocker locker(&s_instance->m_lock);
        if (s_instance->m_objects.contains(object))
            return;
        s_instance->m_objects.append(object);
    }
    emit s_instance->objectAdded(object);
}

void PluginManager::removeObject(QObject* object)
{
    if (!object || !s_instance->m_objects.contains(object))
        return;
    emit s_instance->aboutToRemoveObject(object);
    QWriteLocker locker(&s_instance->m_lock);
    s_instance->m_objects.removeAll(object);
}

QList<QObject*> PluginManager::allObjects()
{
    return s_instance->m_objects;
}

QReadWriteLock* PluginManager::listLock()
{
    return &s_instance->m_lock;
}

void PluginManager::setPluginPaths(const QStringList& paths)
{
    s_instance->m_pluginPaths = paths;
}

QStringList PluginManager::pluginPaths()
{
    return s_instance->m_pluginPaths;
}

QList<PluginSpec*> PluginManager::plugins()
{
    return s_instance->m_specs;
}

QStringList PluginManager::errors()
{
    return s_instance->m_errors;
}

void PluginManager::reportError(PluginSpec* pluginSpec, const QString& reason)
{
    if (!pluginSpec->hasError())
        pluginSpec->fail(reason);
    const QString name = pluginSpec->name().isEmpty() ? QFileInfo(pluginSpec->filePath()).fileName()
                                                      : pluginSpec->name();
    const QString line = QStringLiteral("Plugin \"%1\": %2").arg(name, pluginSpec->errorString());
    m_errors << line;
    qCWarning(lcPlugins).noquote() << line;
}

QList<PluginSpec*> PluginManager::readSpecs()
{
    QList<PluginSpec*> specs;
    QSet<QString> names;
    for (const QString& path : qAsConst(m_pluginPaths)) {
        const QFileInfoList files =
            QDir(path).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& file : files) {
            if (!QLibrary::isLibrary(file.fileName()))
                continue;
            auto* pluginSpec = new PluginSpec(file.absoluteFilePath());
            m_specs << pluginSpec;
            if (!pluginSpec->readMetaData()) {
                reportError(pluginSpec, pluginSpec->errorString());
                continue;
            }
            if (names.contains(pluginSpec->name())) {
                reportError(pluginSpec, tr("another plugin of this name was found first"));
                continue;
            }
            names.insert(pluginSpec->name());
            specs << pluginSpec;
        }
    }
    return specs;
}

QList<PluginSpec*> PluginManager::orderByDependencies(const QList<PluginSpec*>& specs)
{
    QHash<QString, PluginSpec*> byName;
    for (PluginSpec* pluginSpec : specs)
        byName.insert(pluginSpec->name(), pluginSpec);

    QList<PluginSpec*> ordered;
    QSet<PluginSpec*> visiting;
    QSet<PluginSpec*> done;
    // Depth first, so every plugin follows the plugins it depends on.
    std::function<bool(PluginSpec*)> visit = [&](PluginSpec* pluginSpec) -> bool {
        if (done.contains(pluginSpec))
            return !pluginSpec->hasError();
        if (visiting.contains(pluginSpec)) {
            reportError(pluginSpec, tr("its dependencies form a cycle"));
            return false;
        }
        visiting.insert(pluginSpec);
        bool ok = true;
        for (const PluginDependency& dependency : pluginSpec->dependencies()) {
            PluginSpec* provider = byName.value(dependency.name);
            if (!provider) {
                if (!pluginSpec->hasError())
                    reportError(
                        pluginSpec,
                        tr("the plugin \"%1\" it depends on is missing").arg(dependency.name));
                ok = false;
                continue;
            }
            if (!dependency.version.isEmpty() &&
                PluginSpec::compareVersions(provider->version(), dependency.version) < 0) {
                if (!pluginSpec->hasError())
                    reportError(pluginSpec,
                                tr("it needs \"%1\" %2 but %3 was found")
                                    .arg(dependency.name, dependency.version, provider->version()));
                ok = false;
                continue;
            }
            if (!visit(provider) && ok) {
                if (!pluginSpec->hasError())
                    reportError(pluginSpec,
                                tr("the plugin \"%1\" it depends on failed").arg(dependency.name));
                ok = false;
            }
        }
        visiting.remove(pluginSpec);
        done.insert(pluginSpec);
        if (ok && !pluginSpec->hasError()) {
            pluginSpec->m_state = PluginSpec::Resolved;
            ordered << pluginSpec;
        }
        return ok && !pluginSpec->hasError();
    };
    for (PluginSpec* pluginSpec : specs)
        visit(pluginSpec);
    return ordered;
}

bool PluginManager::loadPlugins()
{
    return s_instance->startPlugins();
}

bool PluginManager::startPlugins()
{
    m_errors.clear();
    const QList<PluginSpec*> ordered = orderByDependencies(readSpecs());
    auto requiredFailed = [this] {
        for (PluginSpec* pluginSpec : qAsConst(m_specs))
            if (pluginSpec->isRequired() && pluginSpec->hasError())
                return true;
        return false;
    };
    QList<PluginSpec*> loaded;
    auto dependencyFailed = [](PluginSpec* pluginSpec, const QList<PluginSpec*>& all) -> QString {
        for (const PluginDependency& dependency : pluginSpec->dependencies())
            for (PluginSpec* other : all)
                if (other->name() == dependency.name && other->hasError())
                    return dependency.name;
        return QString();
    };
    for (PluginSpec* pluginSpec : ordered) {
        const QString failed = dependencyFailed(pluginSpec, ordered);
        if (!failed.isEmpty()) {
            reportError(pluginSpec, tr("the plugin \"%1\" it depends on failed").arg(failed));
            continue;
        }
        if (!pluginSpec->load())
            reportError(pluginSpec, pluginSpec->errorString());
        else
            loaded << pluginSpec;
    }
    // Loaded plugins go to the front in load order, so plugins() and shutdown() follow it.
    QList<PluginSpec*> rest;
    for (PluginSpec* pluginSpec : qAsConst(m_specs))
        if (!loaded.contains(pluginSpec))
            rest << pluginSpec;
    m_specs = loaded + rest;
    if (requiredFailed())
        return false;

    QList<PluginSpec*> initialized;
    for (PluginSpec* pluginSpec : qAsConst(loaded)) {
        const QString failed = dependencyFailed(pluginSpec, loaded);
        if (!failed.isEmpty()) {
            reportError(pluginSpec, tr("the plugin \"%1\" it depends on failed").arg(failed));
            continue;
        }
        if (!pluginSpec->initialize(pluginSpec->arguments()))
            reportError(pluginSpec, pluginSpec->errorString());
        else
            initialized << pluginSpec;
    }
    if (requiredFailed())
        return false;

    for (int i = initialized.size() - 1; i >= 0; --i) {
        initialized.at(i)->plugin()->extensionsInitialized();
        initialized.at(i)->m_state = PluginSpec::Running;
    }
    for (PluginSpec* pluginSpec : qAsConst(initialized))
        pluginSpec->plugin()->postInitialize();
    emit pluginsChanged();
    return true;
}

void PluginManager::remoteArguments(const QStringList& options, const QString& workingDirectory,
                                    const QStringList& arguments)
{
    for (PluginSpec* pluginSpec : qAsConst(s_instance->m_specs))
        if (pluginSpec->state() == PluginSpec::Running)
            pluginSpec->plugin()->handleRemoteCall(options, workingDirectory, arguments);
}

void PluginManager::shutdown()
{
    if (!s_instance || s_instance->m_shutDown)
        return;
    s_instance->m_shutDown = true;
    const QList<PluginSpec*> specs = s_instance->m_specs;
    for (int i = specs.size() - 1; i >= 0; --i) {
        PluginSpec* pluginSpec = specs.at(i);
        if (pluginSpec->plugin() && pluginSpec->state() >= PluginSpec::Initialized) {
            pluginSpec->plugin()->aboutToShutdown();
            pluginSpec->m_state = PluginSpec::Stopped;
        }
    }
    for (int i = specs.size() - 1; i >= 0; --i)
        specs.at(i)->unload();
}

} // namespace ExtensionSystem
