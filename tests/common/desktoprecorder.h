// SPDX-License-Identifier: MIT
#ifndef DESKTOPRECORDER_H
#define DESKTOPRECORDER_H

#include <QList>
#include <QObject>
#include <QUrl>

/*!
    Stands in for the desktop's default handlers of web links and local files while it lives,
    so a test sees what would be opened and nothing is launched.
*/
class DesktopRecorder : public QObject
{
    Q_OBJECT
public:
    explicit DesktopRecorder(QObject* parent = nullptr);
    ~DesktopRecorder() override;

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url);
};

#endif
