// SPDX-License-Identifier: MIT
#ifndef IMAINMDIAREA_H
#define IMAINMDIAREA_H

#include "core_export.h"

#include <QMdiArea>
#include <QPointer>
#include <QStringList>

class MainWindow;
class ZNHTMLExposingWelcome;

/*!
    The main window's workspace: hosts the editors and, while none is open, the welcome page.
    Its welcome object is published on the main window's web channel as "znwelcome" so that
    the page can reach the slots below.
*/
class CORE_EXPORT IMainMdiArea : public QMdiArea
{
    Q_OBJECT
public:
    explicit IMainMdiArea(MainWindow* parent);
    ~IMainMdiArea() override;

    /*! Editors in bold, closable tabs; scroll bars as needed; focus by click only. */
    void setUpAsWorkspace();
    /*! Keeps the widget that shows the welcome page; not owned. */
    void setWelcomeWidget(QWidget* widget);
    QWidget* getWelcomeWidget() const;
    ZNHTMLExposingWelcome* getWelcomeObject() const;

    /*! The addresses the welcome page links to, by key. */
    static QVariantMap resourceUrls();
    /*! True for addresses the desktop may open on the page's behalf. */
    static bool isWebLink(const QString& strURL);

    // The order of the signal and slots is part of the interface.
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

private:
    ZNHTMLExposingWelcome* m_pWelcome = nullptr;
    QPointer<QWidget> m_pWelcomeWidget;
};

#endif
