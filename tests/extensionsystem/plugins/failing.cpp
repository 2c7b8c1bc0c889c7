// SPDX-License-Identifier: MIT
#include "testplugin.h"

class FailingPlugin : public TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.KORVA.Zenub.Plugin" FILE "failing.json")
public:
    FailingPlugin()
        : TestPlugin("failing", true)
    {}
};

#include "failing.moc"
