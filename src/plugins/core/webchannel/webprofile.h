// SPDX-License-Identifier: MIT
#ifndef WEBPROFILE_H
#define WEBPROFILE_H

#include "core_export.h"

class QWebEngineProfile;
class QWebEngineView;

/*!
    The web engine profile of the application's own pages (the welcome page, release notes):
    off the record, so it writes nothing to disk. Qt's default profile keeps its cookies, cache
    and storage in the home folder whatever settings folder the application runs with, so two
    instances with different settings folders would share, and lock, one cookie database. The
    pages keep nothing worth remembering between starts, and a profile on disk costs every first
    start its creation.
*/
class CORE_EXPORT WebProfile
{
public:
    /*! The profile, made at the first call; destroyed when the application is. */
    static QWebEngineProfile* profile();
    /*! Gives \a view a page of the profile, before it loads anything. */
    static void adopt(QWebEngineView* view);
};

#endif
