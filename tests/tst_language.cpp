// Preferences across restarts: settings.fs, language files applied to the
// captions, and the "Language" command.
#include "core/datafolder.h"
#include "core/languagefile.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/main/form1.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

namespace {

const QString restartMessage = QStringLiteral("Restart the program to change language");
const QString englishFile = QStringLiteral(GLYPHMUX_SOURCE_DIR "/Data/English.lng");

QStringList designedCaptions()
{
    QStringList captions;
    for (const CaptionField &field : captionTable())
        captions << QString::fromUtf8(field.designedCaption);
    return captions;
}

// Field i as "T<i>", for files whose every caption is recognisable.
QStringList numberedCaptions(int count)
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        captions << QStringLiteral("T%1").arg(i);
    return captions;
}

QString captionOf(const Form1 &form, std::size_t field)
{
    if (field == PhoneModelTitleField)
        return form.phoneModelTitle();
    QWidget *control = form.findChild<QWidget *>(QLatin1String(captionTable()[field].control));
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    return QStringLiteral("<no control %1>").arg(QLatin1String(captionTable()[field].control));
}

QStringList captionsOf(const Form1 &form)
{
    QStringList captions;
    for (std::size_t i = 0; i < CaptionFieldCount; ++i)
        captions << captionOf(form, i);
    return captions;
}

bool popupChecked(const Form1 &form)
{
    return child<QAction>(&form, "visualizza_pop")->isChecked();
}

QByteArray settingsLine(const QString &text)
{
    return text.toUtf8() + "\r\n";
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void firstStartWritesDefaults();
    void storedSettings_data();
    void storedSettings();
    void garbagePathIsKeptStable();
    void unreadableStoredLanguageIsSilent();
    void commaInLanguagePathSurvivesRestart();
    void encodings_data();
    void encodings();
    void fieldCounts_data();
    void fieldCounts();
    void languageCommand();
    void cancelledLanguageCommand();
    void unreadableChosenLanguage_data();
    void unreadableChosenLanguage();
    void popupToggleWritesAtOnce();
    void readOnlySettingsStayWhole();
};

void TestLanguage::firstStartWritesDefaults()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QVERIFY(popupChecked(form));
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), QByteArray("True|\r\n"));
    QCOMPARE(captionsOf(form).mid(0, 38), designedCaptions().mid(0, 38));
    QVERIFY(messages.informed.isEmpty() && messages.warned.isEmpty());
}

void TestLanguage::storedSettings_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("popup");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("False|") << QByteArray("False|\r\n") << false << QByteArray("False|\r\n");
    QTest::newRow("TRUE|") << QByteArray("TRUE|") << true << QByteArray("True|\r\n");
    QTest::newRow("-1|") << QByteArray("-1|\r\n") << true << QByteArray("True|\r\n");
    QTest::newRow("0|") << QByteArray("0|\n") << false << QByteArray("False|\r\n");
    QTest::newRow("abc|") << QByteArray("abc|\r\n") << true << QByteArray("True|\r\n");
    QTest::newRow("False without bar") << QByteArray("False") << false << QByteArray("False|\r\n");
    QTest::newRow("empty file") << QByteArray() << true << QByteArray("True|\r\n");
    QTest::newRow("second line ignored") << QByteArray("False|\r\nTrue|x.lng\r\n") << false
                                         << QByteArray("False|\r\n");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        const char c = char((i * 131 + 7) & 0xff);
        if (c != '|' && c != '\r' && c != '\n')
            garbage += c;
    }
    QTest::newRow("binary garbage") << garbage << true << QByteArray("True|\r\n");
    const QByteArray longPath = "/" + QByteArray(1 << 20, 'p') + ".lng";
    QTest::newRow("1 MB line") << QByteArray("False|" + longPath) << false
                               << QByteArray("False|" + longPath + "\r\n");
}

void TestLanguage::storedSettings()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, popup);
    QFETCH(QByteArray, written);
    TempCwd cwd;
    cwd.write(QStringLiteral("settings.fs"), stored);
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QCOMPARE(popupChecked(form), popup);
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), written);
    QCOMPARE(captionsOf(form).mid(0, 38), designedCaptions().mid(0, 38));
    QVERIFY(messages.informed.isEmpty() && messages.warned.isEmpty());
}

void TestLanguage::garbagePathIsKeptStable()
{
    // Whatever the stored path holds, one start settles it and the next
    // start reads back exactly what the first one wrote.
    TempCwd cwd;
    QByteArray garbage("False|");
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n')
            garbage += char(i);
    cwd.write(QStringLiteral("settings.fs"), garbage);
    MessageRecorder messages;
    QByteArray first;
    {
        Form1 form(nullptr, &messages);
        QVERIFY(!popupChecked(form));
        first = cwd.read(QStringLiteral("settings.fs"));
    }
    QVERIFY(first.startsWith("False|") && first.endsWith("\r\n"));
    Form1 again(nullptr, &messages);
    QVERIFY(!popupChecked(again));
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), first);
    QVERIFY(messages.warned.isEmpty());
}

void TestLanguage::unreadableStoredLanguageIsSilent()
{
    TempCwd cwd;
    const QByteArray stored = settingsLine(cwd.filePath(QStringLiteral("gone.lng")));
    cwd.write(QStringLiteral("settings.fs"), "True|" + stored);
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), "True|" + stored);
    QCOMPARE(form.traduzione().fileName, cwd.filePath(QStringLiteral("gone.lng")));
    QCOMPARE(captionsOf(form).mid(0, 38), designedCaptions().mid(0, 38));
    QVERIFY(messages.informed.isEmpty() && messages.warned.isEmpty());
}

void TestLanguage::commaInLanguagePathSurvivesRestart()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkpath(QStringLiteral("lingue, mie")));
    const QString path = cwd.filePath(QStringLiteral("lingue, mie/Mia.lng"));
    cwd.write(QStringLiteral("lingue, mie/Mia.lng"), numberedCaptions(39).join(QLatin1Char('|')).toUtf8());
    cwd.write(QStringLiteral("settings.fs"), settingsLine(QStringLiteral("False|") + path));
    MessageRecorder messages;
    for (int start = 0; start < 2; ++start) {
        Form1 form(nullptr, &messages);
        QCOMPARE(form.traduzione().fileName, path);
        QCOMPARE(captionsOf(form), numberedCaptions(39));
        QCOMPARE(cwd.read(QStringLiteral("settings.fs")), settingsLine(QStringLiteral("False|") + path));
    }
}

void TestLanguage::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption"); // of every field

    QTest::newRow("windows-1252") << QByteArray("Qualit\xe0 \x80 \x93ok\x94") << QStringLiteral("Qualità € “ok”");
    QTest::newRow("utf-8") << QByteArray("Qualit\xc3\xa0 \xe2\x82\xac H\xc3\xb6he") << QStringLiteral("Qualità € Höhe");
    QTest::newRow("utf-8 with BOM") << QByteArray("\xef\xbb\xbf\xc3\xa9t\xc3\xa9") << QStringLiteral("été");
}

void TestLanguage::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, caption);
    TempCwd cwd;
    QByteArray file = bytes.startsWith("\xef\xbb\xbf") ? bytes : QByteArray();
    const QByteArray field = bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3) : bytes;
    for (int i = 0; i < 39; ++i)
        file += (i ? "|" : "") + field;
    cwd.write(QStringLiteral("lingua.lng"), file + "\r\n");
    // The path itself has an accent, stored as UTF-8 and read back.
    const QString path = cwd.filePath(QStringLiteral("lingua.lng"));
    cwd.write(QStringLiteral("settings.fs"), settingsLine(QStringLiteral("True|") + path));
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QCOMPARE(captionsOf(form), QStringList(39, caption));
}

void TestLanguage::fieldCounts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("captions");

    const QStringList designed = designedCaptions();
    const QStringList all = numberedCaptions(39);
    QTest::newRow("39 fields") << all.join(QLatin1Char('|')).toUtf8() << all;
    QTest::newRow("40 fields") << numberedCaptions(40).join(QLatin1Char('|')).toUtf8() << all;
    QTest::newRow("10 fields") << numberedCaptions(10).join(QLatin1Char('|')).toUtf8()
                               << numberedCaptions(10) + designed.mid(10);
    QTest::newRow("comma cuts the line") << ("Menu, principale|" + all.mid(1).join(QLatin1Char('|')).toUtf8())
                                         << QStringList{QStringLiteral("Menu")} + designed.mid(1);
    QTest::newRow("empty fields") << QByteArray("|| x ") << QStringList{QString(), QString(), QStringLiteral(" x ")}
                                                                + designed.mid(3);
    QTest::newRow("only the first line") << ("T0\r\n" + all.join(QLatin1Char('|')).toUtf8())
                                         << QStringList{QStringLiteral("T0")} + designed.mid(1);
    QTest::newRow("empty file") << QByteArray() << designed;
    QTest::newRow("empty first line") << QByteArray("\r\nT0|T1") << designed;
}

void TestLanguage::fieldCounts()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, captions);
    TempCwd cwd;
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form(&chooser, &messages);
    const QString designedTitle = form.phoneModelTitle();
    if (captions[38] == designedCaptions()[38])
        captions[38] = designedTitle; // not set by this file
    cwd.write(QStringLiteral("lingua.lng"), file);
    chooser.answer(cwd.filePath(QStringLiteral("lingua.lng")));
    child<QAction>(&form, "cmd_lang")->trigger();
    QCOMPARE(captionsOf(form), captions);
    // Nothing outside the table changes.
    QCOMPARE(child<QLabel>(&form, "Label16")->text(), QStringLiteral("LatinBold12"));
    QCOMPARE(messages.informed, QStringList{restartMessage});
}

void TestLanguage::languageCommand()
{
    TempCwd cwd;
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form(&chooser, &messages);
    QStringList behind;
    messages.whileShown = [&](const QString &) {
        behind = captionsOf(form);
        // The message comes before the settings are written.
        QCOMPARE(cwd.read(QStringLiteral("settings.fs")), settingsLine(QStringLiteral("True|") + englishFile));
    };
    chooser.answer(englishFile);
    child<QAction>(&form, "cmd_lang")->trigger();

    QCOMPARE(chooser.shown.size(), 1);
    QCOMPARE(chooser.shown[0].initialFolder, QDir::toNativeSeparators(dataFolder()));
    QCOMPARE(chooser.shown[0].filter, QStringLiteral("Language file (*.lng)"));
    QCOMPARE(messages.informed, QStringList{restartMessage});
    QVERIFY(messages.warned.isEmpty());
    QCOMPARE(behind.value(30), QStringLiteral("Font names"));
    QCOMPARE(behind.value(38), QStringLiteral("Choose the phone model"));
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), settingsLine(QStringLiteral("True|") + englishFile));

    // The next start applies it before the window is shown.
    Form1 restarted(nullptr, &messages);
    QVERIFY(!restarted.isVisible());
    QCOMPARE(captionsOf(restarted), behind);
}

void TestLanguage::cancelledLanguageCommand()
{
    TempCwd cwd;
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form(&chooser, &messages);

    // No language yet: the message still comes, nothing else changes.
    chooser.cancel();
    child<QAction>(&form, "cmd_lang")->trigger();
    QCOMPARE(messages.informed, QStringList{restartMessage});
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), QByteArray("True|\r\n"));

    // With a language chosen, Cancel applies it once more.
    chooser.answer(englishFile);
    child<QAction>(&form, "cmd_lang")->trigger();
    child<QGroupBox>(&form, "Frame2")->setTitle(QStringLiteral("changed"));
    chooser.cancel();
    child<QAction>(&form, "cmd_lang")->trigger();
    QCOMPARE(child<QGroupBox>(&form, "Frame2")->title(), QStringLiteral("Font names"));
    QCOMPARE(messages.informed, QStringList(3, restartMessage));
    QCOMPARE(form.traduzione().fileName, englishFile);
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), settingsLine(QStringLiteral("True|") + englishFile));
    QVERIFY(messages.warned.isEmpty());
}

void TestLanguage::unreadableChosenLanguage_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::newRow("missing file") << QStringLiteral("missing.lng");
    QTest::newRow("folder") << QStringLiteral("folder.lng");
    QTest::newRow("no read permission") << QStringLiteral("secret.lng");
}

void TestLanguage::unreadableChosenLanguage()
{
    QFETCH(QString, chosen);
    TempCwd cwd;
    QDir().mkdir(QStringLiteral("folder.lng"));
    cwd.write(QStringLiteral("secret.lng"), "A|B");
    QFile::setPermissions(cwd.filePath(QStringLiteral("secret.lng")), QFileDevice::WriteOwner);
    if (chosen == QLatin1String("secret.lng") && QFile(cwd.filePath(chosen)).open(QIODevice::ReadOnly))
        QSKIP("running with rights that read any file");

    cwd.write(QStringLiteral("settings.fs"), settingsLine(QStringLiteral("False|") + englishFile));
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form(&chooser, &messages);
    const QStringList english = captionsOf(form);
    chooser.answer(cwd.filePath(chosen));
    child<QAction>(&form, "cmd_lang")->trigger();

    QVERIFY(messages.informed.isEmpty());
    QCOMPARE(messages.warned.size(), 1);
    QVERIFY2(messages.warned[0].contains(cwd.filePath(chosen)), qPrintable(messages.warned[0]));
    QCOMPARE(form.traduzione().fileName, englishFile);
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), settingsLine(QStringLiteral("False|") + englishFile));
    QCOMPARE(captionsOf(form), english);
}

void TestLanguage::popupToggleWritesAtOnce()
{
    TempCwd cwd;
    cwd.write(QStringLiteral("settings.fs"), settingsLine(QStringLiteral("True|") + englishFile));
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    auto *popup = child<QAction>(&form, "visualizza_pop");
    QFile::remove(cwd.filePath(QStringLiteral("settings.fs")));
    popup->trigger();
    QVERIFY(!popup->isChecked());
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), settingsLine(QStringLiteral("False|") + englishFile));
    QFile::remove(cwd.filePath(QStringLiteral("settings.fs")));
    popup->trigger();
    QVERIFY(popup->isChecked());
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), settingsLine(QStringLiteral("True|") + englishFile));
}

void TestLanguage::readOnlySettingsStayWhole()
{
    TempCwd cwd;
    cwd.write(QStringLiteral("settings.fs"), "FALSE|");
    QFile::setPermissions(cwd.filePath(QStringLiteral("settings.fs")), QFileDevice::ReadOwner);
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    QVERIFY(!popupChecked(form));
    child<QAction>(&form, "visualizza_pop")->trigger();
    QVERIFY(popupChecked(form)); // in force for this run
    QCOMPARE(cwd.read(QStringLiteral("settings.fs")), QByteArray("FALSE|"));
    QVERIFY(messages.warned.isEmpty());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
