// SPDX-License-Identifier: MIT
#ifndef RUNSCRIPT_H
#define RUNSCRIPT_H

#include <QTest>
#include <QVariant>
#include <QWebEnginePage>

/*! Runs a script in the page and waits for its answer, which comes through the event loop. */
inline QVariant runScript(QWebEnginePage* page, const QString& script)
{
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&done] { return done; }, 10000))
        qWarning("No answer to: %s", qPrintable(script));
    return result;
}

#endif
