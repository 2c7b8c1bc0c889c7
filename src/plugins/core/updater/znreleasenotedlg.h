// SPDX-License-Identifier: MIT
#ifndef ZNRELEASENOTEDLG_H
#define ZNRELEASENOTEDLG_H

#include "core_export.h"

#include <QDialog>

namespace Ui {
class ZNReleaseNoteUI;
}

/*!
    Announces an available update: a heading, the release notes in a web view, and the buttons
    Update (accepts) and Close (rejects). Release notes are either a web address, loaded into the
    view, or HTML text shown as it is. While a remote page loads, and after it failed to load,
    Update is disabled.
*/
class CORE_EXPORT ZNReleaseNoteDlg : public QDialog
{
    Q_OBJECT
public:
    /*! Without a parent the main window becomes the parent. */
    explicit ZNReleaseNoteDlg(QWidget* parent = nullptr);
    ~ZNReleaseNoteDlg() override;

    /*! Rich text is allowed. */
    void setHeading(const QString& text);
    /*! A note beginning with "http://" or "https://" (any letter case) is loaded as a page. */
    void setReleaseNote(const QString& note);

    /*! True when \a note names a page to load rather than HTML to show. */
    static bool isWebAddress(const QString& note);

private:
    void onLoadFinished(bool ok);

    Ui::ZNReleaseNoteUI* m_ui;
    QMetaObject::Connection m_loadConnection;
};

#endif
