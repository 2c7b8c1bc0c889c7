// SPDX-License-Identifier: MIT
#ifndef STAGETEXTEDITOR_H
#define STAGETEXTEDITOR_H

#include "model/edits/shaperef.h"

#include <QTextEdit>

class StageWidget;
class ZenubProject;

/*!
    Edits the words of a text shape where it stands on the stage: a text box laid over the
    shape in its font at the view's zoom, while the stage leaves the shape's own words out.
    Enter starts a new line; Escape or a click elsewhere ends the editing, and the changed
    words become one undo step. A text left without words is deleted.
*/
class StageTextEditor : public QTextEdit
{
    Q_OBJECT
public:
    explicit StageTextEditor(StageWidget* stage);

    /*! Starts editing text shape \a ref; \a bSelectAll selects all its words. */
    bool begin(const ShapeRef& ref, bool bSelectAll);
    bool isEditing() const { return m_ref.isValid(); }
    ShapeRef editedShape() const { return m_ref; }
    /*! \a project with the edited shape's words left out, as the stage draws it meanwhile. */
    void hideEdited(ZenubProject& project) const;

public slots:
    /*! Ends the editing. */
    void finish();
    /*! Follows the view's zoom and panning. */
    void place();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void centreVertically();

    StageWidget* m_pStage;
    ShapeRef m_ref;
    QString m_original;
    bool m_bFinishing = false;
};

#endif
