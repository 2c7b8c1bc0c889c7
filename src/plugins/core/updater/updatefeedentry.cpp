// SPDX-License-Identifier: MIT
#include "updatefeedentry.h"

#include "updatetransfer.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

UpdateFeedEntry UpdateFeedEntry::fromFeed(const QJsonDocument& feed, const QString& platform)
{
    const QJsonObject entry =
        feed.object().value(QLatin1String("updates")).toObject().value(platform).toObject();
    UpdateFeedEntry result;
    result.openUrl = entry.value(QLatin1String("open-url")).toString();
    result.changelog = entry.value(QLatin1String("changelog")).toString();
    result.downloadUrl = entry.value(QLatin1String("download-url")).toString();
    result.latestVersion = entry.value(QLatin1String("latest-version")).toString();
    result.sha256 = entry.value(QLatin1String("sha256")).toString();
    return result;
}

QString UpdateFeedEntry::refusal() const
{
    const QString version = shownVersion(latestVersion);
    if (!openUrl.isEmpty()) {
        // The browser shows the page and its address; it may be plain http.
        if (UpdateTransfer::isWebAddress(QUrl(openUrl)))
            return QString();
        return tr("The update to version %1 was refused: its page address \"%2\" is not an "
                  "http or https address.")
            .arg(version, shownAddress(openUrl));
    }
    if (downloadUrl.isEmpty())
        return tr("The update to version %1 was refused: the update information names neither "
                  "a page nor a download.")
            .arg(version);
    if (!UpdateTransfer::isSecureAddress(QUrl(downloadUrl)))
        return tr("The update to version %1 was refused: its download address \"%2\" is not a "
                  "secure (https) address.")
            .arg(version, shownAddress(downloadUrl));
    if (!isSha256(sha256.trimmed()))
        return tr("The update to version %1 was refused: the update information gives no "
                  "checksum (sha256) for its download, so the file could not be checked.")
            .arg(version);
    return QString();
}

bool UpdateFeedEntry::isSha256(const QString& digest)
{
    if (digest.size() != 64)
        return false;
    for (const QChar c : digest) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    return true;
}

QString UpdateFeedEntry::shownText(const QString& text, int maximum)
{
    QString shown;
    int characters = 0;
    bool bCut = false;
    for (int i = 0; i < text.size(); ++i) {
        uint code = text.at(i).unicode();
        int units = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            units = 2;
        } else if (text.at(i).isSurrogate()) {
            code = QChar::ReplacementCharacter;
        }
        switch (QChar::category(code)) {
        case QChar::Other_Format:
            // Direction overrides and invisible joiners would let the text pose as another.
            i += units - 1;
            continue;
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            code = ' ';
            break;
        default:
            break;
        }
        if (code == ' ' && (shown.isEmpty() || shown.endsWith(QLatin1Char(' ')))) {
            i += units - 1;
            continue;
        }
        if (characters == maximum) {
            bCut = true;
            break;
        }
        if (QChar::requiresSurrogates(code)) {
            shown += QChar(QChar::highSurrogate(code));
            shown += QChar(QChar::lowSurrogate(code));
        } else {
            shown += QChar(code);
        }
        ++characters;
        i += units - 1;
    }
    while (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    if (bCut)
        shown += QChar(0x2026);
    return shown;
}
