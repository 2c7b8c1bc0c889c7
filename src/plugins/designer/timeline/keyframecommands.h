// SPDX-License-Identifier: MIT
#ifndef KEYFRAMECOMMANDS_H
#define KEYFRAMECOMMANDS_H

#include "document/designerdocument.h"
#include "model/edits/keyframeref.h"

#include <QObject>
#include <QPointer>

class QAction;
class TimelineView;
class ZenubEasing;

/*!
    The edits on the keyframes selected in a time line: cut, copy, paste, delete, move, easing
    and adding keyframes at the current frame. Each is one undo step of the document.
*/
class KeyframeCommands : public QObject
{
    Q_OBJECT
public:
    explicit KeyframeCommands(TimelineView* view, QObject* parent = nullptr);

    void setDocument(DesignerDocument* document);
    /*! The shapes selected on the stage: pasting one shape's keyframes goes to them. */
    void setTargetShapes(const QVector<ShapeRef>& shapes);

    QAction* cutAction() const { return m_pCut; }
    QAction* copyAction() const { return m_pCopy; }
    QAction* pasteAction() const { return m_pPaste; }
    QAction* deleteAction() const { return m_pDelete; }
    QAction* selectAllAction() const { return m_pSelectAll; }
    QAction* addKeyframeAction() const { return m_pAddKeyframe; }

public slots:
    void copy();
    void cut();
    void paste();
    void remove();
    void selectAll();
    void move(const KeyframeRefs& refs, int delta);
    void setEasing(const ZenubEasing& easing);
    /*! Stores the state of the target shapes at the current frame as keyframes there. */
    void addKeyframes();
    void updateActions();
    /*! Writes the Edit menu's current keys beside the texts, for a context menu. */
    void showKeys();

private:
    bool edit(const QString& text, const std::function<bool(ZenubScene&)>& change);

    TimelineView* m_pView;
    QPointer<DesignerDocument> m_pDocument;
    QVector<ShapeRef> m_targets;
    QAction* m_pCut;
    QAction* m_pCopy;
    QAction* m_pPaste;
    QAction* m_pDelete;
    QAction* m_pSelectAll;
    QAction* m_pAddKeyframe;
};

#endif
