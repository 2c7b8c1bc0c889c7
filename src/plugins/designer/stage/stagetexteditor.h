// SPDX-License-Identifier: MIT
#ifndef STAGETEXTEDITOR_H
#define STAGETEXTEDITOR_H

#include "model/edits/shaperef.h"
#include "model/project/zenubtext.h"

#include <QTextEdit>

class StageWidget;
class ZenubProject;
class ZenubShape;

/*!
    Edits the words of a text shape where it stands on the stage: a text box laid over the
    shape in its fonts at the view's zoom, while the stage leaves the shape's own words out.
    Enter starts a new line; bold, italic and underline apply to the selected words; Escape or
    a click elsewhere ends the editing, and the changed words become one undo step. A text left
    without words is deleted; a growing text's box fits its lines.
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
    /*! The words as typed so far, in \a shape's own text settings. */
    ZenubText typedText(const ZenubShape& shape) const;
    /*! Turns bold, italic or underline on or off for the selected words (all when none are). */
    void toggleStyle(int style);

    /*! The runs of \a document: one per stretch of one style, paragraphs split at "\n". */
    static QVector<ZenubTextRun> runsOf(const QTextDocument* document);

public slots:
    /*! Ends the editing. */
    void finish();
    /*! Follows the view's zoom and panning, and the words as they are typed. */
    void place();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fill(const ZenubText& text);
    /*! Where \a shape's box is with the words \a text: a growing one fits its lines. */
    QRectF boxFor(const ZenubShape& shape, const ZenubText& text) const;
    void centreVertically();

    StageWidget* m_pStage;
    ShapeRef m_ref;
    ZenubText m_original;
    bool m_bFinishing = false;
};

#endif
