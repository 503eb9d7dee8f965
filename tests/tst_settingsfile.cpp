// The file formats behind the preferences: settings.fs, language files, the
// text decoding they share, the shipped language files and where they are.
#include "core/datafolder.h"
#include "core/languagefile.h"
#include "core/settingsfile.h"
#include "core/textfile.h"
#include "support/tempcwd.h"

#include <QDir>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<bool>)

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void truthValues_data();
    void truthValues();
    void settingsLines();
    void settingsFileBytes();
    void decoding_data();
    void decoding();
    void firstLine();
    void unreadableFiles();
    void languageFields();
    void shippedLanguageFiles_data();
    void shippedLanguageFiles();
    void italianFileHoldsTheDesignedCaptions();
    void dataFolderLookup();
};

void TestSettingsFile::truthValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<bool>>("expected");
    const std::optional<bool> none;
    QTest::newRow("True") << "True" << std::optional<bool>(true);
    QTest::newRow("TRUE") << "TRUE" << std::optional<bool>(true);
    QTest::newRow("false") << "false" << std::optional<bool>(false);
    QTest::newRow("fAlSe") << "fAlSe" << std::optional<bool>(false);
    QTest::newRow("-1") << "-1" << std::optional<bool>(true);
    QTest::newRow("0") << "0" << std::optional<bool>(false);
    QTest::newRow("0.0") << "0.0" << std::optional<bool>(false);
    QTest::newRow("2.5") << "2.5" << std::optional<bool>(true);
    QTest::newRow("abc") << "abc" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("Truex") << "Truex" << none;
    QTest::newRow("12abc") << "12abc" << none;
    QTest::newRow("nan") << "nan" << none;
    QTest::newRow("inf") << "inf" << none;
}

void TestSettingsFile::truthValues()
{
    QFETCH(QString, text);
    QFETCH(std::optional<bool>, expected);
    QCOMPARE(parseTruthValue(text), expected);
}

void TestSettingsFile::settingsLines()
{
    const auto check = [](const QString &line, std::optional<bool> popup, const QString &path) {
        const StoredSettings s = parseSettingsLine(line);
        QCOMPARE(s.popup, popup);
        QCOMPARE(s.languagePath, path);
    };
    check(QStringLiteral("True|"), true, QString());
    check(QStringLiteral("False|/opt/x/Data/English.lng"), false, QStringLiteral("/opt/x/Data/English.lng"));
    check(QStringLiteral("False"), false, QString());
    check(QString(), std::nullopt, QString());
    check(QStringLiteral("abc|/a.lng"), std::nullopt, QStringLiteral("/a.lng"));
    // Writing puts the whole path after the first bar, so reading takes all of it.
    check(QStringLiteral("False|C:\\a,b|c\\x.lng"), false, QStringLiteral("C:\\a,b|c\\x.lng"));
}

void TestSettingsFile::settingsFileBytes()
{
    QCOMPARE(formatSettingsFile(true, QString()), QByteArray("True|\r\n"));
    QCOMPARE(formatSettingsFile(false, QStringLiteral("/d/Français.lng")),
             QByteArray("False|/d/Fran\xc3\xa7" "ais.lng\r\n"));
}

void TestSettingsFile::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Menu|Opzioni") << QStringLiteral("Menu|Opzioni");
    QTest::newRow("utf-8") << QByteArray("H\xc3\xb6he|\xe2\x82\xac") << QStringLiteral("Höhe|€");
    QTest::newRow("utf-8 with BOM") << QByteArray("\xef\xbb\xbfHi") << QStringLiteral("Hi");
    QTest::newRow("windows-1252") << QByteArray("H\xf6he|\x80|\x93x\x94") << QStringLiteral("Höhe|€|“x”");
    // A lone lead byte at the very end is no UTF-8; it must not just vanish.
    QTest::newRow("cut UTF-8 sequence at the end") << QByteArray("ab\xc3") << QStringLiteral("abÃ");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestSettingsFile::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeLocalText(bytes), text);
}

void TestSettingsFile::firstLine()
{
    TempCwd cwd;
    const auto check = [&cwd](const QByteArray &bytes, CutAtComma cut, const QString &expected) {
        cwd.write(QStringLiteral("f"), bytes);
        const FirstLine line = readFirstLine(QStringLiteral("f"), cut);
        QVERIFY(line.ok);
        QVERIFY(line.error.isEmpty());
        QCOMPARE(line.text, expected);
    };
    check("a|b\r\nc|d\r\n", CutAtComma::No, QStringLiteral("a|b"));
    check("a|b\nc", CutAtComma::No, QStringLiteral("a|b"));
    check("a|b\rc", CutAtComma::No, QStringLiteral("a|b"));
    check("a,b|c\r\n", CutAtComma::No, QStringLiteral("a,b|c"));
    check("a,b|c\r\n", CutAtComma::Yes, QStringLiteral("a"));
    check("a|b\r\nc,d", CutAtComma::Yes, QStringLiteral("a|b"));
    check("", CutAtComma::Yes, QString());
    check("\r\nx", CutAtComma::No, QString());
    check("\xef\xbb\xbf" "a\xc3\xa8|b", CutAtComma::Yes, QStringLiteral("aè|b"));

    // A line longer than a read chunk comes back whole; an endless one is cut.
    const QByteArray long1 = QByteArray(1000000, 'x');
    check(long1 + "\r\n", CutAtComma::No, QString::fromLatin1(long1));
    check(QByteArray(maxLineBytes + 100, 'y'), CutAtComma::No, QString(maxLineBytes, QLatin1Char('y')));
}

void TestSettingsFile::unreadableFiles()
{
    TempCwd cwd;
    const auto check = [](const QString &path) {
        const FirstLine line = readFirstLine(path, CutAtComma::Yes);
        QVERIFY(!line.ok);
        QVERIFY(!line.error.isEmpty());
        QVERIFY(line.text.isEmpty());
    };
    check(QStringLiteral("missing.lng"));
    QDir().mkdir(QStringLiteral("folder.lng"));
    check(QStringLiteral("folder.lng"));
    check(QString());
}

void TestSettingsFile::languageFields()
{
    const auto check = [](const QString &text, const QStringList &fields) {
        QCOMPARE(splitLanguageFields(text), fields);
    };
    check(QString(), {});
    check(QStringLiteral("Menu"), {QStringLiteral("Menu")});
    check(QStringLiteral(" a |"), {QStringLiteral(" a "), QString()});
    check(QStringLiteral("||"), {QString(), QString(), QString()});
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
    QFile file(QStringLiteral(GLYPHMUX_SOURCE_DIR "/Data/") + name + QStringLiteral(".lng"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains(','));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), 1);
    const QString text = QString::fromUtf8(bytes.chopped(2));
    QCOMPARE(text.toUtf8(), bytes.chopped(2)); // valid UTF-8, read as such
    QCOMPARE(decodeLocalText(bytes.chopped(2)), text);
    for (QChar c : text)
        QVERIFY2(c.isPrint(), qPrintable(text));

    const QStringList fields = splitLanguageFields(readFirstLine(file.fileName(), CutAtComma::Yes).text);
    QCOMPARE(fields.size(), qsizetype(CaptionFieldCount));
    for (const QString &field : fields)
        QVERIFY2(!field.trimmed().isEmpty() && field.trimmed() == field, qPrintable(field));
}

void TestSettingsFile::italianFileHoldsTheDesignedCaptions()
{
    const QStringList fields = splitLanguageFields(
        readFirstLine(QStringLiteral(GLYPHMUX_SOURCE_DIR "/Data/Italiano.lng"), CutAtComma::Yes).text);
    QCOMPARE(fields.size(), qsizetype(CaptionFieldCount));
    for (std::size_t i = 0; i < CaptionFieldCount; ++i)
        QCOMPARE(fields[qsizetype(i)], QString::fromUtf8(captionTable()[i].designedCaption));
    QCOMPARE(QLatin1String(captionTable()[PhoneModelTitleField].control), QLatin1String("Form2"));
}

void TestSettingsFile::dataFolderLookup()
{
    TempCwd cwd;
    QDir root(cwd.path());
    QVERIFY(root.mkpath(QStringLiteral("prefix/bin")));
    const QString program = root.filePath(QStringLiteral("prefix/bin"));
    // Nothing anywhere: the folder beside the program, as designed.
    QCOMPARE(dataFolderFor(program), program + QStringLiteral("/Data"));
    // Installed: found under the share folder.
    const QString installed = QDir::cleanPath(program + QLatin1Char('/') + installedDataFolderFromProgram());
    QVERIFY(root.mkpath(installed));
    QCOMPARE(dataFolderFor(program), installed);
    // The build tree: Data beside the program wins.
    QVERIFY(root.mkpath(program + QStringLiteral("/Data")));
    QCOMPARE(dataFolderFor(program), program + QStringLiteral("/Data"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
