// SPDX-License-Identifier: MIT
#include "welcomeview.h"

#include <appearance/ithemesmanager.h>
#include <extensionsystem/pluginmanager.h>
#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>
#include <webchannel/webprofile.h>

#include <QContextMenuEvent>
#include <QEvent>
#include <QSettings>
#include <QUrl>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebSocketServer>

WelcomeView::WelcomeView(QWidget* parent)
    : QWebEngineView(parent)
{
    setObjectName(QStringLiteral("welcomeView"));
    WebProfile::adopt(this);
    connect(&IThemesManager::getInstance(), &IThemesManager::themeApplied, this,
            &WelcomeView::applyTheme);
}

QUrl WelcomeView::pageUrl(quint16 port, const QString& themeId, const QString& token)
{
    QString address = QStringLiteral("qrc:///welcome/index.html?port=%1").arg(port);
    if (!token.isEmpty())
        address += QStringLiteral("&token=") + QString::fromLatin1(QUrl::toPercentEncoding(token));
    if (IThemesManager::isLightTheme(themeId))
        address += QLatin1String("&theme=light");
    return QUrl(address);
}

void WelcomeView::applyTheme(const QString& themeId)
{
    // A later load names the applied theme in its address; the page shown switches its class.
    page()->runJavaScript(QStringLiteral("document.documentElement.classList.toggle('light', %1);")
                              .arg(IThemesManager::isLightTheme(themeId) ? QLatin1String("true")
                                                                         : QLatin1String("false")));
}

bool WelcomeView::loadPage()
{
    MainWindow* window = ICore::getMainWindow();
    QWebSocketServer* server = window ? window->getServer() : nullptr;
    if (!server || !server->isListening())
        return false;
    // The host applies the stored theme only after the plugins have started, so ask for the
    // stored choice rather than the applied one.
    QString theme = IThemesManager::getInstance().getCurrentThemeId();
    if (theme.isEmpty()) {
        if (const QSettings* settings = ExtensionSystem::PluginManager::settings())
            theme = settings->value(QStringLiteral("Zenub/Theme")).toString();
    }
    const QString token =
        QUrlQuery(window->getChannelUrl()).queryItemValue(QStringLiteral("token"));
    load(pageUrl(server->serverPort(), theme, token));
    return true;
}

void WelcomeView::coverWidget(QWidget* host)
{
    if (m_pHost)
        m_pHost->removeEventFilter(this);
    m_pHost = host;
    if (!host)
        return;
    setParent(host);
    setGeometry(host->rect());
    host->installEventFilter(this);
}

bool WelcomeView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pHost && event->type() == QEvent::Resize)
        setGeometry(m_pHost->rect());
    return QWebEngineView::eventFilter(watched, event);
}

void WelcomeView::contextMenuEvent(QContextMenuEvent* event)
{
    // The page is part of the application, not a web site: no "Back", "Reload" or "View source".
    event->accept();
}
