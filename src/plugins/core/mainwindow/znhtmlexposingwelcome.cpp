#include "znhtmlexposingwelcome.h"

#include "imainmdiarea.h"

ZNHTMLExposingWelcome::ZNHTMLExposingWelcome(IMainMdiArea* area)
    : QObject(area)
    , m_pArea(area)
{}

void ZNHTMLExposingWelcome::showInExplorer(QString strFileName)
{
    m_pArea->showInExplorer(strFileName);
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
    m_pArea->callbackTunnelAsync(cmd);
}

QString ZNHTMLExposingWelcome::callbackAsyncfromJS(QString cmd, QString str)
{
    return m_pArea->callbackAsyncfromJS(cmd, str);
}

void ZNHTMLExposingWelcome::openURL(QString strURL)
{
    m_pArea->openURL(strURL);
}

void ZNHTMLExposingWelcome::openFile(QString strFile)
{
    m_pArea->openFile(strFile);
}

QVariantMap ZNHTMLExposingWelcome::getResourceUrls()
{
    return IMainMdiArea::resourceUrls();
}
