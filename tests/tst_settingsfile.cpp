// The preference file formats, the text decoding they share, the shipped
// language files and where the program finds them.
#include "core/datafolder.h"
#include "core/languagefile.h"
#include "core/settingsfile.h"
#include "core/textfile.h"
#include "support/tempcwd.h"

#include <QtTest>

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void settingsLines();
    void decoding();
    void firstLine();
    void shippedLanguageFiles_data();
    void shippedLanguageFiles();
    void dataFolderLookup();
};

void TestSettingsFile::settingsLines()
{
    const auto check = [](const QString &line, std::optional<bool> popup, const QString &path) {
        const StoredSettings s = parseSettingsLine(line);
        QVERIFY2(s.popup == popup && s.languagePath == path, qPrintable(line));
    };
    check(QStringLiteral("True|"), true, {});
    check(QStringLiteral("fAlSe|/x/English.lng"), false, QStringLiteral("/x/English.lng"));
    check(QStringLiteral("-1"), true, {});
    check(QStringLiteral(" 0 |"), false, {});
    check(QStringLiteral("2.5|"), true, {});
    for (const char *noTruth : {"", "abc|", "Truex|", "12abc|", "nan|", "inf|"})
        check(QString::fromLatin1(noTruth), std::nullopt, {});
    // Written as "popup|path", so everything after the first bar is the path.
    check(QStringLiteral("False|C:\\a,b|c\\x.lng"), false, QStringLiteral("C:\\a,b|c\\x.lng"));

    QCOMPARE(formatSettingsFile(true, {}), QByteArray("True|\r\n"));
    QCOMPARE(formatSettingsFile(false, QStringLiteral("/ç.lng")), QByteArray("False|/\xc3\xa7.lng\r\n"));
}

void TestSettingsFile::decoding()
{
    const auto check = [](const QByteArray &bytes, const QString &text) { QCOMPARE(decodeLocalText(bytes), text); };
    check("H\xc3\xb6he|\xe2\x82\xac", QStringLiteral("Höhe|€"));
    check("\xef\xbb\xbfHi", QStringLiteral("Hi"));
    check("H\xf6he|\x80|\x93x\x94", QStringLiteral("Höhe|€|“x”"));
    // A UTF-8 sequence cut short at the end is no UTF-8; it must not vanish.
    check("ab\xc3", QStringLiteral("abÃ"));
}

void TestSettingsFile::firstLine()
{
    TempCwd cwd;
    const auto check = [&cwd](const QByteArray &bytes, CutAtComma cut, const QString &expected) {
        cwd.write(QStringLiteral("f"), bytes);
        const FirstLine line = readFirstLine(QStringLiteral("f"), cut);
        QVERIFY(line.ok && line.error.isEmpty());
        QCOMPARE(line.text, expected);
    };
    check("a|b\r\nc", CutAtComma::No, QStringLiteral("a|b"));
    check("a|b\nc", CutAtComma::No, QStringLiteral("a|b"));
    check("a|b\rc", CutAtComma::No, QStringLiteral("a|b"));
    check("a,b|c\r\n", CutAtComma::No, QStringLiteral("a,b|c"));
    check("a,b|c\r\n", CutAtComma::Yes, QStringLiteral("a"));
    check("\xef\xbb\xbf" "a\xc3\xa8|b", CutAtComma::Yes, QStringLiteral("aè|b"));
    // Longer than a read chunk: whole. Endless: cut at the limit.
    check(QByteArray(1000000, 'x') + "\r\n", CutAtComma::No, QString(1000000, QLatin1Char('x')));
    check(QByteArray(maxLineBytes + 100, 'y'), CutAtComma::No, QString(maxLineBytes, QLatin1Char('y')));

    QDir().mkdir(QStringLiteral("folder"));
    for (const QString &bad : {QStringLiteral("missing"), QStringLiteral("folder"), QString(), QStringLiteral("a\0b")}) {
        const FirstLine line = readFirstLine(bad, CutAtComma::Yes);
        QVERIFY(!line.ok && !line.error.isEmpty());
    }
}

void TestSettingsFile::shippedLanguageFiles_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Italiano", "English", "Deutsch", "Francais", "Espanol"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestSettingsFile::shippedLanguageFiles()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(GLYPHMUX_SOURCE_DIR "/Data/%1.lng").arg(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains(',') && bytes.endsWith("\r\n") && bytes.count('\n') == 1);
    const QString text = decodeLocalText(bytes.chopped(2));
    QCOMPARE(text.toUtf8(), bytes.chopped(2)); // read as UTF-8, not as the fallback
    const QStringList fields = splitLanguageFields(readFirstLine(path, CutAtComma::Yes).text);
    QCOMPARE(fields.size(), qsizetype(CaptionFieldCount));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QVERIFY2(!fields[i].isEmpty() && fields[i].trimmed() == fields[i], qPrintable(fields[i]));
        QVERIFY2(std::all_of(fields[i].cbegin(), fields[i].cend(), [](QChar c) { return c.isPrint(); }),
                 qPrintable(fields[i]));
        if (name == QLatin1String("Italiano"))
            QCOMPARE(fields[i], QString::fromUtf8(captionTable()[std::size_t(i)].designedCaption));
    }
}

void TestSettingsFile::dataFolderLookup()
{
    TempCwd cwd;
    const QString program = cwd.filePath(QStringLiteral("prefix/bin"));
    QVERIFY(QDir().mkpath(program));
    QCOMPARE(dataFolderFor(program), program + QStringLiteral("/Data")); // nothing anywhere
    const QString installed = QDir::cleanPath(program + QLatin1Char('/') + installedDataFolderFromProgram());
    QVERIFY(installed.startsWith(cwd.filePath(QStringLiteral("prefix/share/"))));
    QVERIFY(QDir().mkpath(installed));
    QCOMPARE(dataFolderFor(program), installed);
    QVERIFY(QDir().mkpath(program + QStringLiteral("/Data"))); // the build tree's copy wins
    QCOMPARE(dataFolderFor(program), program + QStringLiteral("/Data"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
