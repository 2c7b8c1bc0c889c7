// SPDX-License-Identifier: MIT
#include <QObject>
#include <QtPlugin>

// Right interface id and metadata, wrong class: loads, but is no plugin of ours.
class NotAPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "notaplugin.json")
};

#include "notaplugin.moc"
