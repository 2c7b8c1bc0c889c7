// SPDX-License-Identifier: MIT
#include "reportdialog.h"

#include "plugin/dpi.h"
#include "plugin/icore.h"
#include "plugin/iui.h"
#include "productinfo.h"
#include "warninglog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
const int kMaximumUrlLength = 8000;
} // namespace

ReportDialog::ReportDialog(Kind kind, QWidget* parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_environment(ProductInfo::environmentReport(parent))
    , m_warnings(WarningLog::recent())
{
    setObjectName(QStringLiteral("reportDialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setWindowTitle(kind == Problem ? tr("Report a Problem") : tr("Provide a Suggestion"));
    const int dpi = Dpi::screenDpi(parent);

    auto* layout = new QVBoxLayout(this);
    auto* prompt =
        new QLabel(kind == Problem ? tr("What happened, and what did you expect instead?")
                                   : tr("What would make Zenub Animate better for you?"),
                   this);
    layout->addWidget(prompt);
    m_pUserText = new QPlainTextEdit(this);
    m_pUserText->setObjectName(QStringLiteral("userText"));
    prompt->setBuddy(m_pUserText);
    layout->addWidget(m_pUserText, 2);

    auto* detailsLabel =
        new QLabel(tr("These details are added to help us understand it. Nothing is sent until "
                      "you open the report address or save the report."),
                   this);
    detailsLabel->setWordWrap(true);
    layout->addWidget(detailsLabel);
    m_pDetails = new QPlainTextEdit(this);
    m_pDetails->setObjectName(QStringLiteral("details"));
    m_pDetails->setReadOnly(true);
    m_pDetails->setPlainText(composeReport(QString(), m_environment, m_warnings).trimmed());
    layout->addWidget(m_pDetails, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_pOpenButton =
        buttons->addButton(tr("&Open in Mail or Browser"), QDialogButtonBox::AcceptRole);
    m_pOpenButton->setObjectName(QStringLiteral("openButton"));
    m_pOpenButton->setToolTip(tr("Opens %1 with the report filled in").arg(address()));
    m_pSaveButton = buttons->addButton(tr("&Save to File..."), QDialogButtonBox::ActionRole);
    m_pSaveButton->setObjectName(QStringLiteral("saveButton"));
    // The buttons close the dialog themselves, only once their work succeeded.
    connect(m_pOpenButton, &QPushButton::clicked, this, &ReportDialog::openAddress);
    connect(m_pSaveButton, &QPushButton::clicked, this, &ReportDialog::saveToFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_pUserText, &QPlainTextEdit::textChanged, this, &ReportDialog::updateButtons);
    updateButtons();
    resize(Dpi::scaled(560, dpi), Dpi::scaled(480, dpi));
}

QString ReportDialog::address()
{
    const QSettings* settings = ICore::settings();
    const QString stored =
        settings ? settings->value(addressKey()).toString().trimmed() : QString();
    return stored.isEmpty() ? defaultAddress() : stored;
}

QString ReportDialog::composeReport(const QString& userText, const QString& environment,
                                    const QStringList& warnings)
{
    QString text = userText.trimmed();
    if (!text.isEmpty())
        text += QLatin1String("\n\n");
    text += QLatin1String("-- \n") + environment + QLatin1Char('\n');
    text += warnings.isEmpty() ? tr("Warnings of this run: none")
                               : tr("Warnings of this run:") + QLatin1Char('\n') +
                                     warnings.join(QLatin1Char('\n'));
    return text + QLatin1Char('\n');
}

QUrl ReportDialog::reportUrl(const QString& address, const QString& subject, const QString& body)
{
    QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("mailto") && scheme != QLatin1String("http") &&
                           scheme != QLatin1String("https")))
        return QUrl();
    // Encoded by hand: a "+" left as it is would read as a blank on many web servers.
    const auto encode = [](const QString& text) {
        return QString::fromLatin1(QUrl::toPercentEncoding(text));
    };
    QString query = url.query(QUrl::FullyEncoded);
    if (!query.isEmpty())
        query += QLatin1Char('&');
    query +=
        (scheme == QLatin1String("mailto") ? QLatin1String("subject=") : QLatin1String("title=")) +
        encode(subject) + QLatin1String("&body=") + encode(body);
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

QString ReportDialog::reportText() const
{
    return composeReport(m_pUserText->toPlainText(), m_environment, m_warnings);
}

QString ReportDialog::subject() const
{
    const QString kind = m_kind == Problem ? tr("Problem") : tr("Suggestion");
    const QString firstLine = m_pUserText->toPlainText().trimmed().section(QLatin1Char('\n'), 0, 0);
    return QStringLiteral("%1 %2: %3").arg(ProductInfo::productName(), kind, firstLine.left(80));
}

void ReportDialog::updateButtons()
{
    const bool bWritten = !m_pUserText->toPlainText().trimmed().isEmpty();
    m_pOpenButton->setEnabled(bWritten);
    m_pSaveButton->setEnabled(bWritten);
}

void ReportDialog::openAddress()
{
    const QString target = address();
    QStringList warnings = m_warnings;
    const auto urlWith = [&] {
        return reportUrl(target, subject(),
                         composeReport(m_pUserText->toPlainText(), m_environment, warnings));
    };
    QUrl url = urlWith();
    // Mail programs refuse very long addresses; the oldest warnings give way first.
    while (url.isValid() && url.toEncoded().size() > kMaximumUrlLength && !warnings.isEmpty()) {
        warnings.removeFirst();
        url = urlWith();
    }
    if (url.isValid() && QDesktopServices::openUrl(url)) {
        accept();
        return;
    }
    IUi::getInstance()->showWarning(
        this, ProductInfo::productName(),
        tr("The report address %1 could not be opened. Save the report to a file and send it "
           "yourself.")
            .arg(target),
        QMessageBox::Ok, QMessageBox::Ok);
}

QString ReportDialog::askFileName()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = m_kind == Problem ? QStringLiteral("zenub-problem-report.txt")
                                           : QStringLiteral("zenub-suggestion.txt");
    return QFileDialog::getSaveFileName(this, tr("Save Report"), QDir(folder).filePath(name),
                                        tr("Text files (*.txt)"));
}

void ReportDialog::saveToFile()
{
    const QString fileName = askFileName();
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text) &&
        file.write(reportText().toUtf8()) >= 0 && file.commit()) {
        accept();
        return;
    }
    IUi::getInstance()->showWarning(
        this, ProductInfo::productName(),
        tr("The report could not be saved to %1:\n%2")
            .arg(QDir::toNativeSeparators(fileName), file.errorString()),
        QMessageBox::Ok, QMessageBox::Ok);
}
