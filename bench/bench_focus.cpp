// SPDX-License-Identifier: MIT
// Focus change between two editor contexts with N registered commands, against one
// QAction::setEnabled (a real state change) per command.

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
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// Commands that, as Cut or Undo do, have an action of their own in each editor.
const int kEditorCommands = 20;

void focus(QWidget* widget)
{
    widget->setFocus(Qt::OtherFocusReason);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestEnvironment environment;
    MainWindow* window = environment.createMainWindow();
    // In a dock, as tool panels are: the central widget is the main window's own.
    auto* dock = new QDockWidget(QStringLiteral("Panel"), window);
    auto* panel = new QWidget(dock);
    auto* layout = new QVBoxLayout(panel);
    QLineEdit* fields[2];
    for (int i = 0; i < 2; ++i) {
        auto* editor = new QWidget(panel);
        fields[i] = new QLineEdit(editor);
        layout->addWidget(editor);
        ContextManager::registerContext(editor, QStringLiteral("Bench.Editor%1").arg(i),
                                        QStringLiteral("Editor"));
        for (int c = 0; c < kEditorCommands; ++c) {
            const QString id = QStringLiteral("Edit.Command%1").arg(c);
            if (i == 0)
                ActionManager::registerAction(new QAction(id, window), id, window, false);
            ActionManager::registerAction(new QAction(id, editor), id, editor, false);
        }
    }
    dock->setWidget(panel);
    window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        std::fprintf(stderr, "bench_focus: the window did not become active\n");

    int registered = 0;
    for (const int size : {1000, 10000, 50000}) {
        for (; registered < size; ++registered) {
            const QString id = QStringLiteral("Bench.Command%1").arg(registered);
            ActionManager::registerAction(new QAction(id, window), id, window, false);
        }
        std::vector<std::unique_ptr<QAction>> plain;
        for (int i = 0; i < size; ++i)
            plain.push_back(std::make_unique<QAction>());
        ContextAction* probe = ActionManager::getAction(QStringLiteral("Edit.Command0"));
        focus(fields[1]);
        QCoreApplication::processEvents();
        focus(fields[0]);
        QCoreApplication::processEvents();
        // The figure means nothing unless the commands really follow the focus.
        const auto* proxy = qobject_cast<ProxyAction*>(probe->getAction());
        if (!proxy->action() || proxy->action()->parent() != fields[0]->parentWidget()) {
            std::fprintf(stderr, "bench_focus: the commands do not follow the focus\n");
            return 1;
        }

        for (int run = 0; run < bench::runs(); ++run) {
            int which = 0;
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
            bench::row("Focus change between two contexts", QString::number(size), ours, baseline,
                       "us", bench::Better::Lower, 3,
                       "time of one focus change between two editors (20 commands with an "
                       "action in each) with N commands registered, against N "
                       "QAction::setEnabled calls that change the state");
        }
    }
    return 0;
}
