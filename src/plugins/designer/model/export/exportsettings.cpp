// SPDX-License-Identifier: MIT
#include "exportsettings.h"

#include "model/project/zenubproject.h"

#include <QRegularExpression>

#include <cmath>

QVector<ExportFrame> ExportSettings::frames(const ZenubProject& project, QString* error) const
{
    QVector<ExportFrame> all;
    const QVector<ZenubScene>& scenes = project.getScenes();
    bool bFound = sceneName.isEmpty();
    for (int scene = 0; scene < scenes.size(); ++scene) {
        if (!sceneName.isEmpty()) {
            if (scenes.at(scene).getName() != sceneName || bFound)
                continue;
            bFound = true;
        }
        for (int frame = 0; frame < scenes.at(scene).getDuration(); ++frame)
            all.append({scene, frame});
    }
    if (!bFound) {
        *error = tr("The project has no scene named \"%1\".").arg(sceneName);
        return {};
    }
    if (scalePercent < kMinScale || scalePercent > kMaxScale) {
        *error = tr("The scale must be from %1 to %2 %.").arg(kMinScale).arg(kMaxScale);
        return {};
    }
    if (all.isEmpty()) {
        *error = tr("There is nothing to export: the scene has no frames.");
        return {};
    }
    const int last = lastFrame < 0 ? all.size() - 1 : lastFrame;
    if (firstFrame < 0 || firstFrame > last || last >= all.size()) {
        *error = tr("The frames %1 to %2 are not among the %3 frames to export (0 to %4).")
                     .arg(firstFrame)
                     .arg(last)
                     .arg(all.size())
                     .arg(all.size() - 1);
        return {};
    }
    return all.mid(firstFrame, last - firstFrame + 1);
}

QSize ExportSettings::outputSize(const ZenubProject& project) const
{
    const auto side = [this](int stage) {
        return std::max(1, int(std::lround(stage * scalePercent / 100.0)));
    };
    return QSize(side(project.getStageWidth()), side(project.getStageHeight()));
}

QVariantMap ExportSettings::toMap() const
{
    QVariantMap map;
    map.insert(QStringLiteral("scene"), sceneName);
    map.insert(QStringLiteral("scale"), scalePercent);
    map.insert(QStringLiteral("quality"), quality);
    map.insert(QStringLiteral("frames"),
               lastFrame < 0 ? QStringLiteral("%1-").arg(firstFrame)
                             : QStringLiteral("%1-%2").arg(firstFrame).arg(lastFrame));
    map.insert(QStringLiteral("plays"), plays);
    map.insert(QStringLiteral("transparent"), bTransparent);
    return map;
}

bool ExportSettings::fromMap(const QVariantMap& map, ExportSettings* settings, QString* error)
{
    ExportSettings result;
    const auto number = [&map, error](const char* key, int low, int high, int* value) {
        const QString name = QLatin1String(key);
        if (!map.contains(name))
            return true;
        bool bOk = false;
        const int read = map.value(name).toString().trimmed().toInt(&bOk);
        if (!bOk || read < low || read > high) {
            *error = tr("The %1 must be a whole number from %2 to %3, not \"%4\".")
                         .arg(name)
                         .arg(low)
                         .arg(high)
                         .arg(map.value(name).toString());
            return false;
        }
        *value = read;
        return true;
    };
    if (!number("scale", kMinScale, kMaxScale, &result.scalePercent) ||
        !number("quality", 1, 100, &result.quality) || !number("plays", 0, 65535, &result.plays))
        return false;
    result.sceneName = map.value(QStringLiteral("scene")).toString();
    result.bTransparent = map.value(QStringLiteral("transparent")).toBool();
    const QString range = map.value(QStringLiteral("frames")).toString().trimmed();
    if (!range.isEmpty()) {
        // "FIRST-LAST", "FIRST-" to the end, or one frame.
        static const QRegularExpression pattern(QStringLiteral("^(\\d+)(?:(-)(\\d*))?$"));
        const QRegularExpressionMatch match = pattern.match(range);
        if (!match.hasMatch()) {
            *error = tr("The frames must be given as FIRST-LAST, FIRST- or one number, not "
                        "\"%1\".")
                         .arg(range);
            return false;
        }
        result.firstFrame = match.captured(1).toInt();
        result.lastFrame = match.captured(2).isEmpty()   ? result.firstFrame
                           : match.captured(3).isEmpty() ? -1
                                                         : match.captured(3).toInt();
    }
    *settings = result;
    return true;
}
