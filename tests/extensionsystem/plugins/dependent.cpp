// SPDX-License-Identifier: MIT
#include "testplugin.h"

class DependentPlugin : public TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "dependent.json")
public:
    DependentPlugin()
        : TestPlugin("dependent", false)
    {}
};

#include "dependent.moc"
