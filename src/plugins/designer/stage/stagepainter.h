// SPDX-License-Identifier: MIT
#ifndef STAGEPAINTER_H
#define STAGEPAINTER_H

class QPainter;
class StageViewport;
class StageWidget;

/*!
    Paints what the stage shows: the scene at the frame (as the tool in hand or the text being
    typed show it) with the frames around it when the onion skin is on, then over it the grid,
    the animated marks, the motion paths, the entered group, the guides and the tool's own
    marks.
*/
class StagePainter
{
public:
    StagePainter(StageWidget* stage, const StageViewport& viewport);
    void paint(QPainter* painter);

private:
    StageWidget* m_pStage;
    const StageViewport& m_viewport;
};

#endif
