// SPDX-License-Identifier: MIT
#include "banneroptions.h"

#include <QUrl>

QString BannerOptions::check() const
{
    if (plays < 0)
        return tr("The number of plays cannot be negative.");
    if (clickUrl.isEmpty())
        return QString();
    // Ad servers put their own link in; what we write must at least be one a browser opens.
    const QUrl url(clickUrl);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return tr("The click-through link \"%1\" is not a web address starting with http:// or "
                  "https://.")
            .arg(clickUrl);
    return QString();
}
