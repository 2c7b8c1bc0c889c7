// SPDX-License-Identifier: MIT
#ifndef BANNEROPTIONS_H
#define BANNEROPTIONS_H

#include <QCoreApplication>
#include <QString>

/*!
    What an ad slot asks of an exported page: how often it plays and where it stops, the
    click-through link in the variable ad servers fill in (clickTag), and a picture shown where
    the animation cannot play.
*/
struct BannerOptions
{
    Q_DECLARE_TR_FUNCTIONS(BannerOptions)
public:
    static QString fallbackFileName() { return QStringLiteral("fallback.png"); }

    /*! 0 plays for ever. */
    int plays = 0;
    /*! After the last play the last frame stays; otherwise the first. */
    bool bStopOnLastFrame = true;
    /*! Opened in a new window on a click; empty, a click pauses. */
    QString clickUrl;
    /*! The frame written as fallbackFileName(), counted over the page's frames; -1 for none. */
    int fallbackFrame = -1;

    /*! Empty when the options can be used, else what is wrong with them. */
    QString check() const;
};

#endif
