#include "welcomeview.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QContextMenuEvent>
#include <QEvent>
#include <QUrl>
#include <QWebSocketServer>

WelcomeView::WelcomeView(QWidget* parent)
    : QWebEngineView(parent)
{
    setObjectName(QStringLiteral("welcomeView"));
}

QUrl WelcomeView::pageUrl(quint16 port)
{
    return QUrl(QStringLiteral("qrc:///welcome/index.html?port=%1").arg(port));
}

bool WelcomeView::loadPage()
{
    MainWindow* window = ICore::getMainWindow();
    QWebSocketServer* server = window ? window->getServer() : nullptr;
    if (!server || !server->isListening())
        return false;
    load(pageUrl(server->serverPort()));
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
