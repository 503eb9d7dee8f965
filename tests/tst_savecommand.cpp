// "Save to Glyphmux.ini" through the main window: the wait for the phone
// model, the copy instructions, the progress title and the about box.
#include "support/expectedini.h"
#include "support/messagerecorder.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/frmabout.h"
#include "ui/main/form1.h"
#include "ui/main/savecommand.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString iniName = QStringLiteral("Glyphmux.ini");
const QString n70Text = QStringLiteral("c:\\system\\fonts\\glyphmux.dll\r\n"
                                       "c:\\data\\fonts\\glyphmux.ini\r\n"
                                       "c:\\data\\fonts\\ font in ttf");
const QString text6630 = QStringLiteral("c:\\system\\fonts\\freetype.dll\r\n") + n70Text;

void save(Form1 &form)
{
    child<QAction>(&form, "cmd_save")->trigger();
}

void confirm(Form1 &form, const char *option = nullptr)
{
    if (option)
        QTest::mouseClick(child<QRadioButton>(&form.form2(), option), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(&form.form2(), "Command1"), Qt::LeftButton);
}

QTimer *timer1(const Form1 &form)
{
    return child<QTimer>(&form, "Timer1");
}

// Glyphmux.ini of the initial font map.
QByteArray initialIni()
{
    return utf16FileBytes(expectedIniLines({"LatinBold12=@12:Y:W", "LatinBold13=@12:Y:W", "LatinBold17=@16:Y:W",
                                            "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"},
                                           plainAliasLines(QString())));
}

void makeIniReadOnly(const TempCwd &cwd)
{
    cwd.write(iniName, "precious");
    QFile::setPermissions(cwd.filePath(iniName), QFileDevice::ReadOwner);
}

} // namespace

class TestSaveCommand : public QObject
{
    Q_OBJECT

private slots:
    void confirmationWrites_data();
    void confirmationWrites();
    void popupOffWritesAtOnce();
    void oneSavePerConfirmation_data();
    void oneSavePerConfirmation();
    void failedSaveShowsOnlyTheError_data();
    void failedSaveShowsOnlyTheError();
    void progressTitleRunsThroughTheTexts();
    void closingTheMainWindowEndsEverything_data();
    void closingTheMainWindowEndsEverything();
    void sideWindowsAreMadeOnceAndKept();
};

void TestSaveCommand::confirmationWrites_data()
{
    QTest::addColumn<QStringList>("options"); // the option clicked in each save
    QTest::addColumn<QString>("expected");
    QTest::newRow("initial selection") << QStringList{QString()} << n70Text;
    QTest::newRow("6630") << QStringList{"Option6630"} << text6630;
    QTest::newRow("6630 then n70") << QStringList{"Option6630", "OptionN70"} << n70Text;
}

void TestSaveCommand::confirmationWrites()
{
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    bool last6630 = false;
    for (const QString &option : options) {
        QFile::remove(cwd.filePath(iniName));
        save(form);
        QVERIFY(form.form2().isVisible());
        QCOMPARE(child<QRadioButton>(&form.form2(), "Option6630")->isChecked(), last6630);
        QCoreApplication::processEvents();
        QVERIFY(!QFile::exists(cwd.filePath(iniName)));
        QVERIFY(!form.modelloscelto);

        confirm(form, option.isEmpty() ? nullptr : option.toLatin1().constData());
        last6630 = option == QLatin1String("Option6630");
        QVERIFY(!form.form2().isVisible());
        QTRY_VERIFY(QFile::exists(cwd.filePath(iniName)));
        QVERIFY(form.form3().isVisible());
        QVERIFY(!form.modelloscelto);
        QVERIFY(timer1(form)->isActive());
    }
    QCOMPARE(child<QLabel>(&form.form3(), "testo")->text(), expected);
    QCOMPARE(cwd.read(iniName), initialIni());
    QVERIFY(messages.warned.isEmpty());
}

void TestSaveCommand::popupOffWritesAtOnce()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    child<QAction>(&form, "visualizza_pop")->trigger();
    save(form);
    QCOMPARE(cwd.read(iniName), initialIni());
    QVERIFY(!form.form2().isVisible());
    QVERIFY(!form.form3().isVisible());
    QVERIFY(!form.modelloscelto);
    QCOMPARE(timer1(form)->interval(), 500);
    QVERIFY(timer1(form)->isActive());
}

void TestSaveCommand::oneSavePerConfirmation_data()
{
    QTest::addColumn<bool>("closeFirst"); // else the command is chosen twice
    QTest::newRow("model window closed, then saved again") << true;
    QTest::newRow("save chosen while the model window is open") << false;
}

// Every attempt to write a read-only Glyphmux.ini shows one warning, so the
// warnings count the writes.
void TestSaveCommand::oneSavePerConfirmation()
{
    QFETCH(bool, closeFirst);
    TempCwd cwd;
    makeIniReadOnly(cwd);
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    save(form);
    if (closeFirst) {
        QVERIFY(form.form2().close());
        QCoreApplication::processEvents();
        QVERIFY(messages.warned.isEmpty());
        QVERIFY(!form.form2().isVisible());
        QVERIFY(!form.modelloscelto);
    }
    save(form);
    QVERIFY(form.form2().isVisible());
    QVERIFY(messages.warned.isEmpty());
    confirm(form);
    QTRY_COMPARE(messages.warned.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(messages.warned.size(), 1);
    QVERIFY(!form.form2().isVisible());
}

void TestSaveCommand::failedSaveShowsOnlyTheError_data()
{
    QTest::addColumn<bool>("popup");
    QTest::newRow("popup on") << true;
    QTest::newRow("popup off") << false;
}

void TestSaveCommand::failedSaveShowsOnlyTheError()
{
    QFETCH(bool, popup);
    TempCwd cwd;
    makeIniReadOnly(cwd);
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    if (!popup)
        child<QAction>(&form, "visualizza_pop")->trigger();
    const QString title = form.windowTitle();
    save(form);
    if (popup)
        confirm(form);
    QTRY_COMPARE(messages.warned.size(), 1);
    QCOMPARE(cwd.read(iniName), QByteArray("precious"));
    // Timer1 is the only thing that starts the progress title.
    QVERIFY(!timer1(form)->isActive());
    QCOMPARE(form.windowTitle(), title);
    QVERIFY(!form.form3().isVisible());
    QVERIFY(!form.modelloscelto);
}

void TestSaveCommand::progressTitleRunsThroughTheTexts()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    child<QAction>(&form, "visualizza_pop")->trigger();
    const QString normal = form.windowTitle();
    QStringList titles;
    QList<qint64> times;
    QElapsedTimer clock;
    connect(&form, &QWidget::windowTitleChanged, &form, [&](const QString &title) {
        titles << title;
        times << clock.elapsed();
    });
    clock.start();
    save(form);
    QVERIFY(titles.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(titles.size(), 4, 5000);
    const QStringList expected = {"Glyphmux GUI 1.2.4 salvataggio in corso.", "Glyphmux GUI 1.2.4 salvataggio in corso..",
                                  "Glyphmux GUI 1.2.4 salvataggio in corso...", normal};
    QCOMPARE(titles, expected);
    QCOMPARE(SaveCommand::progressTitles(), expected.mid(0, 3));
    // Half a second after the save, then each text stays for a moment;
    // lower bounds only, a busy machine may be late but never early.
    QVERIFY2(times[0] >= 450, qPrintable(QString::number(times[0])));
    for (int i = 1; i < 4; ++i)
        QVERIFY2(times[i] - times[i - 1] >= 100, qPrintable(QString::number(times[i] - times[i - 1])));
    QVERIFY(!timer1(form)->isActive());
    QVERIFY(!child<QTimer>(&form, "titleStep")->isActive());
}

void TestSaveCommand::closingTheMainWindowEndsEverything_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<bool>("written");
    QTest::newRow("waiting for the model") << 0 << false;
    QTest::newRow("confirmation on its way") << 1 << false;
    QTest::newRow("title pending") << 2 << true;
    QTest::newRow("title running") << 3 << true;
}

void TestSaveCommand::closingTheMainWindowEndsEverything()
{
    QFETCH(int, stage);
    QFETCH(bool, written);
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    const QString normal = form.windowTitle();
    child<QAction>(&form, "cmd_help")->trigger();
    save(form);
    if (stage >= 1)
        confirm(form);
    if (stage >= 2)
        QTRY_VERIFY(form.form3().isVisible());
    if (stage >= 3)
        QTRY_VERIFY(form.windowTitle() != normal);

    QVERIFY(form.close());
    QVERIFY(!form.form2().isVisible());
    QVERIFY(!form.form3().isVisible());
    QVERIFY(!form.aboutBox().isVisible());
    QVERIFY(!timer1(form)->isActive());
    QVERIFY(!child<QTimer>(&form, "titleStep")->isActive());
    QCOMPARE(form.windowTitle(), normal);
    QCoreApplication::processEvents();
    QCOMPARE(QFile::exists(cwd.filePath(iniName)), written);
    QVERIFY(!form.form3().isVisible());
    QVERIFY(!form.modelloscelto);
}

void TestSaveCommand::sideWindowsAreMadeOnceAndKept()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    form.show();
    // A language can retitle the model window before it was ever shown.
    form.form2().setWindowTitle(QStringLiteral("Choose the phone"));
    Form2 *form2 = &form.form2();
    save(form);
    QCOMPARE(&form.form2(), form2);
    QCOMPARE(form2->windowTitle(), QStringLiteral("Choose the phone"));

    auto *help = child<QAction>(&form, "cmd_help");
    help->trigger();
    frmAbout *about = &form.aboutBox();
    QVERIFY(about->isVisible());
    help->trigger();
    QCOMPARE(&form.aboutBox(), about);
    QVERIFY(about->isVisible());
    QVERIFY(form2->isVisible());
    QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QStringLiteral("Glyphmux GUI"));
    QCOMPARE(child<QLabel>(about, "lblVersion")->text(), QStringLiteral("Versione 1.2.4"));
    QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    help->trigger();
    QVERIFY(about->isVisible());

    int aboutBoxes = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        aboutBoxes += top->objectName() == QLatin1String("frmAbout");
    QCOMPARE(aboutBoxes, 1);
    // The side windows' controls are not the main window's.
    QVERIFY(!form.findChild<QObject *>(QStringLiteral("lblTitle")));
    QVERIFY(!form.findChild<QObject *>(QStringLiteral("OptionN70")));
    QVERIFY(!form.findChild<QObject *>(QStringLiteral("testo")));
    QVERIFY(!form.form3().parent());
}

QTEST_MAIN(TestSaveCommand)
#include "tst_savecommand.moc"
