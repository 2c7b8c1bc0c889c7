// SPDX-License-Identifier: MIT
#include "testplugin.h"

class AlphaPlugin : public TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "alpha.json")
public:
    AlphaPlugin()
        : TestPlugin("alpha", false)
    {}
};

#include "alpha.moc"
