// SPDX-License-Identifier: MIT
#include "framesexportjob.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

FramesExportJob::FramesExportJob(const ZenubProject& project, const QString& folder,
                                 const ExportSettings& settings)
    : m_pictures(project, opaque(settings))
    , m_folder(folder)
{}

ExportSettings FramesExportJob::opaque(ExportSettings settings)
{
    settings.bTransparent = false;
    return settings;
}

QString FramesExportJob::frameFileName(int index)
{
    return QStringLiteral("frame-%1.png").arg(index, 5, 10, QLatin1Char('0'));
}

qint64 FramesExportJob::totalFrames() const
{
    return m_pictures.frames().size();
}

bool FramesExportJob::run(const Progress& progress, const std::atomic_bool* cancelled)
{
    m_errorString.clear();
    m_bCancelled = false;
    if (m_pictures.frames().isEmpty()) {
        m_errorString = m_pictures.errorString();
        return false;
    }
    const QString target = QDir::toNativeSeparators(m_folder);
    if (!QDir().mkpath(m_folder)) {
        m_errorString = tr("The folder \"%1\" cannot be made.").arg(target);
        return false;
    }
    // In the target folder, so that the final moves are renames on one file system.
    QTemporaryDir work(QDir(m_folder).filePath(QStringLiteral(".frames-XXXXXX")));
    if (!work.isValid()) {
        m_errorString =
            tr("The folder \"%1\" cannot be written: %2").arg(target, work.errorString());
        return false;
    }
    const int count = m_pictures.frames().size();
    for (int index = 0; index < count; ++index) {
        if (cancelled && cancelled->load()) {
            m_bCancelled = true;
            return false;
        }
        const QString name = work.filePath(frameFileName(index));
        if (!m_pictures.picture(index, m_pictures.size()).save(name, "PNG")) {
            m_errorString = tr("The picture \"%1\" cannot be written in \"%2\".")
                                .arg(frameFileName(index), target);
            return false;
        }
        if (progress)
            progress(index + 1, count);
    }
    QDir folder(m_folder);
    for (int index = 0; index < count; ++index) {
        const QString name = frameFileName(index);
        folder.remove(name);
        if (!QFile::rename(work.filePath(name), folder.filePath(name))) {
            m_errorString = tr("The picture \"%1\" cannot be written in \"%2\".").arg(name, target);
            return false;
        }
    }
    return true;
}
