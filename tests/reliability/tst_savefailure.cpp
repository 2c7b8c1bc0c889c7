// SPDX-License-Identifier: MIT
#include <testfiles.h>

#include "model/io/zenub/zenubprojectfile.h"
#include "model/project/zenubproject.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

/*! A save that cannot complete keeps the project file that was there, byte for byte. */
class tst_SaveFailure : public QObject
{
    Q_OBJECT
private slots:
    void keepsTheOldFile_data();
    void keepsTheOldFile();
};

void tst_SaveFailure::keepsTheOldFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only folder") << "ro";
    QTest::newRow("full disk") << "full";
}

void tst_SaveFailure::keepsTheOldFile()
{
    QFETCH(QString, how);
    QTemporaryDir scratch;
    const QString folder = scratch.filePath("disk");
    QDir().mkdir(folder);
    // A 64 KiB file system of our own; as root a read-only mode bit would not stop the write.
    const bool mounted =
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder}) == 0;
    if (!mounted && (how == "full" || ::geteuid() == 0))
        QSKIP("Needs a small file system of its own, and mount is not allowed here.");
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            QProcess::execute("umount", {folder});
    });

    const QString path = folder + "/kept.zenub";
    QVERIFY(ZenubProjectFile(path).save(ZenubProject::createNew("Kept", 320, 240, 12)));
    const QByteArray before = readFile(path);
    if (how == "ro" && mounted)
        QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", folder}), 0);
    else if (how == "ro")
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    else
        writeFile(folder + "/filler", QByteArray(64 * 1024, 'x')); // fills what is left

    ZenubProject bigger = ZenubProject::createNew(QString(20000, 'n'), 640, 480, 25);
    ZenubProjectFile file(path);
    QVERIFY(!file.save(bigger));
    QVERIFY2(file.getErrorString().contains(path), qPrintable(file.getErrorString()));
    // The cause, not the generic input/output error the full disk shows as.
    QVERIFY2(how != "full" || file.getErrorString().contains("the disk is full"),
             qPrintable(file.getErrorString()));
    QCOMPARE(readFile(path), before);
    QCOMPARE(
        QDir(folder).entryList(QDir::Files | QDir::Hidden),
        QStringList(how == "ro" ? QStringList{"kept.zenub"} : QStringList{"filler", "kept.zenub"}));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(tst_SaveFailure)
#include "tst_savefailure.moc"
