// SPDX-License-Identifier: MIT
#ifndef TIMELINEWIDGET_H
#define TIMELINEWIDGET_H

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>

class DesignerDocument;
class EasingMenu;
class FrameSpinBox;
class GraphEditorView;
class KeyframeCommands;
class PlaybackClock;
class QAction;
class QLabel;
class TimeFormat;
class TimelineViewOptions;
class QToolBar;
class StageWidget;
class TimelineView;

/*!
    The time line under the stage: transport buttons, the frame and scene length, the auto-key
    switch and the rows of keyframes. It owns the current frame of its stage: scrubbing, stepping
    and playing all move the stage with it.
*/
class TimelineWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TimelineWidget(StageWidget* stage, QWidget* parent = nullptr);

    void setDocument(DesignerDocument* document);
    int getFrame() const;
    void setFrame(int frame);
    /*! Re-reads the stage's scene and the document; call after the scene changed. */
    void refresh();
    bool isPlaying() const;
    void setPlaying(bool bPlaying);

    TimelineView* getView() const { return m_pView; }
    GraphEditorView* getGraph() const { return m_pGraph; }
    /*! Shows the graph editor beside the row names instead of the rows' keyframes. */
    void setGraphMode(bool bGraph);
    bool isGraphMode() const;
    KeyframeCommands* getKeyframeCommands() const { return m_pCommands; }
    /*! The buttons' actions, each with the id of the command the editor registers it for. */
    QList<QPair<QAction*, QString>> commandActions() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolBar* createToolBar();
    int duration() const;
    void step(int delta);
    void showContextMenu(const QPoint& globalPos);
    void editEasing();
    void updateStageSelection();
    void updateTransportIcons();
    void updateGraphSources();
    void showFormat(const TimeFormat& format);

    StageWidget* m_pStage;
    QPointer<DesignerDocument> m_pDocument;
    TimelineView* m_pView;
    GraphEditorView* m_pGraph;
    KeyframeCommands* m_pCommands;
    PlaybackClock* m_pClock;
    EasingMenu* m_pEasingMenu;
    TimelineViewOptions* m_pOptions = nullptr;
    FrameSpinBox* m_pFrameSpin;
    QLabel* m_pFrameLabel;
    QLabel* m_pFrameCount;
    QToolBar* m_pToolBar = nullptr;
    QAction* m_pPlay;
    QAction* m_pLoop;
    QAction* m_pAutoKey;
    QAction* m_pPrevious;
    QAction* m_pNext;
    QAction* m_pFirst;
    QAction* m_pLast;
};

#endif
