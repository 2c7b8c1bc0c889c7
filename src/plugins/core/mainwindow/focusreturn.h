// SPDX-License-Identifier: MIT
#ifndef FOCUSRETURN_H
#define FOCUSRETURN_H

#include <QObject>
#include <QPointer>

class QWidget;

/*!
    Gives \a window the keyboard back when a modal dialog closes and no window of the
    application is active. A window manager does that; without one nobody would, and the
    commands of the editor the dialog came from would stay disabled until a click on it.
*/
class FocusReturn : public QObject
{
    Q_OBJECT
public:
    explicit FocusReturn(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void giveBack();

    QPointer<QWidget> m_pWindow;
    bool m_bPending = false;
};

#endif
