// The main window: its initial font map, menus, Salva and ending.
#include "support/expectedini.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/main/form1.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void captionAndSize();
    void initialFontMap();
    void controlsStandInTheirFrames_data();
    void controlsStandInTheirFrames();
    void menus();
    void popupItemToggles();
    void saveWritesWhatTheControlsHold();
    void saveTwiceGivesSameBytes();
    void readOnlyIniIsKeptAndReported();
    void exitWritesNothing();
};

void TestForm1::captionAndSize()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    const QString caption = form.windowTitle();
    QVERIFY(caption.startsWith(QStringLiteral("Glyphmux GUI 1.2.4  2nd edition") + QString(72, QLatin1Char(' '))));
    QVERIFY(!caption.endsWith(QLatin1Char(' ')));
    QVERIFY(caption.size() > 31 + 72);
    QCOMPARE(form.centralWidget()->size(), QSize(744, 388));
}

void TestForm1::initialFontMap()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    const char *faces[] = {"LatinBold12", "LatinBold13", "LatinBold17", "LatinBold19", "LatinPlain12"};
    const char *sizes[] = {"dim12b", "dim13b", "dim17b", "dim19b", "dim12p"};
    const char *initialSizes[] = {"12", "12", "16", "16", "12"};
    for (int i = 0; i < 5; ++i) {
        QLineEdit *face = child<QLineEdit>(&form, faces[i]);
        QVERIFY(face->text().isEmpty());
        QVERIFY(!face->isReadOnly());
        QLineEdit *size = child<QLineEdit>(&form, sizes[i]);
        QCOMPARE(size->text(), QLatin1String(initialSizes[i]));
        QVERIFY(size->isReadOnly());
        const QByteArray n = QByteArray::number(i + 1);
        QVERIFY(child<QLineEdit>(&form, "H" + n)->text().isEmpty());
        QVERIFY(child<QLineEdit>(&form, "W" + n)->text().isEmpty());
        QVERIFY(!child<QCheckBox>(&form, "IT" + n)->isChecked());
        QCOMPARE(child<QLabel>(&form, QByteArray("Label") + QByteArray::number(16 + i))->text(),
                 QLatin1String(faces[i]));
    }
    QCOMPARE(child<QLineEdit>(&form, "Text2")->text(), QStringLiteral("\\data\\fonts\\*.*"));
    QCOMPARE(child<QLineEdit>(&form, "chromavalue")->text(), QStringLiteral("100"));
    QVERIFY(child<QLineEdit>(&form, "chromavalue")->isReadOnly());
    QCOMPARE(child<QLabel>(&form, "ValoreZoom")->text(), QStringLiteral("100"));
    auto *zoom = child<QScrollBar>(&form, "ScrollZoom");
    QCOMPARE(zoom->value(), 100);
    QCOMPARE(zoom->minimum(), 1);
    QCOMPARE(zoom->maximum(), 300);
    auto *chroma = child<QScrollBar>(&form, "chromascroll");
    QCOMPARE(chroma->value(), 0);
    QCOMPARE(chroma->maximum(), 100);
    QCOMPARE(chroma->pageStep(), 10);
    QCOMPARE(chroma->orientation(), Qt::Vertical);

    QCOMPARE(child<QGroupBox>(&form, "Frame2")->title(), QStringLiteral("Nomi dei font"));
    QCOMPARE(child<QGroupBox>(&form, "Frame4")->title(), QStringLiteral("Dimensioni del font"));
    QCOMPARE(child<QGroupBox>(&form, "Frame3")->title(), QStringLiteral("Parametri aggiuntivi"));
    QCOMPARE(child<QGroupBox>(&form, "Frame5")->title(), QStringLiteral("Altri parametri"));
    QCOMPARE(child<QLabel>(&form, "Label37")->text(), QStringLiteral("Altezza"));
    QCOMPARE(child<QLabel>(&form, "Label38")->text(), QStringLiteral("Corsivo"));
    QCOMPARE(child<QLabel>(&form, "Label2")->text(), QStringLiteral("Larghezza"));
    QCOMPARE(child<QLabel>(&form, "Label6")->text(), QStringLiteral("Percorso Font"));
}

void TestForm1::controlsStandInTheirFrames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // in px, relative to the parent

    QTest::newRow("Frame2") << "Frame2" << QRect(8, 224, 289, 161);
    QTest::newRow("Frame5") << "Frame5" << QRect(616, 224, 121, 161);
    QTest::newRow("face field row 3") << "LatinBold17" << QRect(72, 80, 153, 19);
    QTest::newRow("open button row 5") << "Apri5" << QRect(232, 128, 25, 17);
    QTest::newRow("minus row 1") << "Command4" << QRect(24, 32, 17, 17);
    QTest::newRow("plus row 2") << "Command6" << QRect(80, 56, 17, 17);
    QTest::newRow("italic row 4") << "IT4" << QRect(80, 104, 17, 17);
    QTest::newRow("width row 5") << "W5" << QRect(120, 128, 33, 19);
    QTest::newRow("info row 1") << "info12b" << QRect(272, 256, 17, 17);
    QTest::newRow("info row 5") << "info12p" << QRect(272, 352, 17, 17);
    QTest::newRow("zoom bar") << "ScrollZoom" << QRect(8, 48, 105, 17);
    QTest::newRow("chroma spinner") << "chromascroll" << QRect(88, 88, 17, 17);
}

void TestForm1::controlsStandInTheirFrames()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QWidget *widget = form.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void TestForm1::menus()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    const QList<QAction *> bar = form.menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->text(), QStringLiteral("File"));
    QCOMPARE(bar[1]->text(), QStringLiteral("Settings"));
    QCOMPARE(bar[2]->text(), QStringLiteral("?"));
    QCOMPARE(bar[2]->objectName(), QStringLiteral("cmd_help"));
    QVERIFY(!bar[2]->menu());

    const QList<QAction *> file = child<QMenu>(&form, "cmd_file")->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file[0]->objectName(), QStringLiteral("cmd_save"));
    QCOMPARE(file[0]->text(), QStringLiteral("Save to Glyphmux.ini"));
    QCOMPARE(file[1]->objectName(), QStringLiteral("cccc"));
    QVERIFY(file[1]->isSeparator());
    QCOMPARE(file[2]->objectName(), QStringLiteral("cmd_exit"));
    QCOMPARE(file[2]->text(), QStringLiteral("Exit"));

    const QList<QAction *> settings = child<QMenu>(&form, "cmd_settings")->actions();
    QCOMPARE(settings.size(), 2);
    QCOMPARE(settings[0]->objectName(), QStringLiteral("cmd_lang"));
    QCOMPARE(settings[0]->text(), QStringLiteral("Language"));
    QCOMPARE(settings[1]->objectName(), QStringLiteral("visualizza_pop"));
    QCOMPARE(settings[1]->text(), QStringLiteral("Show information popup"));
    QVERIFY(settings[1]->isCheckable());
}

void TestForm1::popupItemToggles()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    auto *popup = child<QAction>(&form, "visualizza_pop");
    QVERIFY(popup->isChecked());
    popup->trigger();
    QVERIFY(!popup->isChecked());
    popup->trigger();
    QVERIFY(popup->isChecked());
}

void TestForm1::saveWritesWhatTheControlsHold()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    child<QLineEdit>(&form, "LatinBold13")->setText(QStringLiteral("Nokia Sans S60"));
    child<QLineEdit>(&form, "H1")->setText(QStringLiteral("10"));
    child<QLineEdit>(&form, "W1")->setText(QStringLiteral("8"));
    child<QCheckBox>(&form, "IT1")->setChecked(true);
    child<QLineEdit>(&form, "Text2")->setText(QStringLiteral("e:\\fonts\\"));
    child<QScrollBar>(&form, "ScrollZoom")->setValue(1);

    QVERIFY(form.Salva());
    QStringList aliases = plainAliasLines(QStringLiteral("Nokia Sans S60"));
    aliases[6] += QStringLiteral(":I");
    aliases[13] += QStringLiteral(":I");
    const QStringList slotLines = {"LatinBold12=@12:Y10:I:W8", "LatinBold13=Nokia Sans S60@12:Y:W",
                               "LatinBold17=@16:Y:W", "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"};
    QCOMPARE(cwd.read(QStringLiteral("Glyphmux.ini")),
             utf16FileBytes(expectedIniLines(slotLines, aliases, QStringLiteral("1"), QStringLiteral("100"),
                                             QStringLiteral("e:\\fonts\\"))));
    QVERIFY(messages.warned.isEmpty());
}

void TestForm1::saveTwiceGivesSameBytes()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QVERIFY(form.Salva());
    const QByteArray first = cwd.read(QStringLiteral("Glyphmux.ini"));
    QVERIFY(form.Salva());
    QCOMPARE(cwd.read(QStringLiteral("Glyphmux.ini")), first);
}

void TestForm1::readOnlyIniIsKeptAndReported()
{
    TempCwd cwd;
    cwd.write(QStringLiteral("Glyphmux.ini"), "precious");
    QFile::setPermissions(cwd.filePath(QStringLiteral("Glyphmux.ini")), QFileDevice::ReadOwner);
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QVERIFY(!form.Salva());
    QCOMPARE(cwd.read(QStringLiteral("Glyphmux.ini")), QByteArray("precious"));
    QCOMPARE(messages.warned.size(), 1);
    QVERIFY(messages.warned[0].contains(cwd.filePath(QStringLiteral("Glyphmux.ini"))));
}

void TestForm1::exitWritesNothing()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    const QStringList before = QDir(cwd.path()).entryList(QDir::Files);
    child<QLineEdit>(&form, "LatinBold12")->setText(QStringLiteral("unsaved"));
    child<QAction>(&form, "cmd_exit")->trigger();
    QVERIFY(!form.isVisible());
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), before);
    QVERIFY(!QFile::exists(cwd.filePath(QStringLiteral("Glyphmux.ini"))));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
