// SPDX-License-Identifier: MIT
#ifndef PREVIEWSIZESMENU_H
#define PREVIEWSIZESMENU_H

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

/*!
    File > Preview at Size: one entry for each size the checked breakpoints stand for, in the
    proportions of the project shown. Each opens the preview with the stage's container at that
    width and height. The menu is usable whenever Preview in Browser is.
*/
class PreviewSizesMenu : public QObject
{
    Q_OBJECT
public:
    /*! Puts the menu into the File menu, after the previews, once. */
    static void add(QObject* owner);

private:
    explicit PreviewSizesMenu(QMenu* menu, QAction* preview, QObject* parent);
    void fill();

    QMenu* m_pMenu;
    QPointer<QAction> m_pPreview;
};

#endif
