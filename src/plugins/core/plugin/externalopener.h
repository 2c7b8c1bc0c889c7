// SPDX-License-Identifier: MIT
#ifndef EXTERNALOPENER_H
#define EXTERNALOPENER_H

#include "core_export.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QWidget;

/*!
    Opens addresses and files in the programs the desktop has for them (a browser, a PDF
    viewer, the file manager) and says so when that fails: a message names what could not be
    opened and offers to copy its address or, for a file, to show it in its folder. Nothing of a
    failure is left to the log alone.

    Everything goes through QDesktopServices, so a handler an application or a test registers
    for a scheme is honoured. The core plugin registers this class for web addresses and files:
    where the desktop hands them to a program of its own ("xdg-open" on Linux), that program's
    answer is awaited without blocking, so a missing browser or viewer is also told.
*/
class CORE_EXPORT ExternalOpener : public QObject
{
    Q_OBJECT
public:
    /*! Registers the opener for "http", "https" and "file" addresses; \a owner keeps it. */
    static void install(QObject* owner);
    /*!
        Opens \a url; \a what names it in the message ("the preview"). Returns at once; a failure
        that the desktop reports later is told then, over \a parent's window.
    */
    static void open(const QUrl& url, const QString& what, QWidget* parent = nullptr);
    /*! The message for a \a url that could not be opened, with its Copy and Show buttons. */
    static void showFailure(const QUrl& url, const QString& what, QWidget* parent = nullptr);
    /*! The program that hands addresses on, found on the PATH; empty where there is none. */
    static QString launcher();

public slots:
    /*! Hands \a url to the desktop's program and tells a failure; the handler's slot. */
    void launch(const QUrl& url);

private:
    explicit ExternalOpener(QObject* owner);
    static void showInFolder(const QString& file, QWidget* parent);
};

#endif
