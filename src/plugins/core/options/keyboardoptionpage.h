// SPDX-License-Identifier: MIT
#ifndef KEYBOARDOPTIONPAGE_H
#define KEYBOARDOPTIONPAGE_H

#include "actions/commandscopes.h"
#include "ioptionpage.h"

#include <QKeySequence>
#include <QMap>

class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

/*!
    The keyboard shortcuts of every configurable command, listed with their menu paths. The page
    edits a copy; saveChanges() gives the commands their new shortcuts and stores them with
    ActionManager::saveSettings(). A shortcut that clashes with that of another command active
    at the same time is shown at once and cannot be applied until one of the two changes; two
    commands that are never active together may share a key. The keys can be written to a
    shortcut scheme file and read back from one (ShortcutScheme).
*/
class CORE_EXPORT KeyboardOptionPage : public IOptionPage
{
    Q_OBJECT
public:
    explicit KeyboardOptionPage(QWidget* parent);

    /*! A command whose action carries this property set to true is not listed. */
    static constexpr const char* fixedShortcutProperty = "zenubFixedShortcut";

    void initValues() override;
    void saveChanges() override;
    void discardChanges() override;

    /*! True when pressing \a a could also be the start of \a b, or the other way round. */
    static bool clashes(const QKeySequence& a, const QKeySequence& b);
    /*! A message naming the first clash among the edited shortcuts; empty when there is none. */
    QString conflictText() const;

    /*! Writes the keys as edited on the page to the scheme file \a fileName. */
    bool exportScheme(const QString& fileName, QString* errorString) const;
    /*!
        Takes the keys of the scheme file \a fileName into the page, to be applied with the
        others; ids of commands not known here are skipped. Tells the user what was read, what
        was skipped and whether keys now clash.
    */
    void importScheme(const QString& fileName);

private:
    void fillTree();
    void applyFilter(const QString& text);
    void onCurrentItemChanged();
    void onSequenceEdited(const QKeySequence& sequence);
    void setPending(const QString& id, const QKeySequence& sequence);
    void resetCurrent();
    void resetAll();
    void clearCurrent();
    void reassign();
    void chooseExportFile();
    void chooseImportFile();
    void updateRow(const QString& id);
    void refreshMarks();
    QString currentId() const;
    QStringList clashingIds(const QString& id) const;
    /*! The keys command \a id would have: the edited one, and its further ones while it stays. */
    QList<QKeySequence> keysOf(const QString& id) const;

    QLineEdit* m_pFilter = nullptr;
    QTreeWidget* m_pTree = nullptr;
    QKeySequenceEdit* m_pEditor = nullptr;
    QPushButton* m_pClear = nullptr;
    QPushButton* m_pReset = nullptr;
    QLabel* m_pConflict = nullptr;
    QPushButton* m_pReassign = nullptr;
    QMap<QString, QKeySequence> m_pending;
    QMap<QString, QString> m_paths;
    QMap<QString, QList<QKeySequence>> m_furtherKeys;
    CommandScopes m_scopes;
    bool m_bFilling = false;
};

#endif
