// SPDX-License-Identifier: MIT
#ifndef EXTENSIONSYSTEM_PLUGINMANAGER_H
#define EXTENSIONSYSTEM_PLUGINMANAGER_H

#include "extensionsystem_export.h"

#include <QObject>
#include <QReadWriteLock>
#include <QStringList>

class QSettings;

namespace ExtensionSystem {

class PluginSpec;

/*!
    Finds, orders and drives the plugins, owns the settings objects and keeps the object pool
    through which plugins share objects. One instance exists while the host runs; the static
    functions work on it.
*/
class EXTENSIONSYSTEM_EXPORT PluginManager : public QObject
{
    Q_OBJECT
public:
    PluginManager();
    ~PluginManager() override;

    static PluginManager* instance();

    /*! The user settings; the manager takes ownership. */
    static void setSettings(QSettings* settings);
    static QSettings* settings();
    /*! The system-wide settings; the manager takes ownership. */
    static void setGlobalSettings(QSettings* settings);
    static QSettings* globalSettings();

    static void setArguments(const QStringList& arguments);
    static QStringList arguments();

    static void addObject(QObject* object);
    static void removeObject(QObject* object);
    static QList<QObject*> allObjects();
    /*! Guards allObjects(); hold it for reading while looking through the pool. */
    static QReadWriteLock* listLock();

    template<typename T>
    static T* getObject()
    {
        QReadLocker locker(listLock());
        for (QObject* object : allObjects())
            if (T* result = qobject_cast<T*>(object))
                return result;
        return nullptr;
    }

    static void setPluginPaths(const QStringList& paths);
    static QStringList pluginPaths();
    /*! Reads every library in the plugin paths, in load order after loadPlugins(). */
    static QList<PluginSpec*> plugins();

    /*!
        Reads, orders, loads and starts every plugin found in the plugin paths. A plugin that
        fails is reported and skipped together with the plugins that depend on it. Returns false
        when a required plugin failed; errors() then tells why.
    */
    static bool loadPlugins();
    /*! One line per failure: "Plugin \"name\": reason". */
    static QStringList errors();

    /*! Hands a second start's options, working folder and arguments to every running plugin. */
    static void remoteArguments(const QStringList& options, const QString& workingDirectory,
                                const QStringList& arguments);

    /*! Calls aboutToShutdown() in reverse load order, then deletes the plugins. */
    static void shutdown();

signals:
    void objectAdded(QObject* object);
    void aboutToRemoveObject(QObject* object);
    void pluginsChanged();

private:
    bool startPlugins();
    void reportError(PluginSpec* pluginSpec, const QString& reason);
    QList<PluginSpec*> readSpecs();
    QList<PluginSpec*> orderByDependencies(const QList<PluginSpec*>& specs);

    QSettings* m_settings = nullptr;
    QSettings* m_globalSettings = nullptr;
    QStringList m_arguments;
    QList<QObject*> m_objects;
    QReadWriteLock m_lock{QReadWriteLock::Recursive};
    QStringList m_pluginPaths;
    QList<PluginSpec*> m_specs;
    QStringList m_errors;
    bool m_shutDown = false;
};

} // namespace ExtensionSystem

#endif
