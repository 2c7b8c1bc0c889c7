// SPDX-License-Identifier: MIT
#ifndef TESTPLUGIN_H
#define TESTPLUGIN_H

#include <extensionsystem/iplugin.h>

#include <QCoreApplication>
#include <QVariant>

/*!
    Records every life-cycle call as "<name>:<call>" in the application's "lifecycle" property,
    so a test can check the order across plugin libraries.
*/
class TestPlugin : public ExtensionSystem::IPlugin
{
public:
    explicit TestPlugin(const char* name, bool failInitialize = false)
        : m_name(QString::fromLatin1(name))
        , m_failInitialize(failInitialize)
    {
        record(QStringLiteral("created"));
    }
    ~TestPlugin() override { record(QStringLiteral("deleted")); }

    bool initialize(const QStringList&, QString* errorString) override
    {
        record(QStringLiteral("initialize"));
        if (m_failInitialize)
            *errorString = QStringLiteral("the test asked it to fail");
        return !m_failInitialize;
    }
    void extensionsInitialized() override { record(QStringLiteral("extensionsInitialized")); }
    bool postInitialize() override
    {
        record(QStringLiteral("postInitialize"));
        return true;
    }
    int aboutToShutdown() override
    {
        record(QStringLiteral("aboutToShutdown"));
        return SynchronousShutdown;
    }
    QObject* handleRemoteCall(const QStringList&, const QString& workingDirectory,
                              const QStringList& arguments) override
    {
        record(QStringLiteral("remote ") + workingDirectory + QLatin1Char(' ') +
               arguments.join(QLatin1Char(' ')));
        return nullptr;
    }

private:
    void record(const QString& call)
    {
        QStringList log = qApp->property("lifecycle").toStringList();
        log << m_name + QLatin1Char(':') + call;
        qApp->setProperty("lifecycle", log);
    }

    QString m_name;
    bool m_failInitialize;
};

#endif
