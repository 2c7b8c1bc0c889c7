// SPDX-License-Identifier: MIT
// The texts an update feed reaches the user with. Any bytes are read as a feed and each
// platform's entry is turned into what a message, the notification bar or the release notes'
// heading would show: each must be one clean line of bounded length, and the heading's only
// markup must be our own.
#include <updater/updatefeedentry.h>
#include <updater/updater.h>

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void expect(bool condition, const char* what, const QString& text)
{
    if (condition)
        return;
    fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text));
    abort();
}

// One line, nothing invisible or direction-changing, no lone half of a surrogate pair, at most
// \a maximum characters and the ellipsis that marks a cut.
void expectClean(const QString& text, int maximum)
{
    int characters = 0;
    for (int i = 0; i < text.size(); ++i) {
        uint code = text.at(i).unicode();
        if (text.at(i).isHighSurrogate()) {
            expect(i + 1 < text.size() && text.at(i + 1).isLowSurrogate(), "lone surrogate", text);
            code = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        } else {
            expect(!text.at(i).isLowSurrogate(), "lone surrogate", text);
        }
        const QChar::Category category = QChar::category(code);
        expect(category != QChar::Other_Control && category != QChar::Other_Format &&
                   category != QChar::Separator_Line && category != QChar::Separator_Paragraph,
               "control or format character", text);
        ++characters;
    }
    expect(characters <= maximum + 1, "too long", text);
    expect(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')) &&
               !text.contains(QLatin1String("  ")),
           "loose spaces", text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Never destroyed: the fuzzer leaves through exit(), after which Qt must not tear down.
    new QCoreApplication(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    // The raw bytes as a version string too: the JSON reader never hands over some of them.
    expectClean(UpdateFeedEntry::shownVersion(QString::fromUtf8(bytes)), 32);

    const QJsonDocument feed = QJsonDocument::fromJson(bytes);
    for (const char* platform : {"linux", "windows", "macos"}) {
        const UpdateFeedEntry entry = UpdateFeedEntry::fromFeed(feed, QLatin1String(platform));
        expectClean(UpdateFeedEntry::shownVersion(entry.latestVersion), 32);
        expectClean(UpdateFeedEntry::shownAddress(entry.downloadUrl), 120);
        const QString refusal = entry.refusal();
        expect(refusal.size() <= 600 && !refusal.contains(QLatin1Char('\n')), "refusal", refusal);

        // Rich text: the feed's characters arrive escaped, so the bold is the only element.
        const QString heading =
            Updater::releaseHeading(QStringLiteral("Zenub"), entry.latestVersion);
        expect(heading.startsWith(QLatin1String("<b>")) && heading.endsWith(QLatin1String("</b>")),
               "heading frame", heading);
        const QString inner = heading.mid(3, heading.size() - 7);
        expect(!inner.contains(QLatin1Char('<')) && !inner.contains(QLatin1Char('>')),
               "markup in the heading", heading);
    }
    return 0;
}
