// SPDX-License-Identifier: MIT
// Renders a help page written in HTML into a paginated PDF.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>

namespace {

int failure(const QString& message, int code)
{
    std::fprintf(stderr, "helpgen: %s\n", qUtf8Printable(message));
    return code;
}

} // namespace

int main(int argc, char* argv[])
{
    // A build step must not depend on a display being reachable, so the offscreen platform
    // is the default; an explicit QT_QPA_PLATFORM still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return failure(QStringLiteral("usage: helpgen <page.html> <output.pdf>"), 1);
    const QString input = arguments.at(1);
    const QString output = arguments.at(2);

    QFile source(input);
    if (!source.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("cannot read %1: %2").arg(input, source.errorString()), 2);
    const QString html = QString::fromUtf8(source.readAll());
    if (source.error() != QFileDevice::NoError)
        return failure(QStringLiteral("cannot read %1: %2").arg(input, source.errorString()), 2);
    if (!html.contains(QLatin1String("<body"), Qt::CaseInsensitive))
        return failure(QStringLiteral("%1 is not an HTML page").arg(input), 2);

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    // Relative image paths in the page resolve against its folder.
    document.setMetaInformation(
        QTextDocument::DocumentUrl,
        QUrl::fromLocalFile(QFileInfo(input).absolutePath() + '/').toString());
    document.setHtml(html);

    // The PDF only replaces an older one once it is complete.
    QSaveFile target(output);
    if (!target.open(QIODevice::WriteOnly))
        return failure(QStringLiteral("cannot write %1: %2").arg(output, target.errorString()), 3);
    {
        QPdfWriter writer(&target);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Zenub Animate"));
        writer.setResolution(300);
        // QTextDocument::print adds its own 2 cm margin and the page numbers.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        document.print(&writer);
    }
    if (!target.commit())
        return failure(QStringLiteral("cannot write %1: %2").arg(output, target.errorString()), 3);
    return 0;
}
