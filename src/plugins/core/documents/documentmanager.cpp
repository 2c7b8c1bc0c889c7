// SPDX-License-Identifier: MIT
#include "documentmanager.h"

#include "documentmanager_p.h"
#include "idocument.h"

#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QUndoGroup>
#include <QUndoStack>

#include <algorithm>
#include <climits>

namespace {

const int defaultBackupInterval = 300;

const char groupZenub[] = "Zenub";
const char keyAutoBackupEnable[] = "AutoBackup.Enable";
const char keyAutoBackupInterval[] = "AutoBackup.Interval";
const char keyPasteSvgAsFreeform[] = "Edit.PasteSvgAsFreeform";
const char groupBreakpoints[] = "Breakpoints";
const char arrayHorizontal[] = "Horizontal";
const char arrayVertical[] = "Vertical";
const char keyValue[] = "Value";
const char keyEnable[] = "Enable";

// QVariant::toBool() calls any non-empty text other than "false" and "0" true, so a damaged
// value would silently switch a preference on.
bool toStrictBool(const QVariant& value, bool* ok)
{
    *ok = true;
    switch (static_cast<QMetaType::Type>(value.type())) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong() != 0;
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        const QString text = value.toString().trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("false") || text == QLatin1String("0"))
            return false;
        break;
    }
    default:
        break;
    }
    *ok = false;
    return false;
}

bool toStrictInt(const QVariant& value, int* result)
{
    if (value.type() == QVariant::List || value.type() == QVariant::StringList)
        return false;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok)
        *result = number;
    return ok;
}

DocumentManager::Breakpoints readBreakpointArray(QSettings* settings, const QString& name)
{
    DocumentManager::Breakpoints result;
    const int size = settings->beginReadArray(name);
    // Walk the elements that exist rather than trusting the size: a damaged size must not
    // make us append millions of empty entries.
    QList<int> numbers;
    const QStringList groups = settings->childGroups();
    for (const QString& group : groups) {
        bool ok = false;
        const int number = group.toInt(&ok);
        if (ok && number >= 1 && number <= size && group == QString::number(number))
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    for (int number : qAsConst(numbers)) {
        settings->setArrayIndex(number - 1);
        int value = 0;
        bool enableOk = false;
        const bool enabled = toStrictBool(settings->value(QLatin1String(keyEnable)), &enableOk);
        if (toStrictInt(settings->value(QLatin1String(keyValue)), &value) && enableOk)
            result.append(qMakePair(value, enabled));
    }
    settings->endArray();
    return result;
}

void writeBreakpointArray(QSettings* settings, const QString& name,
                          const DocumentManager::Breakpoints& breakpoints)
{
    settings->beginWriteArray(name);
    for (int i = 0; i < breakpoints.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(QLatin1String(keyValue), breakpoints.at(i).first);
        settings->setValue(QLatin1String(keyEnable), breakpoints.at(i).second);
    }
    settings->endArray();
}

} // namespace

DocumentManagerPrivate::DocumentManagerPrivate()
    : m_pUndoGroup(new QUndoGroup)
{}

DocumentManagerPrivate::~DocumentManagerPrivate()
{
    delete m_pUndoGroup;
}

QTimer* DocumentManagerPrivate::timerOf(IDocument* document) const
{
    for (auto it = m_backupTimers.cbegin(); it != m_backupTimers.cend(); ++it) {
        if (it.value() == document)
            return it.key();
    }
    return nullptr;
}

DocumentManager* DocumentManager::m_instance = nullptr;
DocumentManagerPrivate* DocumentManager::d = nullptr;

DocumentManager::DocumentManager()
{
    m_instance = this;
    d = new DocumentManagerPrivate;
}

DocumentManager::~DocumentManager()
{
    delete d;
    d = nullptr;
    m_instance = nullptr;
}

DocumentManager* DocumentManager::getInstance()
{
    return m_instance;
}

void DocumentManager::setSettings(QSettings* settings)
{
    if (d)
        d->m_pSettings = settings;
}

void DocumentManager::readSettings()
{
    if (!d || !d->m_pSettings)
        return;
    QSettings* settings = d->m_pSettings;

    settings->beginGroup(QLatin1String(groupZenub));
    bool ok = false;
    if (settings->contains(QLatin1String(keyAutoBackupEnable))) {
        const bool enabled = toStrictBool(settings->value(QLatin1String(keyAutoBackupEnable)), &ok);
        if (ok)
            d->m_bAutoBackupEnabled = enabled;
    }
    if (settings->contains(QLatin1String(keyAutoBackupInterval)))
        toStrictInt(settings->value(QLatin1String(keyAutoBackupInterval)), &d->m_nBackupInterval);
    if (settings->contains(QLatin1String(keyPasteSvgAsFreeform))) {
        const bool paste = toStrictBool(settings->value(QLatin1String(keyPasteSvgAsFreeform)), &ok);
        if (ok)
            d->m_bPasteSvgAsFreeform = paste;
    }
    settings->endGroup();

    settings->beginGroup(QLatin1String(groupBreakpoints));
    d->m_hBreakpoints += readBreakpointArray(settings, QLatin1String(arrayHorizontal));
    d->m_vBreakpoints += readBreakpointArray(settings, QLatin1String(arrayVertical));
    settings->endGroup();
}

void DocumentManager::saveSettings()
{
    if (!d || !d->m_pSettings)
        return;
    QSettings* settings = d->m_pSettings;

    settings->beginGroup(QLatin1String(groupZenub));
    settings->setValue(QLatin1String(keyAutoBackupEnable), d->m_bAutoBackupEnabled);
    settings->setValue(QLatin1String(keyAutoBackupInterval), d->m_nBackupInterval);
    settings->setValue(QLatin1String(keyPasteSvgAsFreeform), d->m_bPasteSvgAsFreeform);
    settings->endGroup();

    settings->beginGroup(QLatin1String(groupBreakpoints));
    // Emptied first so that a shorter list leaves no elements of a longer one behind.
    settings->remove(QString());
    writeBreakpointArray(settings, QLatin1String(arrayHorizontal), d->m_hBreakpoints);
    writeBreakpointArray(settings, QLatin1String(arrayVertical), d->m_vBreakpoints);
    settings->endGroup();
}

void DocumentManager::addDocument(IDocument* document)
{
    if (!d || !document || d->m_documents.contains(document))
        return;
    d->m_documents.append(document);
    if (QUndoStack* stack = document->getUndoStack())
        d->m_pUndoGroup->addStack(stack);

    auto* timer = new QTimer(m_instance);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, m_instance, &DocumentManager::onScheduleBackup);
    d->m_backupTimers.insert(timer, document);

    // A document deleted without removeDocument() must not leave a timer that backs up freed
    // memory.
    connect(document, &QObject::destroyed, m_instance, [document] { removeDocument(document); });
}

bool DocumentManager::removeDocument(IDocument* document)
{
    if (!document)
        return true;
    if (!d || !d->m_documents.contains(document))
        return false;

    d->m_documents.removeAll(document);
    disconnect(document, &QObject::destroyed, m_instance, nullptr);
    if (QUndoStack* stack = document->getUndoStack())
        d->m_pUndoGroup->removeStack(stack);

    QTimer* timer = d->timerOf(document);
    if (!timer)
        return false;
    d->m_backupTimers.remove(timer);
    disconnect(timer, &QTimer::timeout, m_instance, &DocumentManager::onScheduleBackup);
    timer->stop();
    if (timer == d->m_pFiringTimer)
        timer->deleteLater();
    else
        delete timer;
    return true;
}

const QList<IDocument*>& DocumentManager::getDocuments()
{
    static const QList<IDocument*> none;
    return d ? d->m_documents : none;
}

QUndoGroup* DocumentManager::getUndoGroup()
{
    return d ? d->m_pUndoGroup : nullptr;
}

void DocumentManager::startWaitingBackup(IDocument* document)
{
    if (!d || !document)
        return;
    QTimer* timer = d->timerOf(document);
    if (!timer)
        return;
    if (timer->isActive())
        timer->stop();
    timer->start(backupWaitMsecs(d->m_nBackupInterval));
}

void DocumentManager::stopWaitingBackup(IDocument* document)
{
    if (!d || !document)
        return;
    QTimer* timer = d->timerOf(document);
    if (timer && timer->isActive())
        timer->stop();
}

void DocumentManager::onScheduleBackup()
{
    QPointer<QTimer> timer = qobject_cast<QTimer*>(sender());
    if (!timer || !d)
        return;
    if (IDocument* document = d->m_backupTimers.value(timer)) {
        QTimer* outerTimer = d->m_pFiringTimer;
        d->m_pFiringTimer = timer;
        document->saveBackup();
        if (d)
            d->m_pFiringTimer = outerTimer;
    }
    // A backup may open a dialog; the document can be closed, and the manager deleted,
    // meanwhile.
    if (timer && d && d->m_backupTimers.contains(timer))
        timer->start(backupWaitMsecs(d->m_nBackupInterval));
}

bool DocumentManager::isAutobackupEnabled()
{
    return d ? d->m_bAutoBackupEnabled : true;
}

void DocumentManager::setAutoBackupEnabled(bool bEnabled)
{
    if (d)
        d->m_bAutoBackupEnabled = bEnabled;
}

int DocumentManager::getAutobackupTimeout()
{
    return d ? d->m_nBackupInterval : defaultBackupInterval;
}

void DocumentManager::setAutobackupTimeout(int nSeconds)
{
    if (d)
        d->m_nBackupInterval = nSeconds;
}

bool DocumentManager::isPasteSvgAsFreeform()
{
    return d ? d->m_bPasteSvgAsFreeform : true;
}

void DocumentManager::setPasteSvgAsFreeform(bool bPasteSvgAsFreeform)
{
    if (d)
        d->m_bPasteSvgAsFreeform = bPasteSvgAsFreeform;
}

DocumentManager::Breakpoints DocumentManager::getHBreakpoints()
{
    return d ? d->m_hBreakpoints : Breakpoints();
}

DocumentManager::Breakpoints DocumentManager::getVBreakpoints()
{
    return d ? d->m_vBreakpoints : Breakpoints();
}

void DocumentManager::setHBreakpoints(const Breakpoints& breakpoints)
{
    if (d)
        d->m_hBreakpoints = breakpoints;
}

void DocumentManager::setVBreakpoints(const Breakpoints& breakpoints)
{
    if (d)
        d->m_vBreakpoints = breakpoints;
}

void DocumentManager::initBreakpoints(Breakpoints& horizontal, Breakpoints& vertical, bool reset)
{
    const Breakpoints storedH = getHBreakpoints();
    const Breakpoints storedV = getVBreakpoints();
    if (!reset && (!storedH.isEmpty() || !storedV.isEmpty())) {
        horizontal = storedH;
        vertical = storedV;
        return;
    }
    if (reset) {
        horizontal.clear();
        vertical.clear();
    }
    for (int position : {375, 667, 768, 1024, 1280})
        horizontal.append(qMakePair(position, true));
    for (int position : {345, 522, 620, 674, 930})
        vertical.append(qMakePair(position, false));
}

int DocumentManager::backupWaitMsecs(int nSeconds)
{
    const int seconds = nSeconds > 0 ? nSeconds : defaultBackupInterval;
    if (seconds > INT_MAX / 1000)
        return INT_MAX;
    return seconds * 1000;
}
