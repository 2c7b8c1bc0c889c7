// SPDX-License-Identifier: MIT
#include "guidedrag.h"

#include "stageoverlay.h"
#include "stagewidget.h"

#include <cmath>

GuideDrag::GuideDrag(StageWidget* stage)
    : m_pStage(stage)
{}

bool GuideDrag::guideAt(const ZenubGuides& guides, const StageViewport& viewport,
                        const QPointF& point, Qt::Orientation* orientation, int* index)
{
    double nearest = kReach;
    bool bFound = false;
    for (const Qt::Orientation along : {Qt::Horizontal, Qt::Vertical}) {
        const QVector<double>& positions = guides.positions(along);
        for (int i = 0; i < positions.size(); ++i) {
            const QPointF at = viewport.fromStage(QPointF(positions.at(i), positions.at(i)));
            const double distance =
                std::abs(along == Qt::Horizontal ? at.y() - point.y() : at.x() - point.x());
            if (distance <= nearest) {
                nearest = distance;
                *orientation = along;
                *index = i;
                bFound = true;
            }
        }
    }
    return bFound;
}

void GuideDrag::begin(Qt::Orientation orientation, int index)
{
    m_bActive = true;
    m_bInside = false;
    m_orientation = orientation;
    m_index = index;
    const QVector<double>& positions =
        m_pStage->getDocument()->getProject().getGuides().positions(orientation);
    if (index >= 0 && index < positions.size()) {
        m_position = positions.at(index);
        m_bInside = true;
    }
}

void GuideDrag::moveTo(const QPointF& point)
{
    if (!m_bActive)
        return;
    m_bInside = m_pStage->rect().contains(point.toPoint());
    const QPointF stage = m_pStage->toStage(point);
    m_position = std::round(m_orientation == Qt::Horizontal ? stage.y() : stage.x());
    m_pStage->update();
}

ZenubGuides GuideDrag::shown(const ZenubGuides& guides) const
{
    ZenubGuides result = guides;
    if (!m_bActive)
        return result;
    QVector<double>& positions = result.positions(m_orientation);
    if (m_index >= 0 && m_index < positions.size())
        positions.removeAt(m_index);
    if (m_bInside)
        positions.append(m_position);
    return result;
}

void GuideDrag::finish(const QPointF& point)
{
    moveTo(point);
    DesignerDocument* document = m_pStage->getDocument();
    if (!m_bActive || !document) {
        cancel();
        return;
    }
    const bool bNew = m_index < 0;
    if (bNew && !m_bInside) {
        cancel();
        return;
    }
    const ZenubGuides after = shown(document->getProject().getGuides());
    const QString text = bNew ? tr("Add Guide") : m_bInside ? tr("Move Guide") : tr("Remove Guide");
    cancel();
    document->editProject(text, [&after](ZenubProject& project) {
        project.setGuides(after);
        return true;
    });
}

void GuideDrag::cancel()
{
    m_bActive = false;
    m_pStage->update();
}

void GuideDrag::paint(StageOverlay& overlay) const
{
    if (m_bActive && m_bInside)
        overlay.paintGuideLine(m_orientation, m_position, true);
}
