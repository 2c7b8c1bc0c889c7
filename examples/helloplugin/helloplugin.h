// SPDX-License-Identifier: MIT
#ifndef HELLOPLUGIN_H
#define HELLOPLUGIN_H

#include <extensionsystem/iplugin.h>

class NoteDocumentFactory;
class NoteOptionPageFactory;

/*! Plain-text notes: the ".txt" document type, its editor and a preferences page. */
class HelloPlugin : public ExtensionSystem::IPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "helloplugin.json")
public:
    HelloPlugin();
    ~HelloPlugin() override;

    bool initialize(const QStringList& arguments, QString* errorString) override;
    void extensionsInitialized() override;
    int aboutToShutdown() override;

private:
    void openNote();

    NoteDocumentFactory* m_pDocuments = nullptr;
    NoteOptionPageFactory* m_pPages = nullptr;
};

#endif
