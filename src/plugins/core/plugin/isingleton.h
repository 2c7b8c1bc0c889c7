// SPDX-License-Identifier: MIT
#ifndef ISINGLETON_H
#define ISINGLETON_H

#include <QMutex>
#include <QMutexLocker>

/*!
    Gives T a lazily created process-wide instance. The instance lives until the process ends;
    the mutex only guards its creation.
*/
template<typename T>
class ISingleton
{
public:
    static T* getInstance()
    {
        if (!s_instance) {
            QMutexLocker locker(&s_mutex);
            if (!s_instance)
                s_instance = new T;
        }
        return s_instance;
    }

    virtual ~ISingleton() = default;

protected:
    ISingleton() = default;

private:
    static T* s_instance;
    static QMutex s_mutex;
};

template<typename T>
T* ISingleton<T>::s_instance = nullptr;
template<typename T>
QMutex ISingleton<T>::s_mutex;

#endif
