// SPDX-License-Identifier: MIT
#ifndef EXTENSIONSYSTEM_PLUGINSPEC_H
#define EXTENSIONSYSTEM_PLUGINSPEC_H

#include "extensionsystem_export.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QPluginLoader;

namespace ExtensionSystem {

class IPlugin;

/*! A dependency of a plugin on another plugin, by name and the lowest version it accepts. */
struct EXTENSIONSYSTEM_EXPORT PluginDependency
{
    QString name;
    QString version;
};

/*!
    What the host knows about one plugin library: its metadata, read before the library is
    loaded, the state it has reached and, when it failed, why.
*/
class EXTENSIONSYSTEM_EXPORT PluginSpec
{
public:
    enum State { Invalid, Read, Resolved, Loaded, Initialized, Running, Stopped, Deleted };

    explicit PluginSpec(const QString& filePath);
    ~PluginSpec();
    PluginSpec(const PluginSpec&) = delete;
    PluginSpec& operator=(const PluginSpec&) = delete;

    /*! Reads the metadata without loading the library; false (with errorString()) if unusable. */
    bool readMetaData();
    /*! Parses metadata already at hand; used by readMetaData() and by tests. */
    bool readMetaData(const QJsonObject& pluginMetaData);

    QString filePath() const { return m_filePath; }
    QString name() const { return m_name; }
    QString version() const { return m_version; }
    QString compatVersion() const { return m_compatVersion; }
    QString vendor() const { return m_vendor; }
    QString copyright() const { return m_copyright; }
    QString description() const { return m_description; }
    QString category() const { return m_category; }
    QString url() const { return m_url; }
    bool isRequired() const { return m_required; }
    QStringList arguments() const { return m_arguments; }
    QList<PluginDependency> dependencies() const { return m_dependencies; }

    State state() const { return m_state; }
    bool hasError() const { return !m_errorString.isEmpty(); }
    QString errorString() const { return m_errorString; }
    IPlugin* plugin() const { return m_plugin; }

    /*! Numeric comparison of dotted versions: "1.10" is newer than "1.9". */
    static int compareVersions(const QString& left, const QString& right);

private:
    friend class PluginManager;
    bool fail(const QString& reason);
    bool load();
    bool initialize(const QStringList& arguments);
    void unload();

    QString m_filePath;
    QString m_name;
    QString m_version;
    QString m_compatVersion;
    QString m_vendor;
    QString m_copyright;
    QString m_description;
    QString m_category;
    QString m_url;
    bool m_required = false;
    QStringList m_arguments;
    QList<PluginDependency> m_dependencies;
    State m_state = Invalid;
    QString m_errorString;
    IPlugin* m_plugin = nullptr;
    std::unique_ptr<QPluginLoader> m_loader;
};

} // namespace ExtensionSystem

#endif
