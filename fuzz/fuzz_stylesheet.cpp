// SPDX-License-Identifier: MIT
// The density scaler of style sheets: any text at any density gives a sheet without marks,
// and never crashes or loops.
#include <appearance/ithemesmanager.h>

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the density: 48 to 558 dpi covers every real screen and more.
    const int dpi = 48 + data[0] * 2;
    const QString sheet =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
    const QString scaled = IThemesManager::scaleMarkedLengths(sheet, dpi);
    // A sheet without marks is left as it is; no mark survives scaling.
    if ((!sheet.contains(QLatin1Char('$')) && scaled != sheet) || scaled.contains(QLatin1Char('$')))
        abort();
    return 0;
}
