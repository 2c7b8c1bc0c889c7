#include "welcomeview.h"

#include <mainwindow/mainwindow.h>
#include <plugin/icore.h>

#include <QContextMenuEvent>
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

void WelcomeView::contextMenuEvent(QContextMenuEvent* event)
{
    // The page is part of the application, not a web site: no "Back", "Reload" or "View source".
    event->accept();
}
