// The recent files list and the last font folder, in a settings store.
#include "core/recentfiles.h"

#include <QtTest>

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void newestFirstOnceEachAtMostEight()
    {
        QTemporaryDir dir;
        const QString storePath = dir.filePath(QStringLiteral("store.ini"));
        const auto path = [&](int n) { return dir.filePath(QStringLiteral("%1/Glyphmux.ini").arg(n)); };
        {
            QSettings store(storePath, QSettings::IniFormat);
            RecentFiles recent(store);
            QCOMPARE(recent.files(), QStringList());
            QCOMPARE(recent.fontFolder(), QString());
            for (int n = 1; n <= 10; ++n)
                recent.add(path(n));
            recent.add(dir.filePath(QStringLiteral("x/../5/Glyphmux.ini"))); // the same file again
            recent.setFontFolder(dir.filePath(QStringLiteral("fonts/")));
        }
        QSettings store(storePath, QSettings::IniFormat); // read back from the file
        const RecentFiles recent(store);
        QCOMPARE(recent.files(), (QStringList{path(5), path(10), path(9), path(8), path(7), path(6), path(4), path(3)}));
        QCOMPARE(recent.fontFolder(), dir.filePath(QStringLiteral("fonts")));
        // Tests never read or write the user's own settings.
        QVERIFY(QSettings().fileName().startsWith(QDir::tempPath()));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
