// SPDX-License-Identifier: MIT
// Focus change between two editor contexts, against one QAction::setEnabled (a real state
// change) per command. Two rows: N global commands of which only 20 change with the focus, and
// N commands that all change (enabled in one editor, disabled in the other).
//
// Each row and size runs in a process of its own (this program, with arguments), so neither
// the commands nor the heap of one measurement weigh on the next.

#include "benchrow.h"

#include <testenvironment.h>

#include <actions/actionmanager.h>
#include <actions/contextaction.h>
#include <actions/contextmanager.h>
#include <actions/proxyaction.h>
#include <mainwindow/mainwindow.h>

#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QProcess>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

const int kSizes[] = {1000, 10000, 50000};

// Commands that, as Cut or Undo do, have an action of their own in each editor.
const int kEditorCommands = 20;

enum class Kind { FewChange, AllChange };

void focus(QWidget* widget)
{
    widget->setFocus(Qt::OtherFocusReason);
}

QAction* editorAction(const QString& id, QWidget* editor, bool enabled)
{
    auto* action = new QAction(id, editor);
    action->setEnabled(enabled);
    return action;
}

int measure(Kind kind, int size)
{
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    // In a dock, as tool panels are: the central widget is the main window's own.
    auto* dock = new QDockWidget(QStringLiteral("Panel"), window);
    auto* panel = new QWidget(dock);
    auto* layout = new QVBoxLayout(panel);
    QLineEdit* fields[2];
    QWidget* editors[2];
    for (int i = 0; i < 2; ++i) {
        editors[i] = new QWidget(panel);
        fields[i] = new QLineEdit(editors[i]);
        layout->addWidget(editors[i]);
        ContextManager::registerContext(editors[i], QStringLiteral("Bench.Editor%1").arg(i),
                                        QStringLiteral("Editor"));
    }
    dock->setWidget(panel);
    window->addDockWidget(Qt::LeftDockWidgetArea, dock);

    const int changing = kind == Kind::FewChange ? kEditorCommands : size;
    for (int c = 0; c < changing; ++c) {
        const QString id = QStringLiteral("Edit.Command%1").arg(c);
        if (kind == Kind::FewChange)
            ActionManager::registerAction(new QAction(id, window), id, window, false);
        for (int i = 0; i < 2; ++i)
            ActionManager::registerAction(editorAction(id, editors[i], i == 0), id, editors[i],
                                          false);
    }
    if (kind == Kind::FewChange) {
        for (int c = 0; c < size; ++c) {
            const QString id = QStringLiteral("Bench.Command%1").arg(c);
            ActionManager::registerAction(new QAction(id, window), id, window, false);
        }
    }
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "bench_focus: the window did not become active\n");

    std::vector<std::unique_ptr<QAction>> plain;
    for (int i = 0; i < size; ++i)
        plain.push_back(std::make_unique<QAction>());
    focus(fields[1]);
    QCoreApplication::processEvents();
    focus(fields[0]);
    QCoreApplication::processEvents();
    // The figure means nothing unless the commands really follow the focus.
    ContextAction* probe = ActionManager::getAction(QStringLiteral("Edit.Command0"));
    const auto* proxy = qobject_cast<ProxyAction*>(probe->getAction());
    if (!proxy->action() || proxy->action()->parent() != editors[0] || !proxy->isEnabled()) {
        std::fprintf(stderr, "bench_focus: the commands do not follow the focus\n");
        return 1;
    }

    int which = 0;
    for (int run = 0; run < bench::runs(); ++run) {
        const double ours = bench::microsecondsPerCall([&] {
            which = 1 - which;
            focus(fields[which]);
        });
        bool enabled = true;
        const double baseline = bench::microsecondsPerCall([&] {
            enabled = !enabled;
            for (const auto& action : plain)
                action->setEnabled(enabled);
        });
        if (kind == Kind::FewChange) {
            bench::row("Focus change between two contexts", QString::number(size), ours, baseline,
                       "us", bench::Better::Lower, 3,
                       "time of one focus change between two editors (20 commands with an "
                       "action in each) with N commands registered, against N "
                       "QAction::setEnabled calls that change the state");
        } else {
            bench::row("Focus change, every command changes", QString::number(size), ours, baseline,
                       "us", bench::Better::Lower, 3,
                       "time of one focus change between two editors with N commands, each "
                       "enabled in one editor and disabled in the other, against N "
                       "QAction::setEnabled calls that change the state");
        }
    }
    if (proxy->isEnabled() != (which == 0)) {
        std::fprintf(stderr, "bench_focus: a command kept the other editor's state\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3)
        return measure(arguments.at(1) == QLatin1String("all") ? Kind::AllChange : Kind::FewChange,
                       arguments.at(2).toInt());
    int status = 0;
    for (const char* kind : {"few", "all"}) {
        for (const int size : kSizes) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QLatin1String(kind), QString::number(size)});
            if (!child.waitForFinished(600000) || child.exitCode() != 0)
                status = 1;
        }
    }
    return status;
}
