// SPDX-License-Identifier: MIT
#ifndef DESIGNERPLUGIN_H
#define DESIGNERPLUGIN_H

#include <extensionsystem/iplugin.h>

#include <QPointer>

class DesignerDocumentFactory;
class ProjectExporter;
class WelcomeView;

/*! The Designer plugin: the ".zenub" document type, its editor and the welcome page. */
class DesignerPlugin : public ExtensionSystem::IPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "designer.json")
public:
    DesignerPlugin();
    ~DesignerPlugin() override;

    bool initialize(const QStringList& arguments, QString* errorString) override;
    void extensionsInitialized() override;
    int aboutToShutdown() override;

    DesignerDocumentFactory* getFactory() const { return m_pFactory; }
    WelcomeView* getWelcomeView() const;

    /*! Marks the settings so that the next start is not a first run. */
    static void writeSettings();

private:
    void releasePoolObjects();

    DesignerDocumentFactory* m_pFactory = nullptr;
    // Owned by the plugin; in the object pool for the command line's exports.
    ProjectExporter* m_pExporter = nullptr;
    QPointer<WelcomeView> m_pWelcome;
    bool m_bFactoryInPool = false;
};

#endif
