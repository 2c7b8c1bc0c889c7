// SPDX-License-Identifier: MIT
// SVG pasted from other programs: any bytes become editable shapes, one image, or a message;
// never a shape that a saved project could not hold and read back.
#include "model/images/imageimport.h"
#include "model/io/svg/svgshapes.h"
#include "model/io/zenub/zenubjsonreader.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Text shapes are measured with fonts, which need the application object.
    static int argc = 1;
    static char name[] = "fuzz_svgpaste";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QVector<ZenubShape> shapes;
    if (SvgShapes::convert(bytes, &shapes)) {
        for (const ZenubShape& shape : qAsConst(shapes)) {
            ZenubJsonReader reader;
            const ZenubShape again =
                ZenubShape::fromJson(shape.toJson(), reader, QStringLiteral("shape"));
            if (reader.hasError() || again != shape)
                abort();
        }
        return 0;
    }
    bool ok = false;
    QString error;
    const ZenubShape image =
        ImageImport::fromData(bytes, QStringLiteral("fuzz"), {640, 480}, &ok, &error);
    if (ok != error.isEmpty())
        abort();
    return 0;
}
