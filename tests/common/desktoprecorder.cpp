// SPDX-License-Identifier: MIT
#include "desktoprecorder.h"

#include <QDesktopServices>

namespace {
const char* const schemes[] = {"http", "https", "file"};
}

DesktopRecorder::DesktopRecorder(QObject* parent)
    : QObject(parent)
{
    for (const char* scheme : schemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
}

DesktopRecorder::~DesktopRecorder()
{
    for (const char* scheme : schemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void DesktopRecorder::open(const QUrl& url)
{
    urls.append(url);
}
