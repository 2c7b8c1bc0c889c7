// SPDX-License-Identifier: MIT
#ifndef WELCOMEVIEW_H
#define WELCOMEVIEW_H

#include <QPointer>
#include <QWebEngineView>

/*!
    Shows the welcome page. The page reaches native code over the main window's local
    WebSocket server, whose port it is given in the address.
*/
class WelcomeView : public QWebEngineView
{
    Q_OBJECT
public:
    explicit WelcomeView(QWidget* parent = nullptr);

    /*!
        The page's address for a server listening on \a port, with the server's secret \a token.
        A light theme is named in the address, since the page is dark by default.
    */
    static QUrl pageUrl(quint16 port, const QString& themeId = QString(),
                        const QString& token = QString());
    /*! Loads the page for the main window's server; false when there is no server. */
    bool loadPage();
    /*!
        Makes the view a child of \a host that always covers it. The workspace shows editors in
        the same place, so the view is shown only while no editor is open.
    */
    void coverWidget(QWidget* host);
    /*! Gives the shown page the look of the theme \a themeId, without loading it again. */
    void applyTheme(const QString& themeId);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_pHost;
};

#endif
