// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The complete list of image files the application ships, where they go, and how each
// one is produced. Writes the images, the .ico files and the Qt resource files listing them.
class IconSet
{
public:
    struct Entry
    {
        QString resourceDir; // e.g. "src/plugins/core/resources", holds the .qrc file
        QString qrcName;     // e.g. "core.qrc"; empty for files installed as they are
        QString path;        // relative to resourceDir, e.g. "core/images/new_16.png"
        QString icon;        // IconPainter name, "shadow:<piece>" or "ico:<icon>"
        int size = 0;        // pixel size; for .ico files the largest entry
        bool disabled = false;
    };

    IconSet();

    const QList<Entry>& entries() const { return m_entries; }

    // Produces the image for one entry (for .ico entries: its largest image).
    static QImage image(const Entry& entry);

    // Writes every file and the .qrc files below |root|. Returns false and sets |error| on
    // the first failure.
    bool write(const QString& root, QString* error) const;

    // Reads back everything written below |root| and checks sizes, contents and lists.
    bool verify(const QString& root, QString* error) const;

    // All images enlarged on a dark background, for looking them over.
    QImage contactSheet(int zoom) const;

    // Sizes stored in every .ico file.
    static QList<int> icoSizes();
    static QByteArray icoData(const QString& icon);
    // Parses an .ico file holding PNG entries; returns the images or an empty list.
    static QList<QImage> readIco(const QByteArray& data, QString* error);

private:
    void add(const QString& resourceDir, const QString& qrcName, const QString& path,
             const QString& icon, int size, bool disabled = false);
    QStringList qrcFiles(const QString& resourceDir) const;
    static QString qrcText(const QStringList& files);

    QList<Entry> m_entries;
};
