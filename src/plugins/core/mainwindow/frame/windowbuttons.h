// SPDX-License-Identifier: MIT
#ifndef WINDOWBUTTONS_H
#define WINDOWBUTTONS_H

#include <QWidget>

class QPushButton;

/*!
    The minimise, maximise (or restore) and close buttons of the title bar, acting on the
    top-level window they are in.
*/
class WindowButtons : public QWidget
{
    Q_OBJECT
public:
    explicit WindowButtons(QWidget* parent);

    /*! The middle button restores a maximised window and maximises any other. */
    void setMaximized(bool maximized);
    /*! Draws the icons again, for the screen's new density. */
    void refreshIcons(bool maximized);

private:
    QPushButton* addButton(const char* name, const QString& toolTip, const char* icon);

    QPushButton* m_pMinimize;
    QPushButton* m_pMaximize;
    QPushButton* m_pClose;
};

#endif
