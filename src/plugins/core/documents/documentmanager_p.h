// SPDX-License-Identifier: MIT
#ifndef DOCUMENTMANAGER_P_H
#define DOCUMENTMANAGER_P_H

#include <QList>
#include <QMap>
#include <QPair>

class IDocument;
class QSettings;
class QTimer;
class QUndoGroup;

class DocumentManagerPrivate
{
public:
    DocumentManagerPrivate();
    ~DocumentManagerPrivate();

    QTimer* timerOf(IDocument* document) const;

    QList<IDocument*> m_documents;
    QUndoGroup* m_pUndoGroup = nullptr;
    bool m_bAutoBackupEnabled = true;
    int m_nBackupInterval = 300;
    bool m_bPasteSvgAsFreeform = true;
    QSettings* m_pSettings = nullptr;
    // Keyed by timer because the timeout handler only knows its sender.
    QMap<QTimer*, IDocument*> m_backupTimers;
    QList<QPair<int, bool>> m_hBreakpoints;
    QList<QPair<int, bool>> m_vBreakpoints;
    // The timer whose timeout is being handled; it must outlive its own signal.
    QTimer* m_pFiringTimer = nullptr;
};

#endif
