// SPDX-License-Identifier: MIT
#include "newprojectdialog.h"
#include "ui_newprojectdialog.h"

#include "editor/breakpointsizes.h"
#include "model/project/zenubproject.h"

#include <extensionsystem/pluginmanager.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char* const kLastFolderKey = "Designer/LastFolder";
// What common file systems allow for one file name (ext4 counts bytes, NTFS characters).
const int maxFileNameBytes = 255;

QString defaultFolder()
{
    if (const QSettings* settings = ExtensionSystem::PluginManager::settings()) {
        const QString stored = settings->value(QLatin1String(kLastFolderKey)).toString();
        if (!stored.isEmpty() && QFileInfo(stored).isDir())
            return stored;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

NewProjectDialog::NewProjectDialog(QWidget* parent)
    : ICreateDocumentDlg(parent)
    , ui(new Ui::NewProjectDialog)
{
    ui->setupUi(this);
    setMinimumWidth(460);
    ui->widthSpin->setRange(1, ZenubProject::maximumStageSize());
    ui->heightSpin->setRange(1, ZenubProject::maximumStageSize());
    ui->frameRateSpin->setRange(1, ZenubProject::maximumFrameRate());
    ui->widthSpin->setValue(1280);
    ui->heightSpin->setValue(720);
    ui->frameRateSpin->setValue(24);
    ui->nameEdit->setText(tr("Untitled"));
    ui->nameEdit->selectAll();
    ui->folderEdit->setText(QDir::toNativeSeparators(defaultFolder()));
    ui->errorLabel->hide();
    addSizePresets();
    connect(ui->browseButton, &QPushButton::clicked, this, &NewProjectDialog::browse);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &NewProjectDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &NewProjectDialog::reject);
    const auto clearError = [this] {
        ui->errorLabel->hide();
    };
    connect(ui->nameEdit, &QLineEdit::textEdited, this, clearError);
    connect(ui->folderEdit, &QLineEdit::textEdited, this, clearError);
}

NewProjectDialog::~NewProjectDialog()
{
    delete ui;
}

QString NewProjectDialog::getDocumentPath()
{
    return m_strAcceptedPath;
}

int NewProjectDialog::getValue1()
{
    return ui->widthSpin->value();
}

int NewProjectDialog::getValue2()
{
    return ui->heightSpin->value();
}

int NewProjectDialog::getValue3()
{
    return ui->frameRateSpin->value();
}

bool NewProjectDialog::getFlag()
{
    return ui->titleCheck->isChecked();
}

void NewProjectDialog::setProjectName(const QString& name)
{
    ui->nameEdit->setText(name);
}

void NewProjectDialog::setFolder(const QString& folder)
{
    ui->folderEdit->setText(QDir::toNativeSeparators(folder));
}

void NewProjectDialog::setStageSize(int width, int height)
{
    ui->widthSpin->setValue(width);
    ui->heightSpin->setValue(height);
}

void NewProjectDialog::setFrameRate(int frameRate)
{
    ui->frameRateSpin->setValue(frameRate);
}

QString NewProjectDialog::checkName(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return tr("Please enter a name for the project.");
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : trimmed) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            return tr("A project name cannot contain any of these characters: %1")
                .arg(QStringLiteral("\\ / : * ? \" < > |"));
    }
    if (trimmed == QLatin1String(".") || trimmed == QLatin1String("..") ||
        trimmed.endsWith(QLatin1Char('.')))
        return tr("A project name cannot end with a dot.");
    // The longest name the project needs on disk is that of its automatic backup.
    QString fileName = trimmed;
    if (!fileName.endsWith(QLatin1String(".zenub"), Qt::CaseInsensitive))
        fileName += QLatin1String(".zenub");
    fileName += QLatin1String(".bak");
    if (QFile::encodeName(fileName).size() > maxFileNameBytes || fileName.size() > maxFileNameBytes)
        return tr("The project name is too long to be a file name. Please shorten it.");
    return QString();
}

QString NewProjectDialog::projectPath() const
{
    QString name = ui->nameEdit->text().trimmed();
    if (!name.endsWith(QLatin1String(".zenub"), Qt::CaseInsensitive))
        name += QLatin1String(".zenub");
    const QString folder = QDir::fromNativeSeparators(ui->folderEdit->text().trimmed());
    return QDir::cleanPath(QDir(folder).absoluteFilePath(name));
}

QString NewProjectDialog::validate()
{
    const QString nameError = checkName(ui->nameEdit->text());
    if (!nameError.isEmpty())
        return nameError;
    const QString folder = QDir::fromNativeSeparators(ui->folderEdit->text().trimmed());
    if (folder.isEmpty())
        return tr("Please choose a folder for the project.");
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir())
        return tr("\"%1\" is a file, not a folder.").arg(QDir::toNativeSeparators(folder));
    if (!folderInfo.exists() && !QDir().mkpath(folder))
        return tr("The folder \"%1\" could not be created.").arg(QDir::toNativeSeparators(folder));
    const QString path = projectPath();
    if (QFileInfo::exists(path))
        return tr("A project named \"%1\" already exists in this folder.")
            .arg(QFileInfo(path).fileName());
    if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        return tr("You have no permission to create files in \"%1\".")
            .arg(QDir::toNativeSeparators(folder));
    return QString();
}

void NewProjectDialog::accept()
{
    const QString error = validate();
    if (!error.isEmpty()) {
        ui->errorLabel->setText(error);
        ui->errorLabel->show();
        return;
    }
    m_strAcceptedPath = projectPath();
    if (QSettings* settings = ExtensionSystem::PluginManager::settings())
        settings->setValue(QLatin1String(kLastFolderKey),
                           QFileInfo(m_strAcceptedPath).absolutePath());
    ICreateDocumentDlg::accept();
}

void NewProjectDialog::addSizePresets()
{
    // The stage sizes the checked breakpoints stand for; proportions from the default size.
    const QVector<QSize> sizes =
        BreakpointSizes::current(QSize(ui->widthSpin->value(), ui->heightSpin->value()));
    if (sizes.isEmpty())
        return;
    m_pPreset = new QComboBox(this);
    m_pPreset->setObjectName(QStringLiteral("sizePreset"));
    m_pPreset->addItem(tr("Custom"));
    for (const QSize& size : sizes)
        m_pPreset->addItem(BreakpointSizes::label(size), size);
    ui->formLayout->insertRow(2, tr("Si&ze:"), m_pPreset);
    connect(m_pPreset, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        const QSize size = m_pPreset->itemData(index).toSize();
        if (size.isValid())
            setStageSize(size.width(), size.height());
    });
    // Typed sizes show the preset they match, or none.
    const auto match = [this] {
        const int found =
            m_pPreset->findData(QSize(ui->widthSpin->value(), ui->heightSpin->value()));
        m_pPreset->setCurrentIndex(std::max(0, found));
    };
    connect(ui->widthSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, match);
    connect(ui->heightSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, match);
    match();
}

void NewProjectDialog::browse()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Choose a Folder"), QDir::fromNativeSeparators(ui->folderEdit->text()));
    if (!folder.isEmpty()) {
        setFolder(folder);
        ui->errorLabel->hide();
    }
}
