// SPDX-License-Identifier: MIT
#include "breakpointsoptionpage.h"

#include "breakpointlistwidget.h"
#include "documents/documentmanager.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

BreakpointsOptionPage::BreakpointsOptionPage(QWidget* parent)
    : IOptionPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Breakpoints are the stage sizes a project is laid out for. "
                               "Checked entries are in use."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* lists = new QHBoxLayout();
    m_pHorizontal = new BreakpointListWidget(tr("Width (px)"), this);
    m_pHorizontal->setObjectName(QStringLiteral("horizontalBreakpoints"));
    m_pVertical = new BreakpointListWidget(tr("Height (px)"), this);
    m_pVertical->setObjectName(QStringLiteral("verticalBreakpoints"));
    lists->addWidget(m_pHorizontal);
    lists->addWidget(m_pVertical);
    layout->addLayout(lists, 1);
    auto* reset = new QPushButton(tr("Reset to &Defaults"), this);
    auto* resetRow = new QHBoxLayout();
    resetRow->addStretch(1);
    resetRow->addWidget(reset);
    layout->addLayout(resetRow);
    connect(m_pHorizontal, &BreakpointListWidget::edited, this, &BreakpointsOptionPage::onEdited);
    connect(m_pVertical, &BreakpointListWidget::edited, this, &BreakpointsOptionPage::onEdited);
    connect(reset, &QPushButton::clicked, this, &BreakpointsOptionPage::resetToDefaults);
}

void BreakpointsOptionPage::onEdited()
{
    setChanged(true);
    emit dataChanged();
}

void BreakpointsOptionPage::initValues()
{
    DocumentManager::Breakpoints horizontal;
    DocumentManager::Breakpoints vertical;
    if (DocumentManager::getInstance())
        DocumentManager::initBreakpoints(horizontal, vertical, false);
    m_pHorizontal->setBreakpoints(horizontal);
    m_pVertical->setBreakpoints(vertical);
    IOptionPage::initValues();
}

void BreakpointsOptionPage::resetToDefaults()
{
    DocumentManager::Breakpoints horizontal;
    DocumentManager::Breakpoints vertical;
    DocumentManager::initBreakpoints(horizontal, vertical, true);
    m_pHorizontal->setBreakpoints(horizontal);
    m_pVertical->setBreakpoints(vertical);
    onEdited();
}

void BreakpointsOptionPage::saveChanges()
{
    if (DocumentManager::getInstance()) {
        DocumentManager::setHBreakpoints(m_pHorizontal->breakpoints());
        DocumentManager::setVBreakpoints(m_pVertical->breakpoints());
        DocumentManager::saveSettings();
    }
    IOptionPage::saveChanges();
}

void BreakpointsOptionPage::discardChanges()
{
    IOptionPage::discardChanges();
    setNeedInitConfig2UI();
}
