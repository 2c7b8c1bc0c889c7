// SPDX-License-Identifier: MIT
#include <QtTest>
#include <testfiles.h>

namespace {

QString buildDir()
{
    return qEnvironmentVariable("ZENUB_BUILD_DIR");
}

} // namespace

class tst_HelpFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!buildDir().isEmpty(), "ZENUB_BUILD_DIR is not set; run the test through ctest");
    }
    void builtGuideIsPdf_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("de") << "de" << QByteArray("Zenub Animate Benutzerhandbuch");
    }
    void builtGuideIsPdf()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, title);
        // The name Help > Help Contents looks for, beside the executable.
        const QString path = buildDir() + QStringLiteral("/bin/zenub_help_%1.pdf").arg(language);
        const QByteArray pdf = readFile(path);
        QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(path));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        // A guide of this length does not fit on one page.
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") >= 2);
        // The writer stores the title as UTF-16 text.
        QByteArray utf16("\xfe\xff", 2);
        for (const char c : title)
            utf16.append('\0').append(c);
        QVERIFY(pdf.contains(utf16));
    }
};

QTEST_GUILESS_MAIN(tst_HelpFiles)
#include "tst_helpfiles.moc"
