// SPDX-License-Identifier: MIT
#ifndef OWNMETHODS_H
#define OWNMETHODS_H

#include <QMetaMethod>
#include <QMetaObject>
#include <QStringList>

/*!
    The signatures of the signals, slots and invokables a class declares itself, in meta-object
    order. Pages and plugins reach them by index, so their order is checked by tests.
*/
inline QStringList ownMethodSignatures(const QMetaObject& meta)
{
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::fromLatin1(meta.method(i).methodSignature());
    return methods;
}

#endif
