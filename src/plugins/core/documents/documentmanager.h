// SPDX-License-Identifier: MIT
#ifndef DOCUMENTMANAGER_H
#define DOCUMENTMANAGER_H

#include "core_export.h"

#include <QList>
#include <QObject>
#include <QPair>

class DocumentManagerPrivate;
class IDocument;
class MainWindow;
class QSettings;
class QUndoGroup;

/*!
    The registry of open documents. It keeps the undo group every document's undo stack joins,
    one automatic-backup timer per document and the document preferences: automatic backup, its
    interval in seconds, pasting SVG as freeform shapes and the horizontal and vertical
    breakpoints. The main window creates the single instance and deletes it; the static
    functions work on it.

    The preferences reach the settings only through saveSettings(), which the plugin editing
    them calls.
*/
class CORE_EXPORT DocumentManager : public QObject
{
    Q_OBJECT
public:
    using Breakpoints = QList<QPair<int, bool>>;

    static DocumentManager* getInstance();

    /*! The settings read and written by readSettings() and saveSettings(); not owned. */
    static void setSettings(QSettings* settings);
    /*!
        Reads the preferences below "Zenub" and appends the "Breakpoints" arrays to the stored
        lists. Missing keys and values of the wrong type keep the current values.
    */
    static void readSettings();
    static void saveSettings();

    /*! Registers the document, joins its undo stack to the group and gives it an idle timer. */
    static void addDocument(IDocument* document);
    /*! True for null and for a registered document; false for one that is not registered. */
    static bool removeDocument(IDocument* document);
    static const QList<IDocument*>& getDocuments();
    static QUndoGroup* getUndoGroup();

    /*! (Re)starts the document's backup timer with the current interval. */
    static void startWaitingBackup(IDocument* document);
    static void stopWaitingBackup(IDocument* document);

    static bool isAutobackupEnabled();
    /*! Stores the flag only; running timers go on until stopWaitingBackup(). */
    static void setAutoBackupEnabled(bool bEnabled);
    static int getAutobackupTimeout();
    /*! Stores the interval in seconds; a running wait keeps its length until it restarts. */
    static void setAutobackupTimeout(int nSeconds);
    static bool isPasteSvgAsFreeform();
    static void setPasteSvgAsFreeform(bool bPasteSvgAsFreeform);

    static Breakpoints getHBreakpoints();
    static Breakpoints getVBreakpoints();
    static void setHBreakpoints(const Breakpoints& breakpoints);
    static void setVBreakpoints(const Breakpoints& breakpoints);
    /*!
        Gives copies of the stored lists when \a reset is false and either is not empty;
        otherwise appends the default breakpoints (after emptying both lists when \a reset is
        true). The stored lists are not changed.
    */
    static void initBreakpoints(Breakpoints& horizontal, Breakpoints& vertical, bool reset);

    /*!
        The wait of a backup timer for an interval of \a nSeconds. A stored interval of zero or
        below would make the timer fire back-to-back, so it gets the default of 300 seconds;
        intervals beyond what a timer can wait are capped.
    */
    static int backupWaitMsecs(int nSeconds);

private slots:
    void onScheduleBackup();

private:
    friend class MainWindow;
    DocumentManager();
    ~DocumentManager() override;

    static DocumentManager* m_instance;
    static DocumentManagerPrivate* d;
};

#endif
