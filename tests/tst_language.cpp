// Preferences across restarts: settings.fs at start-up, language files on
// the captions, and the "Language" command.
#include "core/datafolder.h"
#include "core/languagefile.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/dialogs/form2.h"
#include "ui/main/form1.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

namespace {

const QString restartMessage = QStringLiteral("Restart the program to change language");
const QString englishFile = QStringLiteral(GLYPHMUX_SOURCE_DIR "/Data/English.lng");
const QString settingsName = QStringLiteral("settings.fs");

QStringList designed()
{
    QStringList captions;
    for (const CaptionField &field : captionTable())
        captions << QString::fromUtf8(field.designedCaption);
    return captions;
}

QStringList numbered(int count) // "T0|T1|...": every caption recognisable
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        captions << QStringLiteral("T%1").arg(i);
    return captions;
}

QStringList captionsOf(Form1 &form)
{
    QStringList captions;
    for (const CaptionField &field : captionTable()) {
        QWidget *control = form.findChild<QWidget *>(QLatin1String(field.control));
        if (&field == &captionTable()[PhoneModelTitleField])
            captions << form.form2().windowTitle();
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            captions << frame->title();
        else if (auto *label = qobject_cast<QLabel *>(control))
            captions << label->text();
        else
            captions << QStringLiteral("<no control %1>").arg(QLatin1String(field.control));
    }
    return captions;
}

bool popupChecked(const Form1 &form)
{
    return child<QAction>(&form, "visualizza_pop")->isChecked();
}

QByteArray line(const QString &text)
{
    return text.toUtf8() + "\r\n";
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
    void commaInLanguagePathSurvivesRestart();
    void encodings_data();
    void encodings();
    void fieldCounts_data();
    void fieldCounts();
    void languageCommand();
    void unreadableChosenLanguage();
    void popupToggleWritesAtOnce();
};

void TestLanguage::startUp_data()
{
    QTest::addColumn<QByteArray>("stored"); // null: no settings.fs at all
    QTest::addColumn<bool>("popup");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("first start") << QByteArray() << true << QByteArray("True|\r\n");
    QTest::newRow("False|") << QByteArray("False|\r\n") << false << QByteArray("False|\r\n");
    QTest::newRow("TRUE|") << QByteArray("TRUE|") << true << QByteArray("True|\r\n");
    QTest::newRow("-1|") << QByteArray("-1|\n") << true << QByteArray("True|\r\n");
    QTest::newRow("abc|") << QByteArray("abc|\r\n") << true << QByteArray("True|\r\n");
    QTest::newRow("False without bar") << QByteArray("False") << false << QByteArray("False|\r\n");
    QTest::newRow("empty file") << QByteArray("") << true << QByteArray("True|\r\n");
    QTest::newRow("second line ignored") << QByteArray("False|\r\nTrue|x") << false << QByteArray("False|\r\n");
    QTest::newRow("missing language file") << QByteArray("0|gone.lng") << false << QByteArray("False|gone.lng\r\n");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        if (const char c = char((i * 131 + 7) & 0xff); c != '|' && c != '\r' && c != '\n')
            garbage += c;
    QTest::newRow("binary garbage") << garbage << true << QByteArray("True|\r\n");
    const QByteArray longPath = "/" + QByteArray(1 << 20, 'p') + ".lng";
    QTest::newRow("1 MB line") << "False|" + longPath << false << "False|" + longPath + "\r\n";
}

void TestLanguage::startUp()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, popup);
    QFETCH(QByteArray, written);
    TempCwd cwd;
    if (!stored.isNull())
        cwd.write(settingsName, stored);
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QCOMPARE(popupChecked(form), popup);
    QCOMPARE(cwd.read(settingsName), written);
    QCOMPARE(captionsOf(form), designed());
    QVERIFY(messages.informed.isEmpty() && messages.warned.isEmpty());
    // Each caption reaches exactly one control.
    for (const CaptionField &field : captionTable())
        QVERIFY2(form.findChildren<QWidget *>(QLatin1String(field.control)).size()
                     == (&field == &captionTable()[PhoneModelTitleField] ? 0 : 1),
                 field.control);
}

void TestLanguage::commaInLanguagePathSurvivesRestart()
{
    TempCwd cwd;
    QVERIFY(QDir().mkdir(QStringLiteral("lingue, mie")));
    const QString path = cwd.filePath(QStringLiteral("lingue, mie/Mia.lng"));
    cwd.write(QStringLiteral("lingue, mie/Mia.lng"), numbered(39).join(QLatin1Char('|')).toUtf8());
    cwd.write(settingsName, line(QStringLiteral("False|") + path));
    MessageRecorder messages;
    for (int start = 0; start < 2; ++start) {
        Form1 form(nullptr, &messages);
        QCOMPARE(captionsOf(form), numbered(39));
        QCOMPARE(cwd.read(settingsName), line(QStringLiteral("False|") + path));
    }
}

void TestLanguage::encodings_data()
{
    QTest::addColumn<QByteArray>("field"); // the bytes of every one of the 39 fields
    QTest::addColumn<QString>("caption");
    QTest::newRow("windows-1252") << QByteArray("Qualit\xe0 \x80 \x93ok\x94") << QStringLiteral("Qualità € “ok”");
    QTest::newRow("utf-8") << QByteArray("Qualit\xc3\xa0 \xe2\x82\xac H\xc3\xb6he") << QStringLiteral("Qualità € Höhe");
}

void TestLanguage::encodings()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, caption);
    TempCwd cwd;
    // The path has an accent too: stored as UTF-8 and read back.
    const QString path = cwd.filePath(QStringLiteral("lingua-è.lng"));
    cwd.write(QStringLiteral("lingua-è.lng"), QList<QByteArray>(39, field).join('|') + "\r\n");
    cwd.write(settingsName, line(QStringLiteral("True|") + path));
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QCOMPARE(captionsOf(form), QStringList(39, caption));
}

void TestLanguage::fieldCounts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("captions");
    const auto join = [](const QStringList &fields) { return fields.join(QLatin1Char('|')).toUtf8(); };
    QTest::newRow("39 fields") << join(numbered(39)) << numbered(39);
    QTest::newRow("40 fields") << join(numbered(40)) << numbered(39);
    QTest::newRow("10 fields") << join(numbered(10)) << numbered(10) + designed().mid(10);
    QTest::newRow("comma") << "Menu, principale|" + join(numbered(39)) << QStringList{"Menu"} + designed().mid(1);
    QTest::newRow("empty fields") << QByteArray("|| x ") << QStringList{"", "", " x "} + designed().mid(3);
    QTest::newRow("first line only") << "T0\r\n" + join(numbered(39)) << QStringList{"T0"} + designed().mid(1);
    QTest::newRow("empty file") << QByteArray() << designed();
    QTest::newRow("empty first line") << QByteArray("\r\nT0|T1") << designed();
}

void TestLanguage::fieldCounts()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, captions);
    TempCwd cwd;
    cwd.write(QStringLiteral("lingua.lng"), file);
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form(&chooser, &messages);
    chooser.answer(cwd.filePath(QStringLiteral("lingua.lng")));
    child<QAction>(&form, "cmd_lang")->trigger();
    QCOMPARE(captionsOf(form), captions);
    QCOMPARE(child<QLabel>(&form, "Label16")->text(), QStringLiteral("LatinBold12")); // not in the table
    QCOMPARE(messages.informed, QStringList{restartMessage});
}

void TestLanguage::languageCommand()
{
    TempCwd cwd;
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form(&chooser, &messages);

    QStringList behind;
    messages.whileShown = [&](const QString &) { behind = captionsOf(form); };
    chooser.answer(englishFile);
    child<QAction>(&form, "cmd_lang")->trigger();
    QCOMPARE(chooser.shown.value(0).initialFolder, QDir::toNativeSeparators(dataFolder()));
    QCOMPARE(chooser.shown.value(0).filter, QStringLiteral("Language file (*.lng)"));
    QCOMPARE(messages.informed, QStringList{restartMessage});
    QCOMPARE(behind.value(30), QStringLiteral("Font names")); // applied before the message
    QCOMPARE(behind.value(38), QStringLiteral("Choose the phone model"));
    for (const char *name : {"Label37", "menustandby"})
        QCOMPARE(child<QLabel>(&form, name)->textFormat(), Qt::PlainText);
    QCOMPARE(cwd.read(settingsName), line(QStringLiteral("True|") + englishFile));

    // Cancel applies the chosen language once more and still shows the message.
    child<QGroupBox>(&form, "Frame2")->setTitle(QStringLiteral("changed"));
    chooser.cancel();
    child<QAction>(&form, "cmd_lang")->trigger();
    QCOMPARE(captionsOf(form), behind);
    QCOMPARE(messages.informed, QStringList(2, restartMessage));
    QCOMPARE(cwd.read(settingsName), line(QStringLiteral("True|") + englishFile));
    QVERIFY(messages.warned.isEmpty());

    // The next start applies it before the window is first shown.
    Form1 restarted(nullptr, &messages);
    QVERIFY(!restarted.isVisible());
    QCOMPARE(captionsOf(restarted), behind);
    QVERIFY(!restarted.form2().isVisible()); // titled, not shown
}

void TestLanguage::unreadableChosenLanguage()
{
    TempCwd cwd;
    QVERIFY(QDir().mkdir(QStringLiteral("folder.lng")));
    cwd.write(settingsName, line(QStringLiteral("False|") + englishFile));
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form(&chooser, &messages);
    const QStringList english = captionsOf(form);
    for (const QString &chosen : {QStringLiteral("missing.lng"), QStringLiteral("folder.lng")}) {
        messages.warned.clear();
        chooser.answer(cwd.filePath(chosen));
        child<QAction>(&form, "cmd_lang")->trigger();
        QVERIFY(messages.informed.isEmpty());
        QCOMPARE(messages.warned.size(), 1);
        QVERIFY2(messages.warned[0].contains(cwd.filePath(chosen)), qPrintable(messages.warned[0]));
        QCOMPARE(form.traduzione().fileName, englishFile);
        QCOMPARE(cwd.read(settingsName), line(QStringLiteral("False|") + englishFile));
        QCOMPARE(captionsOf(form), english);
    }
}

void TestLanguage::popupToggleWritesAtOnce()
{
    TempCwd cwd;
    cwd.write(settingsName, line(QStringLiteral("True|") + englishFile));
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    for (const char *expected : {"False|", "True|"}) {
        QFile::remove(cwd.filePath(settingsName));
        child<QAction>(&form, "visualizza_pop")->trigger();
        QCOMPARE(cwd.read(settingsName), line(QLatin1String(expected) + englishFile));
    }
    QVERIFY(popupChecked(form));

    // A read-only file stays as it was, silently; the state holds for this run.
    QFile::setPermissions(cwd.filePath(settingsName), QFileDevice::ReadOwner);
    child<QAction>(&form, "visualizza_pop")->trigger();
    QVERIFY(!popupChecked(form));
    QCOMPARE(cwd.read(settingsName), line(QStringLiteral("True|") + englishFile));
    QVERIFY(messages.warned.isEmpty());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
