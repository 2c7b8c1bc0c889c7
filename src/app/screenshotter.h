// SPDX-License-Identifier: MIT
#ifndef SCREENSHOTTER_H
#define SCREENSHOTTER_H

#include <QObject>
#include <QPointer>

class QWidget;

/*!
    Saves a picture of a window once it is shown and its web pages have loaded, then quits the
    application. Used for checks on machines without a screen.
*/
class Screenshotter : public QObject
{
    Q_OBJECT
public:
    Screenshotter(QWidget* window, const QString& fileName, QObject* parent = nullptr);

    void start();

private:
    void poll();
    void capture();

    QPointer<QWidget> m_window;
    QString m_fileName;
    int m_waitedMs = 0;
};

#endif
