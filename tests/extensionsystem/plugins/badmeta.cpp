// SPDX-License-Identifier: MIT
#include "testplugin.h"

class BadMetaPlugin : public TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "badmeta.json")
public:
    BadMetaPlugin()
        : TestPlugin("badmeta", false)
    {}
};

#include "badmeta.moc"
