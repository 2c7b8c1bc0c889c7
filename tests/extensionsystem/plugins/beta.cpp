// SPDX-License-Identifier: MIT
#include "testplugin.h"

class BetaPlugin : public TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "beta.json")
public:
    BetaPlugin()
        : TestPlugin("beta", false)
    {}
};

#include "beta.moc"
