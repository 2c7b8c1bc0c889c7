// SPDX-License-Identifier: MIT
#ifndef PREFERENCESCOMMAND_H
#define PREFERENCESCOMMAND_H

class IOptionsDlg;

/*!
    Edit > Preferences: the preferences dialog of the first document factory, created on the
    first request and kept until this object goes.
*/
class PreferencesCommand
{
public:
    PreferencesCommand() = default;
    ~PreferencesCommand();
    PreferencesCommand(const PreferencesCommand&) = delete;
    PreferencesCommand& operator=(const PreferencesCommand&) = delete;

    /*! Null while no factory supplies a dialog. */
    IOptionsDlg* dialog();
    void show();

private:
    // A top-level dialog without parent.
    IOptionsDlg* m_pDialog = nullptr;
};

#endif
