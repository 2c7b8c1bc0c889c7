// SPDX-License-Identifier: MIT
#ifndef TIMELINEVIEWOPTIONS_H
#define TIMELINEVIEWOPTIONS_H

#include "timeformat.h"

#include <QList>
#include <QObject>
#include <QPair>

class GraphEditorView;
class QAction;
class QSlider;
class QToolBar;
class TimelineView;

/*!
    How the time line shows its frames, from its tool bar: the graph editor or the rows, the
    curves fitted into view, frames or seconds, and the zoom slider. The choices of mode and
    counter are kept in the settings for the next editor.
*/
class TimelineViewOptions : public QObject
{
    Q_OBJECT
public:
    TimelineViewOptions(QToolBar* bar, TimelineView* view, GraphEditorView* graph, QObject* parent);

    bool isGraphMode() const;
    void setGraphMode(bool bGraph);
    void setSeconds(bool bSeconds);
    /*! The project's frame rate, for the counter in seconds. */
    void setFrameRate(int frameRate);
    const TimeFormat& format() const { return m_format; }

    /*! The buttons' actions, each with the id of the command the editor registers it for. */
    QList<QPair<QAction*, QString>> commandActions() const;

signals:
    void formatChanged(const TimeFormat& format);

private:
    void updateFormat(int frameRate);

    TimelineView* m_pView;
    GraphEditorView* m_pGraph;
    QAction* m_pGraphMode;
    QAction* m_pFitGraph;
    QAction* m_pSeconds;
    QSlider* m_pZoom;
    TimeFormat m_format;
};

#endif
