// SPDX-License-Identifier: MIT
#ifndef IUI_H
#define IUI_H

#include "core_export.h"
#include "isingleton.h"

#include <QIcon>
#include <QMap>
#include <QMessageBox>
#include <QPixmap>
#include <QString>

class IUi;
extern template class CORE_EXPORT ISingleton<IUi>;

/*!
    Loads icon images chosen by size, state and screen scale, and shows the application's
    message boxes. File names follow "<name><size><state><scale>.png", for example
    "save_16_d_2x.png".
*/
class CORE_EXPORT IUi : public ISingleton<IUi>
{
public:
    enum State { Normal = 2, Disabled = 4 };

    QPixmap getPixmap(const QString& name, int state, int size, const QString& directory,
                      bool noScale = false);
    QIcon getIcon(const QString& name, int size, const QString& directory);
    /*!
        As getPixmap(), for the glyphs drawn in light greys for dark surfaces (commands, window
        buttons): under a light theme they come as dark greys of the same contrast.
    */
    QPixmap getGlyphPixmap(const QString& name, int state, int size, const QString& directory);
    QIcon getGlyphIcon(const QString& name, int size, const QString& directory);
    /*! Forgets every loaded image, so that the next requests follow a new screen density. */
    void clearCache();

    QMessageBox::StandardButton showInformation(QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);
    QMessageBox::StandardButton showQuestion(QWidget* parent, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton);
    QMessageBox::StandardButton showWarning(QWidget* parent, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
    /*! Widens buttons and labels to their size hints, so translated texts are not cut. */
    void adjustMessageBox(QMessageBox* box);

    /*! The file name getPixmap() looks for at the given density. */
    static QString pixmapFileName(const QString& name, int state, int size, int dpi, bool noScale);
    /*! The edge of the message-box icon at the given density. */
    static int messageIconEdge(int dpi);
    /*! \a image with its greys mirrored in lightness (light becomes dark); colours are kept. */
    static QImage forLightSurface(const QImage& image);

private:
    friend class ISingleton<IUi>;
    IUi() = default;

    QMessageBox::StandardButton showMessage(const QString& iconName, QWidget* parent,
                                            const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);

    QMap<QString, QPixmap> m_pixmapCache;
};

#endif
