// SPDX-License-Identifier: MIT
#ifndef SHAPECOMMANDS_H
#define SHAPECOMMANDS_H

#include <QObject>

class DesignerDocument;
class ZenubScene;
class StageWidget;

/*!
    Cut, Copy, Paste, Duplicate, Delete and Select All on the shapes of a stage. Copies go to
    the system clipboard (see ShapeClipboard); every change is one undo step of the document.
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
    DesignerDocument* document() const;

    StageWidget* m_pStage;
    bool m_bClipboardHasShapes = false;
};

#endif
