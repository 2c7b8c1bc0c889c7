// SPDX-License-Identifier: MIT
#ifndef TEXTCOMMANDS_H
#define TEXTCOMMANDS_H

#include <QList>
#include <QObject>
#include <QPair>

class QAction;
class StageWidget;
class ZenubText;

/*!
    Object > Text: bold, italic and underline for the words picked while a text is edited in
    place, or for all the words of the selected texts; the alignment of the selected texts'
    lines. Each change of the selected texts is one undo step.
*/
class TextCommands : public QObject
{
    Q_OBJECT
public:
    TextCommands(StageWidget* stage, QObject* parent);

    /*! Each action with the id of its command, in the menu's order. */
    QList<QPair<QAction*, QString>> commandActions() const { return m_commands; }
    /*! Bold, italic, underline, then the three alignments. */
    QList<QAction*> actions() const;

    /*! Whether every run of \a text has \a style (QTextFormat's FontWeight, FontItalic, ...). */
    static bool hasStyle(const ZenubText& text, int style);
    /*! \a text with \a style on or off in every run. */
    static ZenubText withStyle(ZenubText text, int style, bool bOn);

private:
    QAction* addCommand(const QString& id, const QString& tip);
    void toggleStyle(int style, const QString& undoText);
    void align(int alignment);
    void updateActions();

    StageWidget* m_pStage;
    QList<QPair<QAction*, QString>> m_commands;
    QList<QPair<QAction*, int>> m_styles;
    QList<QAction*> m_aligns;
};

#endif
