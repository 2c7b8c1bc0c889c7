// SPDX-License-Identifier: MIT
#ifndef DESIGNEREDITORWIDGET_H
#define DESIGNEREDITORWIDGET_H

#include "document/designerdocument.h"

#include <QPointer>
#include <QWidget>

class AlignCommands;
class NodeCommands;
class ObjectCommands;
class TextCommands;
class DesignerDocument;
class DockArea;
class QLabel;
class ShapeCommands;
class StageContextMenu;
class StageView;
class StageAnimationCommands;
class StageViewCommands;
class QToolBar;
class StageWidget;
class TimelineEditCommands;
class TimelineWidget;
class ToolPalette;

/*!
    The editing surface of a project: a tool bar, the stage with its tool palette amid its
    panels (properties, layers, scenes) and the time line below.
*/
class DesignerEditorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DesignerEditorWidget(QWidget* parent = nullptr);

    void setDocument(DesignerDocument* document);
    StageWidget* getStage() const { return m_pStage; }
    TimelineWidget* getTimeline() const { return m_pTimeline; }
    int getCurrentScene() const;
    int getCurrentFrame() const;
    void setCurrentFrame(int frame);
    void setCurrentScene(int scene);

    /*! The Edit menu's commands on the stage's selection. */
    ShapeCommands* getShapeCommands() const { return m_pShapeCommands; }
    /*! The actions the editor registers as its commands, each with its command's id. */
    QList<QPair<QAction*, QString>> commandActions() const;
    /*! Those it registers for the time line's context: the Edit menu on keyframes. */
    QList<QPair<QAction*, QString>> timelineCommandActions() const;

private:
    void refresh();
    void updateTimeline();
    void updateButtons();

    QPointer<DesignerDocument> m_pDocument;
    QToolBar* m_pToolBar = nullptr;
    DockArea* m_pDocks = nullptr;
    StageWidget* m_pStage = nullptr;
    StageView* m_pView = nullptr;
    ToolPalette* m_pPalette = nullptr;
    StageViewCommands* m_pViewCommands = nullptr;
    StageAnimationCommands* m_pAnimationCommands = nullptr;
    TimelineWidget* m_pTimeline = nullptr;
    QAction* m_pDeleteAction = nullptr;
    QAction* m_pColorAction = nullptr;
    QAction* m_pUndoAction = nullptr;
    QAction* m_pRedoAction = nullptr;
    ShapeCommands* m_pShapeCommands = nullptr;
    AlignCommands* m_pAlignCommands = nullptr;
    StageContextMenu* m_pContextMenu = nullptr;
    TimelineEditCommands* m_pTimelineEdits = nullptr;
    NodeCommands* m_pNodeCommands = nullptr;
    ObjectCommands* m_pObjectCommands = nullptr;
    TextCommands* m_pTextCommands = nullptr;
};

#endif
