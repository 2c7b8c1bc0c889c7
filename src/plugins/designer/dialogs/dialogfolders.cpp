// SPDX-License-Identifier: MIT
#include "dialogfolders.h"

#include <documents/editormanager.h>
#include <documents/idocument.h>
#include <documents/ieditor.h>
#include <extensionsystem/pluginmanager.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

// "Designer/LastFolder" is also where New Project keeps the folder it last created in.
const char* const kAnyKey = "Designer/LastFolder";

QString keyOf(DialogFolders::Kind kind)
{
    switch (kind) {
    case DialogFolders::Projects:
        return QStringLiteral("Designer/LastProjectFolder");
    case DialogFolders::Pictures:
        return QStringLiteral("Designer/LastPictureFolder");
    case DialogFolders::Exports:
        return QStringLiteral("Designer/LastExportFolder");
    }
    return QString();
}

QString stored(const QString& key)
{
    const QSettings* settings = ExtensionSystem::PluginManager::settings();
    return settings ? settings->value(key).toString() : QString();
}

} // namespace

QString DialogFolders::start(Kind kind, const QString& projectFile)
{
    const QString project =
        projectFile.isEmpty() ? QString() : QFileInfo(projectFile).absolutePath();
    const QString last = stored(keyOf(kind));
    const QString any = stored(QLatin1String(kAnyKey));
    return kind == Pictures ? firstFolder({last, project, any}) : firstFolder({project, last, any});
}

void DialogFolders::remember(Kind kind, const QString& path)
{
    QSettings* settings = ExtensionSystem::PluginManager::settings();
    if (!settings || path.isEmpty())
        return;
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    settings->setValue(keyOf(kind), folder);
    settings->setValue(QLatin1String(kAnyKey), folder);
}

QString DialogFolders::firstFolder(const QStringList& candidates)
{
    for (const QString& candidate : candidates)
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir())
            return candidate;
    return QDir::homePath();
}

QString DialogFolders::currentProjectFile()
{
    const IEditor* editor = EditorManager::activeEditor();
    const IDocument* document = editor ? editor->getDocument() : nullptr;
    return document ? document->getFileName() : QString();
}
