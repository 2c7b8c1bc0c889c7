#include <QProcess>
#include <QTemporaryDir>
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
    void initTestCase();
    void builtGuideIsPdf_data();
    void builtGuideIsPdf();
    void generatorRefusesBadInput_data();
    void generatorRefusesBadInput();
};

void tst_HelpFiles::initTestCase()
{
    QVERIFY2(!buildDir().isEmpty(), "ZENUB_BUILD_DIR is not set; run the test through ctest");
}

void tst_HelpFiles::builtGuideIsPdf_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("title");
    QTest::newRow("en") << "en" << QByteArray("Zenub Animate User Guide");
    QTest::newRow("de") << "de" << QByteArray("Zenub Animate Benutzerhandbuch");
}

void tst_HelpFiles::builtGuideIsPdf()
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

void tst_HelpFiles::generatorRefusesBadInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing page") << "missing.html" << QByteArray();
    QTest::newRow("not a page") << "notes.html" << QByteArray("just words");
}

void tst_HelpFiles::generatorRefusesBadInput()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!content.isNull()) {
        QFile file(dir.filePath(input));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QString output = dir.filePath(QStringLiteral("out.pdf"));
    QProcess generator;
    generator.start(buildDir() + QStringLiteral("/tools/helpgen/helpgen"),
                    {dir.filePath(input), output});
    QVERIFY(generator.waitForFinished(60000));
    QVERIFY(generator.exitCode() != 0);
    QVERIFY(!generator.readAllStandardError().isEmpty());
    // A failed run leaves no PDF that a build could mistake for a result.
    QVERIFY(!QFileInfo::exists(output));
}

QTEST_GUILESS_MAIN(tst_HelpFiles)
#include "tst_helpfiles.moc"
