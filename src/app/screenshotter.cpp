// SPDX-License-Identifier: MIT
#include "screenshotter.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QWebEngineView>
#include <QWidget>

#include <cstdio>

namespace {
const int pollMs = 100;
const int giveUpMs = 20000;
const int settleMs = 500;
} // namespace

Screenshotter::Screenshotter(QWidget* window, const QString& fileName, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_fileName(fileName)
{}

void Screenshotter::start()
{
    QTimer::singleShot(pollMs, this, &Screenshotter::poll);
}

void Screenshotter::poll()
{
    m_waitedMs += pollMs;
    bool ready = m_window && m_window->isVisible();
    if (ready) {
        // A web page still loading shows as an empty area; wait for every view to finish.
        for (QWebEngineView* view : m_window->findChildren<QWebEngineView*>()) {
            if (view->isVisible() && !view->property("zenubLoaded").toBool()) {
                ready = false;
                if (!view->property("zenubWatched").toBool()) {
                    view->setProperty("zenubWatched", true);
                    connect(view, &QWebEngineView::loadFinished, view,
                            [view] { view->setProperty("zenubLoaded", true); });
                }
            }
        }
    }
    if (ready || m_waitedMs >= giveUpMs)
        QTimer::singleShot(settleMs, this, &Screenshotter::capture);
    else
        QTimer::singleShot(pollMs, this, &Screenshotter::poll);
}

void Screenshotter::capture()
{
    int exitCode = 1;
    if (m_window && m_window->grab().save(m_fileName)) {
        std::fprintf(stdout, "Screenshot saved to %s\n", qPrintable(m_fileName));
        exitCode = 0;
    } else {
        std::fprintf(stderr, "Could not save the screenshot to %s\n", qPrintable(m_fileName));
    }
    std::fflush(stdout);
    QCoreApplication::exit(exitCode);
}
