// SPDX-License-Identifier: MIT
#include "webprofile.h"

#include <QCoreApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {
QWebEngineProfile* s_profile = nullptr;

void deleteProfile()
{
    delete s_profile;
    s_profile = nullptr;
}
} // namespace

QWebEngineProfile* WebProfile::profile()
{
    if (!s_profile) {
        // No storage name: off the record.
        s_profile = new QWebEngineProfile();
        // Registered after the web engine's own clean-up, so it runs before it: the profile
        // must go while the engine is still there.
        qAddPostRoutine(deleteProfile);
    }
    return s_profile;
}

void WebProfile::adopt(QWebEngineView* view)
{
    view->setPage(new QWebEnginePage(profile(), view));
}
