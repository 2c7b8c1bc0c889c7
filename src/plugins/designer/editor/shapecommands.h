// SPDX-License-Identifier: MIT
#ifndef SHAPECOMMANDS_H
#define SHAPECOMMANDS_H

#include <QList>
#include <QObject>

class DesignerDocument;
class QAction;
class ZenubScene;
class StageWidget;

/*!
    Cut, Copy, Paste, Duplicate, Delete and Select All on the shapes of a stage. Copies go to
    the system clipboard (see ShapeClipboard); every change is one undo step of the document.
    Each has an action for the Edit menu's command of its name, enabled while it applies.
*/
class ShapeCommands : public QObject
{
    Q_OBJECT
public:
    ShapeCommands(StageWidget* stage, QObject* parent);

    bool hasSelection() const;
    bool canPaste() const;
    bool canSelectAll() const;
    /*!
        Where new shapes go in \a scene: the topmost layer that is shown and not locked (-1,
        the top layer, when there is none), so they never vanish into a hidden or locked one.
    */
    static int insertionLayer(const ZenubScene& scene);

    QAction* cutAction() const { return m_actions.at(0); }
    QAction* copyAction() const { return m_actions.at(1); }
    QAction* pasteAction() const { return m_actions.at(2); }
    QAction* duplicateAction() const { return m_actions.at(3); }
    QAction* deleteAction() const { return m_actions.at(4); }
    QAction* selectAllAction() const { return m_actions.at(5); }

public slots:
    void copy();
    void cut();
    void paste();
    void duplicate();
    void deleteSelection();
    void selectAll();

signals:
    /*! What the commands can act on may have changed. */
    void stateChanged();

private:
    /*! Duplicate inside the entered group, moved by \a step stage pixels. */
    void duplicateMembers(double step);
    DesignerDocument* document() const;
    void updateActions();

    StageWidget* m_pStage;
    bool m_bClipboardHasShapes = false;
    QList<QAction*> m_actions;
};

#endif
