// SPDX-License-Identifier: MIT
#include "lottieexportdialog.h"

#include "dialogfolders.h"
#include "model/io/lottie/lottieexporter.h"
#include "model/project/zenubproject.h"

#include <extensionsystem/pluginmanager.h>
#include <plugin/iui.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <cstdio>

namespace {

const char* const kTitle = "Zenub Animate";
const char* const kOutlinesKey = "LottieExport/TextAsOutlines";

} // namespace

LottieExportDialog::LottieExportDialog(const ZenubProject& project, int currentScene,
                                       QWidget* parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle(tr("Export to Lottie"));
    m_pScope = new QComboBox(this);
    m_pScope->addItem(tr("Whole project (every scene in order)"), -1);
    const QVector<ZenubScene>& scenes = project.getScenes();
    for (int s = 0; s < scenes.size(); ++s)
        m_pScope->addItem(tr("Scene \"%1\"").arg(scenes.at(s).getName()), s);
    // The whole project is the default, as on the command line; the current scene is one pick
    // away.
    m_pScope->setToolTip(tr("The whole project is exported unless a scene is chosen. The "
                            "current scene is scene %1.")
                             .arg(currentScene + 1));
    m_pOutlines =
        new QCheckBox(tr("Write texts as &outlines (drawn the same in every player)"), this);
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings())
        m_pOutlines->setChecked(settings->value(kOutlinesKey, false).toBool());
    m_pSummary = new QLabel(this);
    m_pSummary->setWordWrap(true);
    m_pList = new QPlainTextEdit(this);
    m_pList->setReadOnly(true);
    m_pList->setObjectName(QStringLiteral("notCarried"));
    m_pList->setMinimumSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 8);

    auto* form = new QFormLayout;
    form->addRow(tr("&Export:"), m_pScope);
    form->addRow(QString(), m_pOutlines);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("E&xport..."), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pSummary);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);

    connect(m_pScope, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &LottieExportDialog::updateNotCarried);
    connect(m_pOutlines, &QCheckBox::toggled, this, &LottieExportDialog::updateNotCarried);
    updateNotCarried();
}

LottieExportOptions LottieExportDialog::options() const
{
    LottieExportOptions options;
    options.scene = m_pScope->currentData().toInt();
    options.textAsOutlines = m_pOutlines->isChecked();
    return options;
}

void LottieExportDialog::updateNotCarried()
{
    m_notCarried = LottieExporter(m_project, options()).notCarried();
    m_pSummary->setText(
        m_notCarried.isEmpty()
            ? tr("Everything is carried over to the Lottie file.")
            : tr("Not carried over as drawn here (%n):", nullptr, m_notCarried.size()));
    m_pList->setEnabled(!m_notCarried.isEmpty());
    m_pList->setPlainText(m_notCarried.join(QLatin1Char('\n')));
}

void LottieExportDialog::exportProject(QWidget* parent, const ZenubProject& project,
                                       int currentScene, const QString& projectFile)
{
    LottieExportDialog dialog(project, currentScene, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(kOutlinesKey, dialog.options().textAsOutlines);
    const QString filter = tr("Lottie animation (*.json)");
    const QString base = QFileInfo(projectFile).completeBaseName();
    QString fileName = QFileDialog::getSaveFileName(
        parent, tr("Export to Lottie"),
        QDir(DialogFolders::start(DialogFolders::Exports, projectFile))
            .filePath((base.isEmpty() ? QStringLiteral("animation") : base) + ".json"),
        filter);
    if (fileName.isEmpty())
        return;
    DialogFolders::remember(DialogFolders::Exports, fileName);
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".json");
    // Scripts that drive the editor see the list too.
    for (const QString& line : dialog.notCarried())
        std::fprintf(stderr, "zenub-animate: %s\n", qPrintable(line));
    QString error;
    if (!LottieExporter(project, dialog.options()).write(fileName, &error)) {
        IUi::getInstance()->showWarning(parent, QString::fromLatin1(kTitle),
                                        tr("Could not export to Lottie.\n%1").arg(error),
                                        QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    IUi::getInstance()->showInformation(
        parent, QString::fromLatin1(kTitle),
        tr("The animation was written to %1.").arg(QDir::toNativeSeparators(fileName)),
        QMessageBox::Ok, QMessageBox::Ok);
}
