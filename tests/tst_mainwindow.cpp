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
const QStringList freshSlotLines = {"LatinBold12=@12:Y:W", "LatinBold13=@12:Y:W", "LatinBold17=@16:Y:W",
                                    "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"};
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_cwd = std::make_unique<TempCwd>();
        m_messages.warned.clear();
    }
    void cleanup() { m_cwd.reset(); }

    void freshStart();
    void layout_data();
    void layout();
    void menus();
    void saveWritesWhatTheControlsHold();
    void readOnlyIniIsKeptAndReported();
    void exitWritesNothing();

private:
    std::unique_ptr<TempCwd> m_cwd;
    MessageRecorder m_messages;
};

void TestMainWindow::freshStart()
{
    MainWindow form(nullptr, &m_messages);
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("Glyphmux GUI 1.2.4  2nd edition")
                                          + QString(72, QLatin1Char(' ')) + QStringLiteral("glyphmux-gui@")));
    QCOMPARE(form.centralWidget()->size(), QSize(744, 388));
    QCOMPARE(child<QLabel>(&form, "ValoreZoom")->text(), QStringLiteral("100"));
    for (const char *locked : {"dim12b", "dim13b", "dim17b", "dim19b", "dim12p", "chromavalue"})
        QVERIFY(child<QLineEdit>(&form, locked)->isReadOnly());
    // Every value of the initial font map shows in the saved file.
    QVERIFY(form.Salva());
    QCOMPARE(m_cwd->read(QStringLiteral("Glyphmux.ini")),
             utf16FileBytes(expectedIniLines(freshSlotLines, plainAliasLines(QString()))));
}

void TestMainWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // px, relative to the parent

    QTest::newRow("Frame2") << "Frame2" << QRect(8, 224, 289, 161);
    QTest::newRow("face field row 3") << "LatinBold17" << QRect(72, 80, 153, 19);
    QTest::newRow("open button row 5") << "Apri5" << QRect(232, 128, 25, 17);
    QTest::newRow("minus row 1") << "Command4" << QRect(24, 32, 17, 17);
    QTest::newRow("italic row 4") << "IT4" << QRect(80, 104, 17, 17);
    QTest::newRow("info row 5") << "info12p" << QRect(272, 352, 17, 17);
    QTest::newRow("zoom bar") << "ScrollZoom" << QRect(8, 48, 105, 17);
    QTest::newRow("chroma spinner") << "chromascroll" << QRect(88, 88, 17, 17);
}

void TestMainWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    MainWindow form(nullptr, &m_messages);
    QWidget *widget = form.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void TestMainWindow::menus()
{
    MainWindow form(nullptr, &m_messages);
    // Captions as shown: a menu letter is only underlined.
    const auto shown = [](const QAction *a) { return QString(a->text()).remove(QLatin1Char('&')); };
    auto names = [&](const QList<QAction *> &actions) {
        QStringList out;
        for (const QAction *a : actions)
            out << a->objectName() + QLatin1Char('=') + shown(a);
        return out;
    };
    const QList<QAction *> bar = form.menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->menu(), child<QMenu>(&form, "cmd_file"));
    QCOMPARE(bar[1]->menu(), child<QMenu>(&form, "cmd_settings"));
    QCOMPARE(names({bar[2]}), QStringList{"cmd_help=?"});
    QCOMPARE(names(bar[0]->menu()->actions()),
             (QStringList{"cmd_save=Save to Glyphmux.ini", "cccc=", "cmd_exit=Exit"}));
    QVERIFY(bar[0]->menu()->actions()[1]->isSeparator());
    QCOMPARE(names(bar[1]->menu()->actions()),
             (QStringList{"cmd_lang=Language", "visualizza_pop=Show information popup"}));
    QCOMPARE(shown(bar[0]) + shown(bar[1]), QStringLiteral("FileSettings"));

    auto *popup = child<QAction>(&form, "visualizza_pop");
    QVERIFY(popup->isChecked());
    popup->trigger();
    QVERIFY(!popup->isChecked());
}

void TestMainWindow::saveWritesWhatTheControlsHold()
{
    MainWindow form(nullptr, &m_messages);
    child<QLineEdit>(&form, "LatinBold13")->setText(QStringLiteral("Nokia Sans S60"));
    child<QLineEdit>(&form, "H1")->setText(QStringLiteral("10"));
    child<QLineEdit>(&form, "W1")->setText(QStringLiteral("8"));
    child<QCheckBox>(&form, "IT1")->setChecked(true);
    child<QLineEdit>(&form, "Text2")->setText(QStringLiteral("e:\\fonts\\"));
    child<QScrollBar>(&form, "ScrollZoom")->setValue(1);

    QStringList aliases = plainAliasLines(QStringLiteral("Nokia Sans S60"));
    aliases[6] += QStringLiteral(":I");
    aliases[13] += QStringLiteral(":I");
    const QStringList slotLines = {"LatinBold12=@12:Y10:I:W8", "LatinBold13=Nokia Sans S60@12:Y:W",
                                   "LatinBold17=@16:Y:W", "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"};
    const QByteArray expected = utf16FileBytes(
        expectedIniLines(slotLines, aliases, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("e:\\fonts\\")));
    // Saving twice without a change gives the same bytes.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(form.Salva());
        QCOMPARE(m_cwd->read(QStringLiteral("Glyphmux.ini")), expected);
    }
    QVERIFY(m_messages.warned.isEmpty());
}

void TestMainWindow::readOnlyIniIsKeptAndReported()
{
    m_cwd->write(QStringLiteral("Glyphmux.ini"), "precious");
    QFile::setPermissions(m_cwd->filePath(QStringLiteral("Glyphmux.ini")), QFileDevice::ReadOwner);
    MainWindow form(nullptr, &m_messages);
    QVERIFY(!form.Salva());
    QCOMPARE(m_cwd->read(QStringLiteral("Glyphmux.ini")), QByteArray("precious"));
    QCOMPARE(m_messages.warned.size(), 1);
    QVERIFY(m_messages.warned[0].contains(m_cwd->filePath(QStringLiteral("Glyphmux.ini"))));
}

void TestMainWindow::exitWritesNothing()
{
    MainWindow form(nullptr, &m_messages);
    form.show();
    const QStringList before = QDir(m_cwd->path()).entryList(QDir::Files);
    child<QLineEdit>(&form, "LatinBold12")->setText(QStringLiteral("unsaved"));
    child<QAction>(&form, "cmd_exit")->trigger();
    QVERIFY(!form.isVisible());
    QCOMPARE(QDir(m_cwd->path()).entryList(QDir::Files), before);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
