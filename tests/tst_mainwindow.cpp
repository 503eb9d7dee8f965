// The main window: its initial font map, layout, menus, Salva and ending.
#include "support/expectedini.h"
#include "support/messagerecorder.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/main/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>

namespace {
struct Fixture {
    TempCwd cwd;
    MessageRecorder messages;
    MainWindow form{nullptr, &messages};
    QByteArray ini() const { return cwd.read(QStringLiteral("Glyphmux.ini")); }
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesWhatTheControlsHold()
    {
        Fixture f;
        QVERIFY(f.form.windowTitle().startsWith("Glyphmux GUI 1.2.4  2nd edition" + QString(72, u' ') + "glyphmux-gui@"));
        QCOMPARE(child<QLabel>(&f.form, "ValoreZoom")->text(), QStringLiteral("100"));
        for (const char *locked : {"dim12b", "dim13b", "dim17b", "dim19b", "dim12p", "chromavalue"})
            QVERIFY(child<QLineEdit>(&f.form, locked)->isReadOnly());
        // Every value of the initial font map shows in the saved file.
        QStringList slotLines = {"LatinBold12=@12:Y:W", "LatinBold13=@12:Y:W", "LatinBold17=@16:Y:W",
                                 "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"};
        QVERIFY(f.form.Salva());
        QCOMPARE(f.ini(), utf16FileBytes(expectedIniLines(slotLines, plainAliasLines(QString()))));

        const QString face = QStringLiteral("Nokia Sans S60");
        child<QLineEdit>(&f.form, "LatinBold13")->setText(face);
        child<QLineEdit>(&f.form, "H1")->setText(QStringLiteral("10"));
        child<QLineEdit>(&f.form, "W1")->setText(QStringLiteral("8"));
        child<QCheckBox>(&f.form, "IT1")->setChecked(true);
        child<QLineEdit>(&f.form, "Text2")->setText(QStringLiteral("e:\\fonts\\"));
        child<QScrollBar>(&f.form, "ScrollZoom")->setValue(1);
        slotLines[0] = QStringLiteral("LatinBold12=@12:Y10:I:W8");
        slotLines[1] = "LatinBold13=" + face + "@12:Y:W";
        QStringList aliases = plainAliasLines(face);
        aliases[6] += QStringLiteral(":I");
        aliases[13] += QStringLiteral(":I");
        const QByteArray expected = utf16FileBytes(expectedIniLines(slotLines, aliases, "1", "100", "e:\\fonts\\"));
        for (int round = 0; round < 2; ++round) { // the same bytes again without a change
            QVERIFY(f.form.Salva());
            QCOMPARE(f.ini(), expected);
        }
        QVERIFY(f.messages.warned.isEmpty());
    }

    void layoutAndMenus()
    {
        Fixture f;
        QCOMPARE(f.form.centralWidget()->size(), QSize(744, 388));
        const std::pair<const char *, QRect> boxes[] = { // px, relative to the parent
            {"Frame2", {8, 224, 289, 161}}, {"LatinBold17", {72, 80, 153, 19}}, {"Apri5", {232, 128, 25, 17}},
            {"Command4", {24, 32, 17, 17}}, {"IT4", {80, 104, 17, 17}},         {"info12p", {272, 352, 17, 17}},
            {"ScrollZoom", {8, 48, 105, 17}}, {"chromascroll", {88, 88, 17, 17}}};
        for (const auto &[name, box] : boxes)
            QVERIFY2(child<QWidget>(&f.form, name)->geometry() == box, name);
        // name=text of each entry, a separator as name-, a menu's entries in brackets.
        std::function<QString(const QList<QAction *> &)> tree = [&](const QList<QAction *> &actions) {
            QStringList out;
            for (const QAction *a : actions)
                out << (a->menu() ? a->menu()->objectName() : a->objectName())
                           + (a->isSeparator() ? QStringLiteral("-") : "=" + QString(a->text()).remove(u'&')) // as shown
                           + (a->menu() ? "[" + tree(a->menu()->actions()) + "]" : QString());
            return out.join(u',');
        };
        QCOMPARE(tree(f.form.menuBar()->actions()),
                 QStringLiteral("cmd_file=File[cmd_open=Open Glyphmux.ini…,cmd_recent=Open Recent[],cmd_save=Save to Glyphmux.ini,cmd_export=Export for the phone…,cccc-,cmd_exit=Exit],"
                                "cmd_settings=Settings[cmd_lang=Language,visualizza_pop=Show information popup],cmd_help=?"));
    }

    void readOnlyIniIsKeptAndReported()
    {
        Fixture f;
        f.cwd.write(QStringLiteral("Glyphmux.ini"), "precious");
        QFile::setPermissions(f.cwd.filePath(QStringLiteral("Glyphmux.ini")), QFileDevice::ReadOwner);
        QVERIFY(!f.form.Salva());
        QCOMPARE(f.ini(), QByteArray("precious"));
        QCOMPARE(f.messages.warned.size(), 1);
        QVERIFY(f.messages.warned[0].contains(f.cwd.filePath(QStringLiteral("Glyphmux.ini"))));
    }

    void exitWritesNothing()
    {
        Fixture f;
        f.form.show();
        child<QLineEdit>(&f.form, "LatinBold12")->setText(QStringLiteral("unsaved"));
        child<QAction>(&f.form, "cmd_exit")->trigger();
        QVERIFY(!f.form.isVisible());
        QCOMPARE(QDir(f.cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("settings.fs")});
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
