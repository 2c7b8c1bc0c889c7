// SPDX-License-Identifier: MIT
#include "iui.h"

#include "dpi.h"

#include "appearance/ithemesmanager.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

template class ISingleton<IUi>;

namespace {

QString sizeSuffix(int size)
{
    static const char* const suffixes[] = {"", "_12", "_16", "_24", "_32", "_48", "_64"};
    return size >= 1 && size <= 6 ? QLatin1String(suffixes[size]) : QString();
}

} // namespace

QString IUi::pixmapFileName(const QString& name, int state, int size, int dpi, bool noScale)
{
    const QString stateSuffix = state == Disabled ? QStringLiteral("_d") : QString();
    const QString scaleSuffix =
        !noScale && Dpi::scalePercent(dpi) >= 150 ? QStringLiteral("_2x") : QString();
    return QStringLiteral("%1%2%3%4.png").arg(name, sizeSuffix(size), stateSuffix, scaleSuffix);
}

int IUi::messageIconEdge(int dpi)
{
    return dpi * 32 / 96;
}

QPixmap IUi::getPixmap(const QString& name, int state, int size, const QString& directory,
                       bool noScale)
{
    const QString fileName = pixmapFileName(name, state, size, Dpi::screenDpi(), noScale);
    const QString path = QDir(directory).absoluteFilePath(fileName);
    const auto cached = m_pixmapCache.constFind(path);
    if (cached != m_pixmapCache.constEnd() && !cached->isNull())
        return *cached;
    // A missing file is cached as a null pixmap and tried again next time.
    const QPixmap pixmap(path);
    m_pixmapCache.insert(path, pixmap);
    return pixmap;
}

QIcon IUi::getIcon(const QString& name, int size, const QString& directory)
{
    QIcon icon;
    icon.addPixmap(getPixmap(name, Normal, size, directory, false), QIcon::Normal, QIcon::Off);
    icon.addPixmap(getPixmap(name, Disabled, size, directory, false), QIcon::Disabled, QIcon::Off);
    return icon;
}

QPixmap IUi::getGlyphPixmap(const QString& name, int state, int size, const QString& directory)
{
    const QPixmap plain = getPixmap(name, state, size, directory, false);
    if (plain.isNull() || !IThemesManager::getInstance().isLight())
        return plain;
    const QString key = QDir(directory).absoluteFilePath(
        pixmapFileName(name, state, size, Dpi::screenDpi(), false) + QLatin1String("#light"));
    const auto cached = m_pixmapCache.constFind(key);
    if (cached != m_pixmapCache.constEnd())
        return *cached;
    QPixmap light = QPixmap::fromImage(forLightSurface(plain.toImage()));
    light.setDevicePixelRatio(plain.devicePixelRatio());
    m_pixmapCache.insert(key, light);
    return light;
}

QIcon IUi::getGlyphIcon(const QString& name, int size, const QString& directory)
{
    QIcon icon;
    icon.addPixmap(getGlyphPixmap(name, Normal, size, directory), QIcon::Normal, QIcon::Off);
    icon.addPixmap(getGlyphPixmap(name, Disabled, size, directory), QIcon::Disabled, QIcon::Off);
    return icon;
}

QImage IUi::forLightSurface(const QImage& image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QColor colour = QColor::fromRgba(line[x]);
            // Only near-greys: the accent colours read on either surface.
            if (colour.hslSaturation() > 40)
                continue;
            const QColor mirrored = QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                                                    255 - colour.lightness(), colour.alpha());
            line[x] = mirrored.rgba();
        }
    }
    return result;
}

void IUi::clearCache()
{
    m_pixmapCache.clear();
}

QMessageBox::StandardButton IUi::showInformation(QWidget* parent, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return showMessage(QStringLiteral("information_32"), parent, title, text, buttons,
                       defaultButton);
}

QMessageBox::StandardButton IUi::showQuestion(QWidget* parent, const QString& title,
                                              const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    return showMessage(QStringLiteral("question_32"), parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton IUi::showWarning(QWidget* parent, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    return showMessage(QStringLiteral("warning_32"), parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton IUi::showMessage(const QString& iconName, QWidget* parent,
                                             const QString& title, const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    // Texts carry names from files, feeds and channel clients: markup in them is shown, never
    // obeyed, so it can neither load a picture nor garble the box.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    const int edge = messageIconEdge(Dpi::screenDpi(parent));
    const QIcon icon = getIcon(iconName, 0, QStringLiteral(":/designer/images/"));
    box.setIconPixmap(icon.pixmap(edge, edge, QIcon::Normal, QIcon::Off));
    adjustMessageBox(&box);
    const int result = box.exec();
    if (result == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

void IUi::adjustMessageBox(QMessageBox* box)
{
    if (!box)
        return;
    for (QAbstractButton* button : box->buttons()) {
        const int hint = button->sizeHint().width();
        if (hint > button->minimumWidth())
            button->setMinimumWidth(hint);
    }
    // Short texts keep one line; long ones wrap at a readable width instead of stretching the
    // box across the screen.
    const int widest = Dpi::scaled(480, Dpi::screenDpi(box->parentWidget()));
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const int hint = label->sizeHint().width();
        if (hint > widest) {
            label->setWordWrap(true);
            label->setMinimumWidth(widest);
        } else {
            label->setMinimumWidth(hint);
        }
    }
}
