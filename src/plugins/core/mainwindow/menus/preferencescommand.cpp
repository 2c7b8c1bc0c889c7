// SPDX-License-Identifier: MIT
#include "preferencescommand.h"

#include "documents/idocumentfactory.h"
#include "filecommands.h"
#include "options/ioptionsdlg.h"

PreferencesCommand::~PreferencesCommand()
{
    delete m_pDialog;
}

IOptionsDlg* PreferencesCommand::dialog()
{
    if (!m_pDialog) {
        if (IDocumentFactory* factory = FileCommands::defaultFactory())
            m_pDialog = factory->createOptionsDialog();
    }
    return m_pDialog;
}

void PreferencesCommand::show()
{
    if (IOptionsDlg* options = dialog())
        options->showDialog();
}
