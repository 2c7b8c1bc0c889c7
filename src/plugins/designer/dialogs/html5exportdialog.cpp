// SPDX-License-Identifier: MIT
#include "html5exportdialog.h"

#include "dialogfolders.h"
#include "model/html5/zenubhtmlexporter.h"
#include "model/project/zenubproject.h"

#include <plugin/iui.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

struct Remembered
{
    QString sceneName;
    BannerOptions banner;
};

Remembered& remembered()
{
    static Remembered last;
    return last;
}

} // namespace

Html5ExportDialog::Html5ExportDialog(const ZenubProject& project, const QString& folder,
                                     QWidget* parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle(tr("Export to HTML5"));
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    auto* form = new QFormLayout(this);
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* widget = new QLabel(text, this);
        widget->setBuddy(buddy);
        return widget;
    };

    m_pFolder = new QLineEdit(QDir::toNativeSeparators(folder), this);
    auto* browseButton = new QPushButton(tr("Browse..."), this);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_pFolder, 1);
    folderRow->addWidget(browseButton);
    form->addRow(label(tr("F&older:"), m_pFolder), folderRow);

    m_pScene = new QComboBox(this);
    m_pScene->addItem(tr("Whole project (every scene in order)"), QString());
    for (const ZenubScene& scene : project.getScenes())
        m_pScene->addItem(tr("Scene \"%1\"").arg(scene.getName()), scene.getName());
    m_pScene->setCurrentIndex(std::max(0, m_pScene->findData(remembered().sceneName)));
    form->addRow(tr("&Export:"), m_pScene);

    const BannerOptions& last = remembered().banner;
    m_pForever = new QCheckBox(tr("For ever"), this);
    m_pForever->setChecked(last.plays == 0);
    m_pPlays = new QSpinBox(this);
    m_pPlays->setRange(1, 1000);
    m_pPlays->setSuffix(tr(" times"));
    m_pPlays->setValue(std::max(1, last.plays));
    auto* playsRow = new QHBoxLayout;
    playsRow->addWidget(m_pForever);
    playsRow->addWidget(m_pPlays);
    playsRow->addStretch();
    form->addRow(label(tr("&Play:"), m_pForever), playsRow);
    m_pStopOnLast = new QCheckBox(tr("Stop on the last frame (else on the first)"), this);
    m_pStopOnLast->setChecked(last.bStopOnLastFrame);
    form->addRow(QString(), m_pStopOnLast);

    m_pClickUrl = new QLineEdit(last.clickUrl, this);
    m_pClickUrl->setPlaceholderText(tr("https://... (none: a click pauses)"));
    m_pClickUrl->setToolTip(tr("Opened in a new window when the animation is clicked. The page "
                               "keeps it in the variable clickTag, which ad servers replace."));
    form->addRow(tr("&Click-through link:"), m_pClickUrl);

    m_pFallback = new QCheckBox(tr("Write frame"), this);
    m_pFallback->setChecked(last.fallbackFrame >= 0);
    m_pFallbackFrame = new QSpinBox(this);
    m_pFallbackFrame->setValue(std::max(0, last.fallbackFrame));
    auto* fallbackRow = new QHBoxLayout;
    fallbackRow->addWidget(m_pFallback);
    fallbackRow->addWidget(m_pFallbackFrame);
    fallbackRow->addWidget(new QLabel(tr("as %1, shown where the animation cannot play")
                                          .arg(BannerOptions::fallbackFileName()),
                                      this),
                           1);
    form->addRow(label(tr("&Fallback picture:"), m_pFallback), fallbackRow);

    m_pMessage = new QLabel(this);
    m_pMessage->setWordWrap(true);
    form->addRow(m_pMessage);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("E&xport"));
    form->addRow(buttons);

    connect(browseButton, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, windowTitle(), this->folder());
        if (!chosen.isEmpty())
            m_pFolder->setText(QDir::toNativeSeparators(chosen));
    });
    connect(m_pScene, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { update(); });
    connect(m_pForever, &QCheckBox::toggled, this, [this] { update(); });
    connect(m_pFallback, &QCheckBox::toggled, this, [this] { update(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &Html5ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Html5ExportDialog::reject);
    update();
}

QString Html5ExportDialog::folder() const
{
    return QDir::fromNativeSeparators(m_pFolder->text().trimmed());
}

ZenubProject Html5ExportDialog::exportedProject() const
{
    ZenubProject project = m_project;
    const int scene = m_pScene->currentIndex() - 1;
    if (scene >= 0 && scene < project.getScenes().size()) {
        const ZenubScene chosen = project.getScenes().at(scene);
        project.scenes() = {chosen};
    }
    return project;
}

BannerOptions Html5ExportDialog::banner() const
{
    BannerOptions banner;
    banner.plays = m_pForever->isChecked() ? 0 : m_pPlays->value();
    banner.bStopOnLastFrame = m_pStopOnLast->isChecked();
    banner.clickUrl = m_pClickUrl->text().trimmed();
    banner.fallbackFrame = m_pFallback->isChecked() ? m_pFallbackFrame->value() : -1;
    return banner;
}

void Html5ExportDialog::update()
{
    int frames = 0;
    const ZenubProject exported = exportedProject();
    for (const ZenubScene& scene : exported.getScenes())
        frames += scene.getDuration();
    m_pFallbackFrame->setRange(0, std::max(0, frames - 1));
    m_pFallbackFrame->setEnabled(m_pFallback->isChecked());
    m_pPlays->setEnabled(!m_pForever->isChecked());
    m_pStopOnLast->setEnabled(!m_pForever->isChecked());
}

void Html5ExportDialog::accept()
{
    QString error = folder().isEmpty() ? tr("Choose a folder for the page.") : banner().check();
    if (!error.isEmpty()) {
        m_pMessage->setText(error);
        return;
    }
    QDialog::accept();
}

void Html5ExportDialog::exportProject(QWidget* parent, const ZenubProject& project,
                                      const QString& projectFile)
{
    const QString start =
        QDir(DialogFolders::start(DialogFolders::Exports, projectFile))
            .filePath(QFileInfo(projectFile).completeBaseName() + QStringLiteral("-html5"));
    Html5ExportDialog dialog(project, start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString folder = dialog.folder();
    remembered().sceneName = dialog.m_pScene->currentData().toString();
    remembered().banner = dialog.banner();
    DialogFolders::remember(DialogFolders::Exports, folder);
    QString error;
    qint64 bytes = 0;
    const QString title = QStringLiteral("Zenub Animate");
    if (!ZenubHtmlExporter::exportHtml5(dialog.exportedProject(), folder, &error, dialog.banner(),
                                        &bytes, {projectFile})) {
        IUi::getInstance()->showWarning(parent, title,
                                        tr("Could not export the project.\n%1").arg(error),
                                        QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    IUi::getInstance()->showInformation(
        parent, title,
        tr("The project was exported to %1.\nThe output takes %2 in all.")
            .arg(
                QDir::toNativeSeparators(QDir(folder).filePath(ZenubHtmlExporter::indexFileName())),
                QLocale().formattedDataSize(bytes)),
        QMessageBox::Ok, QMessageBox::Ok);
}
