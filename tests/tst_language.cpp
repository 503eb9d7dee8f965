// Preferences across restarts: settings.fs, language files on the captions
// and the shipped language files.
#include "core/languagefile.h"
#include "core/textfile.h"
#include "support/messagerecorder.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/main/mainwindow.h"

#include <QAction>

static QByteArray shipped(const char *name) // a language file as we ship it
{
    QFile file(QStringLiteral(GLYPHMUX_SOURCE_DIR "/Data/%1.lng").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// In the table's order; a control missing from Form1 shows Form2's title.
static QStringList captionsOf(MainWindow &form)
{
    QStringList shown;
    for (const CaptionField &field : captionTable()) {
        const QObject *c = form.findChild<QObject *>(QLatin1String(field.control));
        shown << (c ? c->property(c->inherits("QGroupBox") ? "title" : "text").toString() : form.sideWindows().phoneModel().windowTitle());
    }
    return shown;
}

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    // Two starts in a row from settings.fs (%1: a language file whose path
    // has a comma and an accent), then the popup item toggled.
    void startUp_data()
    {
        QTest::addColumn<QByteArray>("stored"); // null: no settings.fs at all
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("captions");
        const auto fields = [](const QByteArray &line) { return QString::fromUtf8(line).trimmed().split(u'|'); };
        const QStringList designed = fields(shipped("Italiano"));
        const auto settings = [&](const char *name, const QByteArray &stored, const QByteArray &written) {
            QTest::newRow(name) << stored << written << QByteArray() << designed;
        };
        settings("first start", {}, "True|\r\n");
        settings(" false |, second line", " false |\rTrue|x", "False|\r\n");
        settings("-1|", "-1|\n", "True|\r\n");
        settings("abc|", "abc|\r\n", "True|\r\n");
        settings("False without bar", "False", "False|\r\n");
        settings("empty file", "", "True|\r\n");
        settings("binary garbage", QByteArray("\0\xff\xfe\x80\xc0\xaf\x1b\x7f", 8), "True|\r\n");
        settings("unreadable language kept", " 0 |a, b|gone.lng", "False|a, b|gone.lng\r\n");
        settings("UTF-8 cut short", "0|caf\xc3", "False|caf\xc3\x83\r\n");
        const QByteArray mega(1 << 20, 'p'), endless(maxLineBytes, 'p');
        settings("1 MB line", "False|" + mega, "False|" + mega + "\r\n");
        settings("endless line, cut", "False|" + endless, "False|" + endless.chopped(6) + "\r\n");

        const auto language = [](const char *name, const QByteArray &file, const QStringList &captions) {
            QTest::newRow(name) << QByteArray("\xef\xbb\xbf" "0|%1") << QByteArray("False|%1\r\n") << file << captions;
        };
        QStringList t; // T0, T1, ...: every caption recognisable
        while (t.size() < 40)
            t << QStringLiteral("T%1").arg(t.size());
        const auto join = [](const QStringList &list) { return list.join(u'|').toUtf8(); };
        language("39 fields", join(t.mid(0, 39)) + "\r\nT9", t.mid(0, 39));
        language("40 fields, empty kept", "|| x |" + join(t.mid(3)), QStringList{"", "", " x "} + t.mid(3, 36));
        language("10 fields", join(t.mid(0, 10)), t.mid(0, 10) + designed.mid(10));
        language("comma", "Menu, principale|" + join(t), QStringList{"Menu"} + designed.mid(1));
        language("empty file", "", designed);
        language("windows-1252", QByteArray("\xe0 \x80 \x93\x94|").repeated(39), QStringList(39, "à € “”"));
        language("utf-8", "\xef\xbb\xbf" + QByteArray("\xc3\xa0 \xe2\x82\xac|").repeated(39), QStringList(39, "à €"));
        // Each shipped file: clean UTF-8, one line of 39 fields, no comma to cut it short.
        for (const char *name : {"Italiano", "English", "Deutsch", "Francais", "Espanol"})
            language(name, shipped(name), fields(shipped(name)));
    }

    void startUp()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, language);
        QFETCH(QStringList, captions);
        TempCwd cwd;
        cwd.write(QStringLiteral("lingua, è.lng"), language);
        const QByteArray path = cwd.filePath(QStringLiteral("lingua, è.lng")).toUtf8();
        const QString fs = QStringLiteral("settings.fs");
        if (!stored.isNull())
            cwd.write(fs, stored.replace("%1", path));
        written.replace("%1", path);
        const bool popup = written.startsWith("True");
        MessageRecorder messages;
        std::optional<MainWindow> form;
        for (int run = 0; run < 2; ++run) {
            form.emplace(nullptr, &messages);
            QCOMPARE(child<QAction>(&*form, "visualizza_pop")->isChecked(), popup);
            QCOMPARE(cwd.read(fs), written);
            QCOMPARE(captionsOf(*form), captions);
        }
        for (const bool now : {!popup, popup}) {
            child<QAction>(&*form, "visualizza_pop")->trigger();
            QCOMPARE(cwd.read(fs), (now ? "True" : "False") + written.mid(written.indexOf('|')));
        }
        // A settings file that cannot be written stays whole, silently.
        QFile::setPermissions(cwd.filePath(fs), QFileDevice::ReadOwner);
        child<QAction>(&*form, "visualizza_pop")->trigger();
        QCOMPARE(cwd.read(fs), written);
        QCOMPARE(messages.informed, QStringList());
        QCOMPARE(messages.warned, QStringList());
        QVERIFY(!form->sideWindows().phoneModel().isVisible());
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
