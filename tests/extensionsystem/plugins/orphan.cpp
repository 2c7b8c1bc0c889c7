// SPDX-License-Identifier: MIT
#include "testplugin.h"

class OrphanPlugin : public TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "orphan.json")
public:
    OrphanPlugin()
        : TestPlugin("orphan", false)
    {}
};

#include "orphan.moc"
