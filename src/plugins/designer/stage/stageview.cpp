// SPDX-License-Identifier: MIT
#include "stageview.h"

#include "stageruler.h"
#include "stagewidget.h"

#include <QGridLayout>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <cmath>

StageView::StageView(StageWidget* stage, QWidget* parent)
    : QWidget(parent)
    , m_pStage(stage)
    , m_pTop(new StageRuler(Qt::Horizontal, stage, this))
    , m_pSide(new StageRuler(Qt::Vertical, stage, this))
    , m_pCorner(new QWidget(this))
    , m_pAcross(new QScrollBar(Qt::Horizontal, this))
    , m_pDown(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("stageView"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pCorner->setAutoFillBackground(true);
    layout->addWidget(m_pCorner, 0, 0);
    layout->addWidget(m_pTop, 0, 1);
    layout->addWidget(m_pSide, 1, 0);
    layout->addWidget(stage, 1, 1);
    layout->addWidget(m_pDown, 1, 2);
    layout->addWidget(m_pAcross, 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    m_pAcross->setObjectName(QStringLiteral("stageScrollAcross"));
    m_pDown->setObjectName(QStringLiteral("stageScrollDown"));
    m_pAcross->hide();
    m_pDown->hide();
    connect(m_pAcross, &QScrollBar::valueChanged, this, &StageView::scrolled);
    connect(m_pDown, &QScrollBar::valueChanged, this, &StageView::scrolled);
    connect(stage, &StageWidget::viewChanged, this, &StageView::updateScrollBars);
    connect(stage, &StageWidget::documentChanged, this, &StageView::updateScrollBars);
}

void StageView::setRulersVisible(bool bVisible)
{
    if (m_bRulers == bVisible)
        return;
    m_bRulers = bVisible;
    m_pTop->setVisible(bVisible);
    m_pSide->setVisible(bVisible);
    m_pCorner->setVisible(bVisible);
    emit rulersVisibleChanged(bVisible);
}

void StageView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateScrollBars();
}

void StageView::updateScrollBars()
{
    const QScopedValueRollback<bool> updating(m_bUpdating, true);
    const DesignerDocument* document = m_pStage->getDocument();
    const double zoom = m_pStage->getZoom();
    // Decided on the room the bars would share with the stage, so that showing one does not
    // make the stage fit and hide it again.
    const QSize room = size() - (m_bRulers ? QSize(m_pSide->width(), m_pTop->height()) : QSize());
    const bool bFit = !document || m_pStage->isFitToView();
    const QSizeF shown = document ? QSizeF(document->getProject().getStageWidth() * zoom,
                                           document->getProject().getStageHeight() * zoom)
                                  : QSizeF();
    const QPointF limit = m_pStage->panLimit();
    const QPointF pan = m_pStage->panOffset();
    const struct
    {
        QScrollBar* bar;
        bool bNeeded;
        double limit;
        double pan;
        int page;
    } bars[] = {
        {m_pAcross, !bFit && shown.width() > room.width(), limit.x(), pan.x(), m_pStage->width()},
        {m_pDown, !bFit && shown.height() > room.height(), limit.y(), pan.y(), m_pStage->height()},
    };
    for (const auto& each : bars) {
        each.bar->setVisible(each.bNeeded);
        if (!each.bNeeded)
            continue;
        // Moving the bar on shows what lies further right or down: the stage moves the other way.
        const int reach = int(std::ceil(each.limit));
        each.bar->setRange(-reach, reach);
        each.bar->setPageStep(std::max(1, each.page));
        each.bar->setSingleStep(20);
        each.bar->setValue(int(std::lround(-each.pan)));
    }
}

void StageView::scrolled()
{
    if (m_bUpdating)
        return;
    m_pStage->setPanOffset(
        QPointF(m_pAcross->isVisible() ? -m_pAcross->value() : m_pStage->panOffset().x(),
                m_pDown->isVisible() ? -m_pDown->value() : m_pStage->panOffset().y()));
}
