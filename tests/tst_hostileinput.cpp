// Inputs built to hang the program, flood its memory or forge lines of its
// files, each in the role it could play: every one finishes at once with the
// outcome of an unreadable file of its kind, and a font's name cannot carry a
// line break into the field (nor so into a file).
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/main/slotfontinfo.h"

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A blocked open() cannot be interrupted from the event loop: an alarm
// turns a hang into a failure that names the input.
char hangReport[160];
extern "C" void reportHang(int)
{
    (void)!::write(2, hangReport, qstrlen(hangReport));
    ::_exit(1);
}

enum class Role { Font, Settings, StoredLanguage, ChosenLanguage, GlyphmuxIni };

// Puts the hostile thing named 'kind' at 'path'; returns the path to give the program.
QString make(const QString &kind, const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(file.constData(), 0600) == 0 ? path : QString();
    if (kind == QLatin1String("socket")) { // its file stays after the close
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound ? path : QString();
    }
    if (kind == QLatin1String("device"))
        return QStringLiteral("/dev/zero");
    if (kind == QLatin1String("name with line breaks")) {
        const QString evil = QStringLiteral("Evil\r\n[Global]\r\nEnable=0\u2028\t\x01x");
        return TestFonts::writeRenamedFont(QFileInfo(path).path(), QFileInfo(path).fileName(), TestFonts::familyNames(evil, "Book"));
    }
    return TestFonts::writeOverclaimingFont(path, kind == QLatin1String("4 GB name table"));
}

long peakMemoryKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

Q_DECLARE_METATYPE(Role)

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qsnprintf(hangReport, sizeof hangReport, "FAIL: still busy after 5 s with %s\n", QTest::currentDataTag());
        std::signal(SIGALRM, reportHang);
        ::alarm(5);
    }
    void cleanup() { ::alarm(0); }

    void eachInputInItsRole_data()
    {
        QTest::addColumn<Role>("role");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("face"); // for a font: the face field after the choice
        QTest::newRow("font named with line breaks") << Role::Font << "name with line breaks" << "Evil[Global]Enable=0x";
        for (const char *kind : {"pipe", "socket", "4 GB name table", "one name table listed 65,534 times"})
            QTest::addRow("font: %s", kind) << Role::Font << kind << "";
        QTest::newRow("settings.fs: pipe") << Role::Settings << "pipe" << "";
        QTest::newRow("stored language: pipe") << Role::StoredLanguage << "pipe" << "";
        QTest::newRow("chosen language: pipe") << Role::ChosenLanguage << "pipe" << "";
        QTest::newRow("chosen language: device") << Role::ChosenLanguage << "device" << "";
        QTest::newRow("Glyphmux.ini: pipe") << Role::GlyphmuxIni << "pipe" << "";
    }
    void eachInputInItsRole()
    {
        QFETCH(Role, role);
        QFETCH(QString, kind);
        QFETCH(QString, face);
        const QString name = role == Role::Font ? "hostile.ttf" : role == Role::Settings ? "settings.fs"
                           : role == Role::GlyphmuxIni ? "Glyphmux.ini" : "hostile.lng";
        QString path;
        // Settings and the stored language are read as the window starts.
        EditorWindow w([&](const TempCwd &cwd) {
            path = make(kind, cwd.filePath(name));
            if (role == Role::StoredLanguage)
                cwd.write(QStringLiteral("settings.fs"), "False|" + path.toUtf8());
        });
        QVERIFY(!path.isEmpty());
        switch (role) {
        case Role::Font: { // refused like any bad font: named on the field and in the status bar
            w.face(0)->setText(QStringLiteral("before"));
            const long memoryBefore = peakMemoryKiB();
            w.choose(0, path);
            QCOMPARE_LT(peakMemoryKiB() - memoryBefore, 64 * 1024);
            QCOMPARE(w.face(0)->text(), face);
            if (face.isEmpty()) {
                QVERIFY(w.face(0)->toolTip().contains(QDir::toNativeSeparators(path)));
                QCOMPARE(w.form.fontInfo().statusText(), w.face(0)->toolTip());
            }
            break;
        }
        case Role::Settings: // the defaults; a second write is refused too, silently
            QVERIFY(w.get<QAction>("visualizza_pop")->isChecked());
            w.get<QAction>("visualizza_pop")->trigger();
            break;
        case Role::StoredLanguage: // the designed captions, silently
            QVERIFY(!w.get<QAction>("visualizza_pop")->isChecked());
            QCOMPARE(w.get<QLabel>("Label37")->text(), QStringLiteral("Altezza"));
            break;
        case Role::ChosenLanguage: // said so; nothing stored
            w.chooser.answer(path);
            w.get<QAction>("cmd_lang")->trigger();
            QVERIFY(w.messages.warned.value(0).contains(path));
            QCOMPARE(w.cwd.read(QStringLiteral("settings.fs")), QByteArray("True|\r\n"));
            break;
        case Role::GlyphmuxIni: // a failed save, said so
            QVERIFY(!w.form.Salva());
            QVERIFY(w.messages.warned.value(0).contains(QStringLiteral("Glyphmux.ini")));
            break;
        }
        QCOMPARE(w.messages.warned.size(), int(role == Role::ChosenLanguage || role == Role::GlyphmuxIni));
        QVERIFY(w.messages.informed.isEmpty());
        if (kind == QLatin1String("pipe"))
            QVERIFY(std::filesystem::is_fifo(QFile::encodeName(path).toStdString()));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
