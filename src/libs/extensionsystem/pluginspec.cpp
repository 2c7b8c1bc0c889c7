// SPDX-License-Identifier: MIT
#include "pluginspec.h"

#include "iplugin.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QPluginLoader>
#include <QVector>

namespace ExtensionSystem {

namespace {

bool readString(const QJsonObject& object, const QString& key, QString* target, QString* error,
                bool required = false)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        if (required)
            *error = QCoreApplication::translate("PluginSpec", "\"%1\" is missing").arg(key);
        return !required;
    }
    if (!value.isString()) {
        *error = QCoreApplication::translate("PluginSpec", "\"%1\" is not a string").arg(key);
        return false;
    }
    *target = value.toString();
    if (required && target->isEmpty()) {
        *error = QCoreApplication::translate("PluginSpec", "\"%1\" is empty").arg(key);
        return false;
    }
    return true;
}

// Texts such as the copyright may be a string or a list of lines.
bool readText(const QJsonObject& object, const QString& key, QString* target, QString* error)
{
    const QJsonValue value = object.value(key);
    if (value.isArray()) {
        QStringList lines;
        for (const QJsonValue& line : value.toArray()) {
            if (!line.isString()) {
                *error =
                    QCoreApplication::translate("PluginSpec", "\"%1\" holds a non-string").arg(key);
                return false;
            }
            lines << line.toString();
        }
        *target = lines.join(QLatin1Char('\n'));
        return true;
    }
    return readString(object, key, target, error);
}

bool isVersion(const QString& version)
{
    if (version.isEmpty())
        return false;
    const QStringList parts = version.split(QLatin1Char('.'));
    for (const QString& part : parts) {
        bool ok = false;
        part.toInt(&ok);
        if (!ok || part.startsWith(QLatin1Char('-')))
            return false;
    }
    return true;
}

} // namespace

PluginSpec::PluginSpec(const QString& filePath)
    : m_filePath(filePath)
{}

PluginSpec::~PluginSpec()
{
    unload();
}

bool PluginSpec::fail(const QString& reason)
{
    m_errorString = reason;
    return false;
}

bool PluginSpec::readMetaData()
{
    m_loader = std::make_unique<QPluginLoader>(m_filePath);
    const QJsonObject metaData = m_loader->metaData();
    if (metaData.isEmpty())
        return fail(QCoreApplication::translate("PluginSpec", "not a plugin library: %1")
                        .arg(m_loader->errorString()));
    const QString iid = metaData.value(QLatin1String("IID")).toString();
    if (iid != QLatin1String(ZENUB_PLUGIN_IID))
        return fail(
            QCoreApplication::translate("PluginSpec", "unexpected interface \"%1\"").arg(iid));
    return readMetaData(metaData.value(QLatin1String("MetaData")).toObject());
}

bool PluginSpec::readMetaData(const QJsonObject& data)
{
    QString error;
    if (data.isEmpty())
        return fail(QCoreApplication::translate("PluginSpec", "the metadata is empty"));
    if (!readString(data, QStringLiteral("Name"), &m_name, &error, true) ||
        !readString(data, QStringLiteral("Version"), &m_version, &error, true) ||
        !readString(data, QStringLiteral("CompatVersion"), &m_compatVersion, &error) ||
        !readString(data, QStringLiteral("Vendor"), &m_vendor, &error) ||
        !readText(data, QStringLiteral("Copyright"), &m_copyright, &error) ||
        !readText(data, QStringLiteral("Description"), &m_description, &error) ||
        !readString(data, QStringLiteral("Category"), &m_category, &error) ||
        !readString(data, QStringLiteral("Url"), &m_url, &error))
        return fail(error);
    if (!isVersion(m_version))
        return fail(
            QCoreApplication::translate("PluginSpec", "invalid version \"%1\"").arg(m_version));
    if (m_compatVersion.isEmpty())
        m_compatVersion = m_version;

    const QJsonValue required = data.value(QLatin1String("Required"));
    if (!required.isUndefined() && !required.isBool())
        return fail(QCoreApplication::translate("PluginSpec", "\"Required\" is not a boolean"));
    m_required = required.toBool(false);

    const QJsonValue arguments = data.value(QLatin1String("Arguments"));
    if (!arguments.isUndefined() && !arguments.isArray())
        return fail(QCoreApplication::translate("PluginSpec", "\"Arguments\" is not a list"));
    for (const QJsonValue& argument : arguments.toArray())
        m_arguments << argument.toVariant().toString();

    const QJsonValue dependencies = data.value(QLatin1String("Dependencies"));
    if (!dependencies.isUndefined() && !dependencies.isArray())
        return fail(QCoreApplication::translate("PluginSpec", "\"Dependencies\" is not a list"));
    for (const QJsonValue& entry : dependencies.toArray()) {
        PluginDependency dependency;
        if (entry.isString()) {
            dependency.name = entry.toString();
        } else if (entry.isObject()) {
            dependency.name = entry.toObject().value(QLatin1String("Name")).toString();
            dependency.version = entry.toObject().value(QLatin1String("Version")).toString();
        }
        if (dependency.name.isEmpty())
            return fail(QCoreApplication::translate("PluginSpec", "a dependency has no name"));
        m_dependencies << dependency;
    }
    m_state = Read;
    return true;
}

int PluginSpec::compareVersions(const QString& left, const QString& right)
{
    const QStringList a = left.split(QLatin1Char('.'));
    const QStringList b = right.split(QLatin1Char('.'));
    for (int i = 0; i < qMax(a.size(), b.size()); ++i) {
        const int x = i < a.size() ? a.at(i).toInt() : 0;
        const int y = i < b.size() ? b.at(i).toInt() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

bool PluginSpec::load()
{
    if (!m_loader)
        m_loader = std::make_unique<QPluginLoader>(m_filePath);
    QObject* instance = m_loader->instance();
    if (!instance)
        return fail(QCoreApplication::translate("PluginSpec", "cannot be loaded: %1")
                        .arg(m_loader->errorString()));
    m_plugin = qobject_cast<IPlugin*>(instance);
    if (!m_plugin)
        return fail(QCoreApplication::translate("PluginSpec", "its object is not an IPlugin"));
    m_state = Loaded;
    return true;
}

bool PluginSpec::initialize(const QStringList& arguments)
{
    QString error;
    if (!m_plugin->initialize(arguments, &error)) {
        return fail(error.isEmpty()
                        ? QCoreApplication::translate("PluginSpec", "initialisation failed")
                        : QCoreApplication::translate("PluginSpec", "initialisation failed: %1")
                              .arg(error));
    }
    m_state = Initialized;
    return true;
}

void PluginSpec::unload()
{
    // The instance belongs to the loader's root component; deleting it is what the host owes it.
    delete m_plugin;
    m_plugin = nullptr;
    if (m_state >= Loaded)
        m_state = Deleted;
}

} // namespace ExtensionSystem
