// SPDX-License-Identifier: MIT
#include "exportsettingsdialog.h"

#include "model/project/zenubproject.h"
#include "video/encoder/videoencoder.h"

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

ExportSettingsDialog::ExportSettingsDialog(Target target, const ZenubProject& project,
                                           const QString& path, const ExportSettings& settings,
                                           QWidget* parent)
    : QDialog(parent)
    , m_project(project)
    , m_target(target)
{
    const bool bVideo = target == Target::VideoFile;
    setWindowTitle(bVideo ? tr("Export to Video") : tr("Export to PNG Frames"));
    auto* form = new QFormLayout(this);

    m_pPath = new QLineEdit(QDir::toNativeSeparators(path), this);
    auto* browseButton = new QPushButton(tr("Browse..."), this);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_pPath, 1);
    pathRow->addWidget(browseButton);
    // Rows of several fields need their label's buddy set by hand for the mnemonic.
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* widget = new QLabel(text, this);
        widget->setBuddy(buddy);
        return widget;
    };
    form->addRow(label(bVideo ? tr("&File:") : tr("F&older:"), m_pPath), pathRow);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    if (bVideo)
        m_pPath->setToolTip(tr("The format follows the file's extension: .mp4, .webm, .gif, "
                               ".webp or .apng."));

    m_pScene = new QComboBox(this);
    m_pScene->addItem(tr("Whole project (every scene in order)"), QString());
    for (const ZenubScene& scene : project.getScenes())
        m_pScene->addItem(tr("Scene \"%1\"").arg(scene.getName()), scene.getName());
    const int sceneIndex = m_pScene->findData(settings.sceneName);
    m_pScene->setCurrentIndex(std::max(0, sceneIndex));
    form->addRow(tr("&Export:"), m_pScene);

    m_pScale = new QSpinBox(this);
    m_pScale->setRange(ExportSettings::kMinScale, ExportSettings::kMaxScale);
    m_pScale->setSingleStep(25);
    m_pScale->setSuffix(tr(" %"));
    m_pScale->setValue(settings.scalePercent);
    form->addRow(tr("&Scale:"), m_pScale);

    m_pQuality = new QSpinBox(this);
    m_pQuality->setObjectName(QStringLiteral("quality"));
    m_pQuality->setRange(1, 100);
    m_pQuality->setValue(settings.quality);
    m_pQuality->setToolTip(tr("Higher is a better picture in a larger file. A GIF uses fewer "
                              "colours when it is lower; APNG and PNG are lossless."));
    if (bVideo)
        form->addRow(tr("&Quality:"), m_pQuality);

    m_pFirst = new QSpinBox(this);
    m_pLast = new QSpinBox(this);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(m_pFirst);
    rangeRow->addWidget(new QLabel(tr("to"), this));
    rangeRow->addWidget(m_pLast);
    rangeRow->addStretch();
    form->addRow(label(tr("&Frames:"), m_pFirst), rangeRow);

    m_pForever = new QCheckBox(tr("For ever"), this);
    m_pPlays = new QSpinBox(this);
    m_pPlays->setRange(1, 65535);
    m_pPlays->setSuffix(tr(" times"));
    m_pForever->setChecked(settings.plays == 0);
    m_pPlays->setValue(std::max(1, settings.plays));
    auto* playsRow = new QHBoxLayout;
    playsRow->addWidget(m_pForever);
    playsRow->addWidget(m_pPlays);
    playsRow->addStretch();
    m_pTransparent = new QCheckBox(tr("Leave the stage background out"), this);
    m_pTransparent->setObjectName(QStringLiteral("transparent"));
    m_pTransparent->setChecked(settings.bTransparent);
    if (bVideo) {
        form->addRow(label(tr("&Play:"), m_pForever), playsRow);
        form->addRow(tr("Transparency:"), m_pTransparent);
    } else {
        for (QWidget* widget :
             {static_cast<QWidget*>(m_pForever), static_cast<QWidget*>(m_pPlays),
              static_cast<QWidget*>(m_pTransparent), static_cast<QWidget*>(m_pQuality)})
            widget->hide();
    }

    m_pSummary = new QLabel(this);
    m_pSummary->setWordWrap(true);
    form->addRow(m_pSummary);
    m_pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pButtons->button(QDialogButtonBox::Ok)->setText(tr("E&xport"));
    form->addRow(m_pButtons);

    // The range follows the scenes chosen; the settings' range applies to the first choice.
    update();
    m_pFirst->setValue(settings.firstFrame);
    m_pLast->setValue(settings.lastFrame < 0 ? m_pLast->maximum() : settings.lastFrame);
    connect(m_pScene, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        update();
        m_pFirst->setValue(0);
        m_pLast->setValue(m_pLast->maximum());
    });
    for (QSpinBox* box : {m_pScale, m_pFirst, m_pLast, m_pPlays})
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { update(); });
    connect(m_pForever, &QCheckBox::toggled, this, [this] { update(); });
    connect(m_pPath, &QLineEdit::textChanged, this, [this] { update(); });
    connect(browseButton, &QPushButton::clicked, this, &ExportSettingsDialog::browse);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &ExportSettingsDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &ExportSettingsDialog::reject);
    update();
}

QString ExportSettingsDialog::path() const
{
    return QDir::fromNativeSeparators(m_pPath->text().trimmed());
}

ExportSettings ExportSettingsDialog::settings() const
{
    ExportSettings settings;
    settings.sceneName = m_pScene->currentData().toString();
    settings.scalePercent = m_pScale->value();
    settings.quality = m_pQuality->value();
    settings.firstFrame = m_pFirst->value();
    settings.lastFrame = m_pLast->value() == m_pLast->maximum() ? -1 : m_pLast->value();
    settings.plays = m_pForever->isChecked() ? 0 : m_pPlays->value();
    settings.bTransparent = m_pTransparent->isChecked() && m_pTransparent->isEnabled();
    return settings;
}

int ExportSettingsDialog::selectedFrameCount() const
{
    ExportSettings whole;
    whole.sceneName = m_pScene->currentData().toString();
    QString error;
    return whole.frames(m_project, &error).size();
}

void ExportSettingsDialog::update()
{
    const int count = selectedFrameCount();
    for (QSpinBox* box : {m_pFirst, m_pLast}) {
        const QSignalBlocker blocker(box);
        box->setRange(0, std::max(0, count - 1));
    }
    m_pLast->setMinimum(m_pFirst->value());

    VideoEncoder::Format format = VideoEncoder::Format::Mp4;
    const bool bKnown = VideoEncoder::formatForFileName(path(), &format);
    const bool bAnimatedPicture = bKnown && VideoEncoder::canBeTransparent(format);
    m_pForever->setEnabled(bAnimatedPicture);
    m_pPlays->setEnabled(bAnimatedPicture && !m_pForever->isChecked());
    m_pTransparent->setEnabled(bAnimatedPicture);
    m_pQuality->setEnabled(!bKnown || format != VideoEncoder::Format::Apng);

    const QSize size = settings().outputSize(m_project);
    const int frames = count == 0 ? 0 : m_pLast->value() - m_pFirst->value() + 1;
    QString summary =
        tr("%1 frames of %2 × %3 pixels, %4 seconds.")
            .arg(frames)
            .arg(size.width())
            .arg(size.height())
            .arg(QLocale().toString(frames / double(m_project.getFrameRate()), 'f', 1));
    if (m_target == Target::VideoFile && !path().isEmpty() && !bKnown)
        summary += QLatin1Char('\n') + VideoEncoder::unknownFormatError();
    m_pSummary->setText(summary);
    m_pButtons->button(QDialogButtonBox::Ok)
        ->setEnabled(count > 0 && !path().isEmpty() &&
                     (m_target == Target::FramesFolder || bKnown));
}

void ExportSettingsDialog::browse()
{
    QString chosen;
    if (m_target == Target::FramesFolder) {
        chosen = QFileDialog::getExistingDirectory(this, windowTitle(), path());
    } else {
        const QStringList filters{tr("MP4 video (*.mp4)"), tr("WebM video (*.webm)"),
                                  tr("Animated GIF (*.gif)"), tr("Animated WebP (*.webp)"),
                                  tr("Animated PNG (*.apng *.png)")};
        const QStringList suffixes{"mp4", "webm", "gif", "webp", "apng"};
        VideoEncoder::Format format;
        int current = 0;
        if (VideoEncoder::formatForFileName(path(), &format))
            current = int(format);
        QString filter = filters.at(current);
        chosen = QFileDialog::getSaveFileName(this, windowTitle(), path(),
                                              filters.join(QStringLiteral(";;")), &filter);
        if (!chosen.isEmpty() && !VideoEncoder::formatForFileName(chosen, &format))
            chosen += QLatin1Char('.') + suffixes.at(std::max(0, filters.indexOf(filter)));
    }
    if (!chosen.isEmpty())
        m_pPath->setText(QDir::toNativeSeparators(chosen));
}

void ExportSettingsDialog::accept()
{
    QString error;
    if (settings().frames(m_project, &error).isEmpty()) {
        m_pSummary->setText(error);
        return;
    }
    QDialog::accept();
}
