// SPDX-License-Identifier: MIT
#include "iconset.h"

#include "iconpainter.h"
#include "toolicons.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

namespace {

const QString CoreDir = "src/plugins/core/resources";
const QString DesignerDir = "src/plugins/designer/resources";
const QString AppDir = "src/app/resources";
const QString DesktopDir = "share/desktop/icons/hicolor";

bool writeFile(const QString& fileName, const QByteArray& data, QString* error)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = QString("cannot write %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

QByteArray pngData(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

bool hasVisiblePixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) > 0)
                return true;
    return false;
}

} // namespace

IconSet::IconSet()
{
    // Main window and dialogs of the core plugin.
    for (const QString& name :
         QStringList{"new", "open", "save", "save_all", "save_close", "preferences"}) {
        const QString base = "core/images/" + name;
        add(CoreDir, "core.qrc", base + "_16.png", name, 16);
        add(CoreDir, "core.qrc", base + "_16_2x.png", name, 32);
        add(CoreDir, "core.qrc", base + "_16_d.png", name, 16, true);
        add(CoreDir, "core.qrc", base + "_16_d_2x.png", name, 32, true);
    }
    const QList<QPair<QString, QString>> badges = {
        {"language", "language"}, {"info", "information"}, {"warning", "warning"}};
    for (const auto& badge : badges) {
        const QString base = "core/images/" + badge.first;
        add(CoreDir, "core.qrc", base + "_16.png", badge.second, 16);
        add(CoreDir, "core.qrc", base + "_16_2x.png", badge.second, 32);
        add(CoreDir, "core.qrc", base + "_16_3x.png", badge.second, 48);
    }
    add(CoreDir, "core.qrc", "core/images/close.png", "close", 16);
    add(CoreDir, "core.qrc", "core/images/close_16.png", "close", 16);
    add(CoreDir, "core.qrc", "core/images/close_16_2x.png", "close", 32);
    add(CoreDir, "core.qrc", "core/images/close_2x.png", "close", 32);
    for (const QString& name : QStringList{"minimize", "maximize", "restore"}) {
        const QString base = "core/images/" + name;
        add(CoreDir, "core.qrc", base + ".png", name, 16);
        add(CoreDir, "core.qrc", base + "_16.png", name, 16);
        add(CoreDir, "core.qrc", base + "_16_2x.png", name, 32);
        add(CoreDir, "core.qrc", base + "_2x.png", name, 32);
        add(CoreDir, "core.qrc", base + "_3x.png", name, 48);
    }
    const QList<QPair<QString, int>> marks = {{"", 24},       {"_16", 16},   {"_16_2x", 32},
                                              {"_2x", 48},    {"_3x", 72},   {"_32", 32},
                                              {"_32_2x", 64}, {"_32_3x", 96}};
    for (const auto& mark : marks)
        add(CoreDir, "core.qrc", "core/images/icon" + mark.first + ".png", "icon", mark.second);
    add(CoreDir, "core.qrc", "core/images/update.png", "update", 96);
    add(CoreDir, "core.qrc", "core/images/update_2x.png", "update", 192);
    for (const QString& piece : IconPainter::shadowPieces())
        add(CoreDir, "core.qrc", "core/images/border_" + piece + ".png", "shadow:" + piece,
            IconPainter::ShadowThickness);

    // Designer plugin.
    for (const QString& name : QStringList{"information", "question", "warning", "critical"}) {
        const QString base = "designer/images/" + name + "_32";
        add(DesignerDir, "designer.qrc", base + ".png", name, 32);
        add(DesignerDir, "designer.qrc", base + "_2x.png", name, 64);
        add(DesignerDir, "designer.qrc", base + "_d.png", name, 32, true);
        add(DesignerDir, "designer.qrc", base + "_d_2x.png", name, 64, true);
    }
    for (const QString& name : QStringList{"new", "open", "save", "preferences"}) {
        const QString base = "designer/images/" + name;
        add(DesignerDir, "designer.qrc", base + "_16.png", name, 16);
        add(DesignerDir, "designer.qrc", base + "_16_2x.png", name, 32);
        add(DesignerDir, "designer.qrc", base + "_16_d.png", name, 16, true);
        add(DesignerDir, "designer.qrc", base + "_16_d_2x.png", name, 32, true);
    }
    // The stage's tools and the object commands, at 24 pixels like the tool palette shows them.
    for (const QString& name : ToolIcons::names()) {
        const QString base = "designer/images/" + name;
        add(DesignerDir, "designer.qrc", base + "_24.png", name, 24);
        add(DesignerDir, "designer.qrc", base + "_24_2x.png", name, 48);
        add(DesignerDir, "designer.qrc", base + "_24_d.png", name, 24, true);
        add(DesignerDir, "designer.qrc", base + "_24_d_2x.png", name, 48, true);
    }
    add(DesignerDir, "designer.qrc", "designer/images/update.png", "update", 96);
    add(DesignerDir, "designer.qrc", "designer/images/update_2x.png", "update", 192);

    // Application: executable and document icons.
    add(AppDir, "app.qrc", "app/images/app_icon.ico", "ico:icon", 256);
    add(AppDir, "app.qrc", "app/images/project_icon.ico", "ico:project", 256);
    add(AppDir, "app.qrc", "app/images/app_icon.png", "icon", 256);

    // Desktop: the application and its project files in the freedesktop icon theme's sizes,
    // each drawn for its size rather than scaled. They are installed, not compiled in.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QString("%1x%1/").arg(size);
        add(DesktopDir, QString(), folder + "apps/com.korva.ZenubAnimate.png", "icon", size);
        add(DesktopDir, QString(), folder + "mimetypes/application-x-zenub-project.png", "project",
            size);
    }
}

void IconSet::add(const QString& resourceDir, const QString& qrcName, const QString& path,
                  const QString& icon, int size, bool disabled)
{
    m_entries.append(Entry{resourceDir, qrcName, path, icon, size, disabled});
}

QList<int> IconSet::icoSizes()
{
    return {16, 24, 32, 48, 64, 128, 256};
}

QImage IconSet::image(const Entry& entry)
{
    if (entry.icon.startsWith("shadow:"))
        return IconPainter::renderShadow(entry.icon.mid(7));
    if (entry.icon.startsWith("ico:"))
        return IconPainter::render(entry.icon.mid(4), entry.size);
    return IconPainter::render(entry.icon, entry.size, entry.disabled);
}

// An .ico file: a directory of 16-byte records followed by the images, here stored as PNG
// streams (accepted by Windows since Vista and by Qt's own reader).
QByteArray IconSet::icoData(const QString& icon)
{
    const QList<int> sizes = icoSizes();
    QList<QByteArray> images;
    for (int size : sizes)
        images.append(pngData(IconPainter::render(icon, size)));

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        const quint8 dim = sizes[i] >= 256 ? 0 : quint8(sizes[i]);
        out << dim << dim << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(images[i].size()) << offset;
        offset += images[i].size();
    }
    for (const QByteArray& png : images)
        out.writeRawData(png.constData(), png.size());
    return data;
}

QList<QImage> IconSet::readIco(const QByteArray& data, QString* error)
{
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 0, type = 0, count = 0;
    in >> reserved >> type >> count;
    if (in.status() != QDataStream::Ok || reserved != 0 || type != 1 || count == 0) {
        *error = "bad icon directory header";
        return {};
    }
    QList<QImage> result;
    for (int i = 0; i < count; ++i) {
        quint8 w = 0, h = 0, colors = 0, zero = 0;
        quint16 planes = 0, bits = 0;
        quint32 bytes = 0, offset = 0;
        in >> w >> h >> colors >> zero >> planes >> bits >> bytes >> offset;
        if (in.status() != QDataStream::Ok || quint64(offset) + bytes > quint64(data.size())) {
            *error = QString("icon entry %1 points outside the file").arg(i);
            return {};
        }
        const QImage image = QImage::fromData(data.mid(int(offset), int(bytes)), "PNG");
        const int width = w == 0 ? 256 : w;
        const int height = h == 0 ? 256 : h;
        if (image.isNull() || image.width() != width || image.height() != height) {
            *error = QString("icon entry %1 does not match its %2x%3 record")
                         .arg(i)
                         .arg(width)
                         .arg(height);
            return {};
        }
        result.append(image);
    }
    return result;
}

QStringList IconSet::qrcFiles(const QString& resourceDir) const
{
    QStringList files;
    for (const Entry& entry : m_entries)
        if (entry.resourceDir == resourceDir)
            files.append(entry.path);
    files.sort();
    return files;
}

QString IconSet::qrcText(const QStringList& files)
{
    QString text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& file : files)
        text += "    <file>" + file + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    return text;
}

bool IconSet::write(const QString& root, QString* error) const
{
    const QDir dir(root);
    QStringList qrcWritten;
    for (const Entry& entry : m_entries) {
        const QString fileName = dir.filePath(entry.resourceDir + "/" + entry.path);
        const QByteArray data =
            entry.icon.startsWith("ico:") ? icoData(entry.icon.mid(4)) : pngData(image(entry));
        if (data.isEmpty()) {
            *error = "could not render " + entry.path;
            return false;
        }
        if (!writeFile(fileName, data, error))
            return false;

        const QString qrc = entry.resourceDir + "/" + entry.qrcName;
        if (!entry.qrcName.isEmpty() && !qrcWritten.contains(qrc)) {
            qrcWritten.append(qrc);
            if (!writeFile(dir.filePath(qrc), qrcText(qrcFiles(entry.resourceDir)).toUtf8(), error))
                return false;
        }
    }
    return true;
}

bool IconSet::verify(const QString& root, QString* error) const
{
    const QDir dir(root);
    QStringList seenQrc;
    for (const Entry& entry : m_entries) {
        const QString fileName = dir.filePath(entry.resourceDir + "/" + entry.path);
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = "missing " + fileName;
            return false;
        }
        const QByteArray data = file.readAll();

        if (entry.icon.startsWith("ico:")) {
            const QList<QImage> images = readIco(data, error);
            if (images.size() != icoSizes().size()) {
                *error = fileName + ": " + *error;
                return false;
            }
            for (const QImage& image : images) {
                if (!hasVisiblePixels(image)) {
                    *error = fileName + ": empty icon entry";
                    return false;
                }
            }
        } else {
            const QImage read = QImage::fromData(data, "PNG");
            if (read.isNull() || read.width() != entry.size || read.height() != entry.size) {
                *error = QString("%1: expected a %2x%2 PNG").arg(fileName).arg(entry.size);
                return false;
            }
            if (!read.hasAlphaChannel() || !hasVisiblePixels(read)) {
                *error = fileName + ": no visible pixels on a transparent background";
                return false;
            }
            const QImage expected = image(entry).convertToFormat(QImage::Format_ARGB32);
            if (read.convertToFormat(QImage::Format_ARGB32) != expected) {
                *error = fileName + ": differs from what the generator draws now";
                return false;
            }
        }

        const QString qrc = entry.resourceDir + "/" + entry.qrcName;
        if (!entry.qrcName.isEmpty() && !seenQrc.contains(qrc)) {
            seenQrc.append(qrc);
            QFile qrcFile(dir.filePath(qrc));
            if (!qrcFile.open(QIODevice::ReadOnly) ||
                QString::fromUtf8(qrcFile.readAll()) != qrcText(qrcFiles(entry.resourceDir))) {
                *error = qrc + " is missing or out of date";
                return false;
            }
        }
    }
    return true;
}

QImage IconSet::contactSheet(int zoom) const
{
    const int columns = 12;
    const int cell = 72 * zoom / 2 + 8;
    const int rows = (m_entries.size() + columns - 1) / columns;
    QImage sheet(columns * cell, rows * cell, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x2b, 0x2b, 0x2b));

    QPainter p(&sheet);
    for (int i = 0; i < m_entries.size(); ++i) {
        QImage img = image(m_entries[i]);
        // Large images are shown at their own size, small ones enlarged without smoothing.
        const int factor = img.width() * zoom <= cell - 8 ? zoom : 1;
        const int w = qMin(img.width() * factor, cell - 8);
        const QRect target((i % columns) * cell + 4, (i / columns) * cell + 4, w, w);
        p.drawImage(target, img);
        p.setPen(QColor(0x3c, 0x3c, 0x3c));
        p.drawRect(target.adjusted(-1, -1, 0, 0));
    }
    return sheet;
}
