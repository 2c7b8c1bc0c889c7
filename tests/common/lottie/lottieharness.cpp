// SPDX-License-Identifier: MIT
#include "lottieharness.h"

#include <model/project/zenubproject.h>
#include <model/render/framerenderer.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

bool LottieHarness::run(QVector<Job>& jobs, const QString& folder, QString* error)
{
    QJsonArray list;
    for (int j = 0; j < jobs.size(); ++j) {
        Job& job = jobs[j];
        QJsonArray frames;
        for (Frame& frame : job.frames) {
            const QString stem =
                QDir(folder).filePath(QStringLiteral("%1-%2").arg(job.name).arg(frame.frame));
            frame.drawn = stem + QStringLiteral("-lottie-web.png");
            QJsonObject entry{{"frame", frame.frame}, {"output", frame.drawn}};
            if (!frame.reference.isNull()) {
                const QString ours = stem + QStringLiteral("-ours.png");
                frame.reference.save(ours);
                entry.insert("reference", ours);
            }
            frames.append(entry);
        }
        list.append(
            QJsonObject{{"lottie", job.lottie}, {"validate", job.validate}, {"frames", frames}});
    }
    const QString jobsFile = QDir(folder).filePath("jobs.json");
    const QString resultFile = QDir(folder).filePath("result.json");
    QFile file(jobsFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(list).toJson()) < 0) {
        *error = "cannot write " + jobsFile;
        return false;
    }
    file.close();
    QProcess harness;
    harness.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString build = qEnvironmentVariable("ZENUB_BUILD_DIR", QStringLiteral(ZENUB_BUILD_DIR));
    harness.start(QStringLiteral(LOTTIE_HARNESS_DIR "/run-harness.sh"),
                  {build + "/node", jobsFile, resultFile});
    if (!harness.waitForFinished(600000) || harness.exitStatus() != QProcess::NormalExit ||
        harness.exitCode() != 0) {
        *error = QStringLiteral("the harness failed (exit code %1): %2")
                     .arg(harness.exitCode())
                     .arg(QString::fromLocal8Bit(harness.readAllStandardOutput()));
        return false;
    }
    QFile results(resultFile);
    if (!results.open(QIODevice::ReadOnly)) {
        *error = "no results in " + resultFile;
        return false;
    }
    const QJsonArray answers = QJsonDocument::fromJson(results.readAll()).array();
    if (answers.size() != jobs.size()) {
        *error = "the harness answered for another number of jobs";
        return false;
    }
    for (int j = 0; j < jobs.size(); ++j) {
        const QJsonObject answer = answers.at(j).toObject();
        for (const QJsonValue& text : answer.value("errors").toArray())
            jobs[j].errors << text.toString();
        for (const QJsonValue& text : answer.value("playerErrors").toArray())
            jobs[j].errors << QStringLiteral("lottie-web: ") + text.toString();
        for (const QJsonValue& text : answer.value("warnings").toArray())
            jobs[j].warnings << text.toString();
        const QJsonArray frames = answer.value("frames").toArray();
        for (int f = 0; f < frames.size() && f < jobs[j].frames.size(); ++f)
            jobs[j].frames[f].differing = frames.at(f).toObject().value("differing").toDouble(-1);
    }
    return true;
}

QImage LottieHarness::editorFrame(const ZenubProject& project, int frame, int scene)
{
    const QVector<ZenubScene>& scenes = project.getScenes();
    int index = scene;
    int local = frame;
    if (scene < 0) {
        for (index = 0; index + 1 < scenes.size() && local >= scenes.at(index).getDuration();
             ++index)
            local -= scenes.at(index).getDuration();
    }
    return FrameRenderer(project)
        .render(index, local, QSize(project.getStageWidth(), project.getStageHeight()))
        .convertToFormat(QImage::Format_ARGB32);
}
