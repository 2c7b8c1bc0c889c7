// SPDX-License-Identifier: MIT
#ifndef EXTERNALOPENER_H
#define EXTERNALOPENER_H

#include "core_export.h"

#include <QString>

class QUrl;
class QWidget;

/*!
    Opens addresses and files in the programs the desktop has for them (a browser, a PDF
    viewer, the file manager) and says so when that fails: a message names what could not be
    opened and offers to copy its address or, for a file, to show it in its folder. Nothing of a
    failure is left to the log alone.

    Where the desktop hands addresses to a program of its own ("xdg-open" on Linux), that
    program's answer is awaited without blocking, so a missing browser or viewer is also told.
*/
class CORE_EXPORT ExternalOpener
{
public:
    /*!
        Opens \a url; \a what names it in the message ("the preview"). Returns at once; a failure
        that the desktop reports later is told then, over \a parent's window.
    */
    static void open(const QUrl& url, const QString& what, QWidget* parent = nullptr);
    /*! The message for a \a url that could not be opened, with its Copy and Show buttons. */
    static void showFailure(const QUrl& url, const QString& what, QWidget* parent = nullptr);
    /*! The program that hands addresses on, found on the PATH; empty where there is none. */
    static QString launcher();

private:
    static void showInFolder(const QString& file, QWidget* parent);
};

#endif
