// SPDX-License-Identifier: MIT
#include "znhtmlexposingwelcome.h"

#include "mainwindow/imainmdiarea.h"
#include "welcomecallqueue.h"

#include <QPointer>

ZNHTMLExposingWelcome::ZNHTMLExposingWelcome(IMainMdiArea* area)
    : QObject(area)
    , m_pArea(area)
    , m_pCalls(new WelcomeCallQueue(this))
{}

// Calls that may show something to the user go through the queue: they run from the event
// loop, never inside the transport's message handling.
void ZNHTMLExposingWelcome::showInExplorer(QString strFileName)
{
    QPointer<IMainMdiArea> area = m_pArea;
    m_pCalls->post(QStringLiteral("showInExplorer:") + strFileName, [area, strFileName] {
        if (area)
            area->showInExplorer(strFileName);
    });
}

void ZNHTMLExposingWelcome::removeFile(QString strFile)
{
    m_pArea->removeFile(strFile);
}

QStringList ZNHTMLExposingWelcome::getRecentFileList()
{
    return m_pArea->getRecentFileList();
}

void ZNHTMLExposingWelcome::callbackTunnelAsync(QString cmd)
{
    QPointer<IMainMdiArea> area = m_pArea;
    m_pCalls->post(QStringLiteral("command:") + cmd, [area, cmd] {
        if (area)
            area->callbackTunnelAsync(cmd);
    });
}

QString ZNHTMLExposingWelcome::callbackAsyncfromJS(QString cmd, QString str)
{
    return m_pArea->callbackAsyncfromJS(cmd, str);
}

void ZNHTMLExposingWelcome::openURL(QString strURL)
{
    QPointer<IMainMdiArea> area = m_pArea;
    m_pCalls->post(QStringLiteral("openURL:") + strURL, [area, strURL] {
        if (area)
            area->openURL(strURL);
    });
}

void ZNHTMLExposingWelcome::openFile(QString strFile)
{
    QPointer<IMainMdiArea> area = m_pArea;
    m_pCalls->post(QStringLiteral("openFile:") + strFile, [area, strFile] {
        if (area)
            area->openFile(strFile);
    });
}

QVariantMap ZNHTMLExposingWelcome::getResourceUrls()
{
    return IMainMdiArea::resourceUrls();
}
