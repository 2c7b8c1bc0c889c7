// SPDX-License-Identifier: MIT
#ifndef ZNHTMLEXPOSINGWELCOME_H
#define ZNHTMLEXPOSINGWELCOME_H

#include "core_export.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

class IMainMdiArea;
class WelcomeCallQueue;

/*!
    The object the welcome page talks to over the web channel ("znwelcome"). It forwards to the
    workspace area, which owns it. Requests that may show something run later, one at a time
    (see WelcomeCallQueue); queries answer at once.
*/
class CORE_EXPORT ZNHTMLExposingWelcome : public QObject
{
    Q_OBJECT
public:
    explicit ZNHTMLExposingWelcome(IMainMdiArea* area);

    // The order of the signal and slots is part of the interface: pages call them by index.
signals:
    void resetRecentFiles();

public slots:
    void showInExplorer(QString strFileName);
    void removeFile(QString strFile);
    QStringList getRecentFileList();
    void callbackTunnelAsync(QString cmd);
    QString callbackAsyncfromJS(QString cmd, QString str);
    void openURL(QString strURL);
    void openFile(QString strFile);
    QVariantMap getResourceUrls();

private:
    IMainMdiArea* m_pArea;
    WelcomeCallQueue* m_pCalls;
};

#endif
