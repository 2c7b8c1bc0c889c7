// SPDX-License-Identifier: MIT
#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QFile>
#include <QString>

/*! The whole file, or nothing when it cannot be read. */
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/*! Writes \a data as the whole file; false unless every byte reached it. */
inline bool writeFile(const QString& path, const QByteArray& data = QByteArray("x"))
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

#endif
