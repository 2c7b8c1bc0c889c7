// SPDX-License-Identifier: MIT
#ifndef RICHTEXTPROBE_H
#define RICHTEXTPROBE_H

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

/*!
    Markup naming a 300-pixel picture in the working folder, for texts that come from a file, a
    feed or a channel client. A label that obeys the markup grows to show the picture (the fault);
    one that shows the text as written stays a line high. The picture and the working folder are
    set up while the probe lives.
*/
class RichTextProbe
{
public:
    RichTextProbe()
        : m_previous(QDir::currentPath())
    {
        QImage picture(300, 300, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(m_folder.filePath(QStringLiteral("probe.png")));
        QDir::setCurrent(m_folder.path());
    }
    ~RichTextProbe() { QDir::setCurrent(m_previous); }
    RichTextProbe(const RichTextProbe&) = delete;
    RichTextProbe& operator=(const RichTextProbe&) = delete;

    static QString markup() { return QStringLiteral("<img src=\"probe.png\">"); }
    /*! The height of the tallest label in \a widget: well under 300 unless markup was obeyed. */
    static int tallestLabel(const QWidget* widget)
    {
        int tallest = 0;
        for (const QLabel* label : widget->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                tallest = qMax(tallest, label->sizeHint().height());
        return tallest;
    }

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

#endif
