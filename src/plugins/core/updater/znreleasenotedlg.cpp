// SPDX-License-Identifier: MIT
#include "znreleasenotedlg.h"
#include "ui_znreleasenotedlg.h"

#include "mainwindow/mainwindow.h"
#include "plugin/dpi.h"
#include "plugin/icore.h"
#include "webchannel/webprofile.h"

#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>

ZNReleaseNoteDlg::ZNReleaseNoteDlg(QWidget* parent)
    : QDialog(parent ? parent : ICore::getMainWindow())
    , m_ui(new Ui::ZNReleaseNoteUI)
{
    setWindowModality(Qt::NonModal);
    m_ui->setupUi(this);
    WebProfile::adopt(m_ui->m_pWebViewRL);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    // Close is already wired to reject() by the form.
    connect(m_ui->m_pBtnUpdate, &QPushButton::clicked, this, &QDialog::accept);

    const int dpi = Dpi::screenDpi(this);
    resize(Dpi::scaled(600, dpi), Dpi::scaled(500, dpi));
    setMinimumSize(Dpi::scaled(600, dpi), 0);
}

ZNReleaseNoteDlg::~ZNReleaseNoteDlg()
{
    delete m_ui;
}

void ZNReleaseNoteDlg::setHeading(const QString& text)
{
    m_ui->m_pHeadingLabel->setText(text);
}

bool ZNReleaseNoteDlg::isWebAddress(const QString& note)
{
    return note.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           note.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

void ZNReleaseNoteDlg::setReleaseNote(const QString& note)
{
    // A note set earlier may still be loading; its result must not touch the button any more.
    disconnect(m_loadConnection);
    if (isWebAddress(note)) {
        m_ui->m_pBtnUpdate->setEnabled(false);
        m_loadConnection = connect(m_ui->m_pWebViewRL, &QWebEngineView::loadFinished, this,
                                   &ZNReleaseNoteDlg::onLoadFinished);
        m_ui->m_pWebViewRL->load(QUrl(note));
    } else {
        m_ui->m_pBtnUpdate->setEnabled(true);
        m_ui->m_pWebViewRL->setHtml(note, QUrl());
    }
}

void ZNReleaseNoteDlg::onLoadFinished(bool ok)
{
    // Showing the failure text finishes a load of its own, which must not enable Update.
    disconnect(m_loadConnection);
    if (ok) {
        m_ui->m_pBtnUpdate->setEnabled(true);
        return;
    }
    m_ui->m_pWebViewRL->setHtml(tr("<h2>Failed to load release notes.</h2>"), QUrl());
}
