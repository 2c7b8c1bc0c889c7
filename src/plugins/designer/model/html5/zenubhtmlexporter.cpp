// SPDX-License-Identifier: MIT
#include "zenubhtmlexporter.h"

#include "model/project/zenubproject.h"
#include "model/io/zenub/zenubprojectfile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
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
QByteArray scriptSafeJson(const ZenubProject& project)
{
    QByteArray json =
        QJsonDocument(ZenubProjectFile::toDocument(project)).toJson(QJsonDocument::Compact);
    json.replace('<', "\\u003c");
    json.replace('>', "\\u003e");
    json.replace('&', "\\u0026");
    return json;
}

} // namespace

QByteArray ZenubHtmlExporter::toHtml(const ZenubProject& project)
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
        {QStringLiteral("DATA"), QString::fromUtf8(scriptSafeJson(project))}};

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
                                    QString* errorString)
{
    const auto fail = [errorString](const QString& message) {
        if (errorString)
            *errorString = message;
        return false;
    };
    if (folder.isEmpty())
        return fail(tr("No folder was given for the exported animation."));
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (!QDir().mkpath(folder))
        return fail(tr("The folder %1 cannot be created.").arg(shownFolder));

    const QByteArray html = toHtml(project);
    if (html.isEmpty())
        return fail(tr("The animation player is missing from this installation."));

    const QString fileName = QDir(folder).filePath(indexFileName());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size() || !file.commit()) {
        return fail(tr("The file %1 cannot be written: %2")
                        .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    }
    return true;
}
