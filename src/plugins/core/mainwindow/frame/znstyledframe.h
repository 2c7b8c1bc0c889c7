// SPDX-License-Identifier: MIT
#ifndef ZNSTYLEDFRAME_H
#define ZNSTYLEDFRAME_H

#include "znstyledframehelper.h"

#include <QWidget>

/*!
    A frameless top-level window of the Qt window class \a T whose frame behaviour (resizing,
    moving by the title bar, maximising) comes from ZNStyledFrameHelper. Subclasses say where
    their title bar is by overriding isStyledFrameTitleBar().
*/
template<class T>
class ZNStyledFrame : public T, public ZNStyledFrameHelper
{
public:
    explicit ZNStyledFrame(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags())
        : T(parent, flags | Qt::FramelessWindowHint)
        , ZNStyledFrameHelper(this)
    {
        setupNativeWindow();
    }

protected:
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override
    {
        if (handleNativeEvent(eventType, message, result))
            return true;
        return QWidget::nativeEvent(eventType, message, result);
    }
};

#endif
