// SPDX-License-Identifier: MIT
// The project-file loader: arbitrary bytes are refused with a message or read as a project;
// what is read is written back and must read again to the same project.
#include "model/project/zenubproject.h"
#include "model/io/zenub/zenubprojectfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZenubProjectFile file(QStringLiteral("fuzz.zenub"));
    ZenubProject project;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
    if (!file.parse(bytes, &project)) {
        if (file.getErrorString().isEmpty())
            abort();
        return 0;
    }
    ZenubProject again;
    if (!file.parse(ZenubProjectFile::toBytes(project), &again) || !(again == project))
        abort();
    return 0;
}
