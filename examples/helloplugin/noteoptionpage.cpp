// SPDX-License-Identifier: MIT
#include "noteoptionpage.h"

#include <extensionsystem/pluginmanager.h>

#include <QDateTime>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

namespace {

const char* const kDateFormatKey = "Hello/DateFormat";
const char* const kDefaultFormat = "yyyy-MM-dd HH:mm";

} // namespace

NoteOptionPage::NoteOptionPage(QWidget* parent)
    : IOptionPage(parent)
{
    auto* layout = new QFormLayout(this);
    m_pFormat = new QLineEdit(this);
    m_pFormat->setPlaceholderText(QString::fromLatin1(kDefaultFormat));
    m_pPreview = new QLabel(this);
    layout->addRow(tr("Date and time format:"), m_pFormat);
    layout->addRow(tr("Preview:"), m_pPreview);
    connect(m_pFormat, &QLineEdit::textEdited, this, [this] {
        setChanged(true);
        updatePreview();
        emit dataChanged();
    });
}

QString NoteOptionPage::dateFormat()
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    const QString format =
        settings ? settings->value(QLatin1String(kDateFormatKey)).toString() : QString();
    return format.isEmpty() ? QString::fromLatin1(kDefaultFormat) : format;
}

void NoteOptionPage::initValues()
{
    m_pFormat->setText(dateFormat());
    updatePreview();
    IOptionPage::initValues();
}

void NoteOptionPage::saveChanges()
{
    if (QSettings* settings = ExtensionSystem::PluginManager::settings()) {
        // An empty field means the default, which a later version may improve.
        const QString format = m_pFormat->text().trimmed();
        if (format.isEmpty())
            settings->remove(QLatin1String(kDateFormatKey));
        else
            settings->setValue(QLatin1String(kDateFormatKey), format);
    }
    IOptionPage::saveChanges();
}

void NoteOptionPage::discardChanges()
{
    m_pFormat->setText(dateFormat());
    updatePreview();
    IOptionPage::discardChanges();
}

void NoteOptionPage::updatePreview()
{
    const QString format = m_pFormat->text().trimmed();
    m_pPreview->setText(QDateTime::currentDateTime().toString(
        format.isEmpty() ? QString::fromLatin1(kDefaultFormat) : format));
}
