// SPDX-License-Identifier: MIT
#include "zenubhtmlexporter.h"

#include "model/export/exportpictures.h"
#include "model/io/exporttarget.h"
#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

static void initPlayerResource()
{
    // The template lives in this static library; its resources must be registered by hand.
    Q_INIT_RESOURCE(designerplayer);
}

namespace {

QString cssColor(const QColor& color)
{
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alphaF(), 0, 'f', 3);
}

// JSON inside <script> must not be able to close the element or start a comment.
QByteArray scriptSafe(QByteArray json)
{
    json.replace('<', "\\u003c");
    json.replace('>', "\\u003e");
    json.replace('&', "\\u0026");
    return json;
}

QByteArray scriptSafeJson(const ZenubProject& project)
{
    return scriptSafe(
        QJsonDocument(ZenubProjectFile::toDocument(project)).toJson(QJsonDocument::Compact));
}

QString bannerJson(const BannerOptions& banner)
{
    QJsonObject object{{QStringLiteral("plays"), banner.plays},
                       {QStringLiteral("stopOnLastFrame"), banner.bStopOnLastFrame}};
    return QString::fromUtf8(scriptSafe(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

// The variable in the form ad servers look for and replace: a global named clickTag.
QString clickTagScript(const QString& url)
{
    if (url.isEmpty())
        return QString();
    const QByteArray value =
        scriptSafe(QJsonDocument(QJsonArray{url}).toJson(QJsonDocument::Compact));
    return QStringLiteral("<script>var clickTag = %1;</script>")
        .arg(QString::fromUtf8(value.mid(1, value.size() - 2)));
}

QString fallbackImage(const ZenubProject& project, const BannerOptions& banner)
{
    if (banner.fallbackFrame < 0)
        return QString();
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\">")
        .arg(BannerOptions::fallbackFileName())
        .arg(project.getStageWidth())
        .arg(project.getStageHeight())
        .arg(project.getName().toHtmlEscaped());
}

} // namespace

QByteArray ZenubHtmlExporter::toHtml(const ZenubProject& project, const BannerOptions& banner)
{
    initPlayerResource();
    QFile templateFile(QStringLiteral(":/designer/player/player.html"));
    if (!templateFile.open(QIODevice::ReadOnly))
        return QByteArray();
    const QString page = QString::fromUtf8(templateFile.readAll());

    QString title = project.getName();
    if (title.isEmpty())
        title = QStringLiteral("Zenub Animate");
    const QHash<QString, QString> values{
        {QStringLiteral("TITLE"), title.toHtmlEscaped()},
        {QStringLiteral("WIDTH"), QString::number(project.getStageWidth())},
        {QStringLiteral("HEIGHT"), QString::number(project.getStageHeight())},
        {QStringLiteral("BACKGROUND"), cssColor(project.getBackgroundColor())},
        {QStringLiteral("DATA"), QString::fromUtf8(scriptSafeJson(project))},
        {QStringLiteral("BANNER"), bannerJson(banner)},
        {QStringLiteral("CLICKTAG"), clickTagScript(banner.clickUrl)},
        {QStringLiteral("FALLBACK"), fallbackImage(project, banner)},
        {QStringLiteral("NOSCRIPT"), banner.fallbackFrame >= 0
                                         ? fallbackImage(project, banner)
                                         : QStringLiteral("This animation needs JavaScript.")}};

    // One pass, so that a value holding a placeholder's name is never substituted again.
    static const QRegularExpression placeholder(QStringLiteral("@([A-Z]+)@"));
    QString html;
    int copied = 0;
    QRegularExpressionMatchIterator it = placeholder.globalMatch(page);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const auto value = values.constFind(match.captured(1));
        if (value == values.constEnd())
            continue;
        html += page.midRef(copied, match.capturedStart() - copied);
        html += *value;
        copied = match.capturedEnd();
    }
    html += page.midRef(copied);
    return html.toUtf8();
}

bool ZenubHtmlExporter::exportHtml5(const ZenubProject& project, const QString& folder,
                                    QString* errorString, const BannerOptions& banner,
                                    qint64* totalBytes, const QStringList& inputs)
{
    const auto fail = [errorString](const QString& message) {
        if (errorString)
            *errorString = message;
        return false;
    };
    if (folder.isEmpty())
        return fail(tr("No folder was given for the exported animation."));
    const QString bannerError = banner.check();
    if (!bannerError.isEmpty())
        return fail(bannerError);
    // The fallback frame first: a wrong frame leaves the folder as it was.
    QByteArray fallback;
    if (banner.fallbackFrame >= 0) {
        ExportSettings settings;
        settings.firstFrame = settings.lastFrame = banner.fallbackFrame;
        const ExportPictures pictures(project, settings);
        if (pictures.frames().isEmpty())
            return fail(tr("The fallback picture: %1").arg(pictures.errorString()));
        QBuffer buffer(&fallback);
        buffer.open(QIODevice::WriteOnly);
        pictures.picture(0, pictures.size()).save(&buffer, "PNG");
    }
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (!QDir().mkpath(folder))
        return fail(tr("The folder %1 cannot be created.").arg(shownFolder));

    const QByteArray html = toHtml(project, banner);
    if (html.isEmpty())
        return fail(tr("The animation player is missing from this installation."));

    // Refused before anything is written: a page linked to the project would replace it.
    for (const QString& name : {indexFileName(), BannerOptions::fallbackFileName()}) {
        const QString refusal = ExportTarget::refusal(QDir(folder).filePath(name), inputs);
        if (!refusal.isEmpty())
            return fail(refusal);
    }
    const auto write = [&folder, &fail](const QString& name, const QByteArray& content) {
        const QString fileName = QDir(folder).filePath(name);
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
            !file.commit())
            return fail(tr("The file %1 cannot be written: %2")
                            .arg(QDir::toNativeSeparators(fileName), file.errorString()));
        return true;
    };
    if (!fallback.isEmpty() && !write(BannerOptions::fallbackFileName(), fallback))
        return false;
    if (!write(indexFileName(), html))
        return false;
    if (totalBytes)
        *totalBytes = html.size() + fallback.size();
    return true;
}
