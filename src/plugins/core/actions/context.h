// SPDX-License-Identifier: MIT
#ifndef CONTEXT_H
#define CONTEXT_H

#include <QMetaType>
#include <QString>

class QWidget;

/*!
    A named region of the user interface in which commands may behave differently. Focus
    anywhere inside \c widget selects the context. A plain value, copied freely; the widget is
    not owned.
*/
struct Context
{
    Context() = default;
    Context(QWidget* pWidget, const QString& strId, const QString& strName)
        : widget(pWidget)
        , id(strId)
        , name(strName)
    {}

    bool operator==(const Context& other) const
    {
        return widget == other.widget && id == other.id && name == other.name;
    }
    bool operator!=(const Context& other) const { return !(*this == other); }

    QWidget* widget = nullptr;
    QString id;
    QString name;
};

Q_DECLARE_METATYPE(Context)

#endif
