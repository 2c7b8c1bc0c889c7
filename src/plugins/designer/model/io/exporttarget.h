// SPDX-License-Identifier: MIT
#ifndef EXPORTTARGET_H
#define EXPORTTARGET_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/*!
    The rule every export follows before it writes: the file it writes must not be one it reads.
    An output that is an input file, or a link (symbolic or hard) to one, is refused, so an
    export can never replace the project it was made from.
*/
class ExportTarget
{
    Q_DECLARE_TR_FUNCTIONS(ExportTarget)
public:
    /*! Why \a output may not be written by an export that reads \a inputs; empty when it may. */
    static QString refusal(const QString& output, const QStringList& inputs);
};

#endif
