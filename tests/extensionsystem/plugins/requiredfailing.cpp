// SPDX-License-Identifier: MIT
#include "testplugin.h"

class RequiredFailingPlugin : public TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "requiredfailing.json")
public:
    RequiredFailingPlugin()
        : TestPlugin("requiredfailing", true)
    {}
};

#include "requiredfailing.moc"
