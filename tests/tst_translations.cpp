// Translations: which language applies, and that every .ts file is complete
// and up to date with the sources.
#include "core/languagechoice.h"
#include "ui/translators.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QStringList languageCodes = {"it", "en", "de", "fr", "es"};
const QString sourceDir = QStringLiteral(GLYPHMUX_SOURCE_DIR);
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("file");
        QTest::newRow("C") << "C" << QStringList{"C"} << "";
        QTest::newRow("C with LANGUAGE") << "C" << QStringList{"fr", "fr-FR"} << "";
        QTest::newRow("POSIX") << "POSIX" << QStringList{"de"} << "";
        QTest::newRow("de_DE") << "de_DE" << QStringList{"de-DE", "de-Latn-DE", "de"} << "Deutsch.lng";
        QTest::newRow("second choice") << "nl_NL" << QStringList{"nl", "nl-NL", "es", "es-ES"} << "Espanol.lng";
        QTest::newRow("underscore, case") << "it_CH" << QStringList{"IT_ch"} << "Italiano.lng";
        QTest::newRow("unmatched") << "pt_BR" << QStringList{"pt-BR", "pt"} << "";
        QTest::newRow("no near miss") << "en_US" << QStringList{"eng", "fra-FR"} << "";
    }
    void choice()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, languages);
        QFETCH(QString, file);
        QCOMPARE(shippedFileForSystem(locale, languages), file);
        // Every file chosen this way is one we can name the language of.
        QCOMPARE(languageCodeOfFile("/x/" + file).isEmpty(), file.isEmpty());
    }

    void codeOfFile()
    {
        QCOMPARE(languageCodeOfFile(QStringLiteral("/usr/share/glyphmux-gui/Data/Deutsch.lng")), QStringLiteral("de"));
        QCOMPARE(languageCodeOfFile(QStringLiteral("francais.lng")), QStringLiteral("fr"));
        QCOMPARE(languageCodeOfFile(QStringLiteral("/tmp/Deutsch.lng.bak")), QString());
        QCOMPARE(languageCodeOfFile(QStringLiteral("/tmp/Klingon.lng")), QString());
        QStringList codes;
        for (const ShippedLanguage &language : shippedLanguages()) {
            codes << QLatin1String(language.code);
            QVERIFY(QFile::exists(sourceDir + "/Data/" + language.fileName));
        }
        QCOMPARE(codes, languageCodes);
    }

    // Each shipped language's translation is built beside the language
    // files and installs with Qt's own; none leaves the designed texts.
    void installs()
    {
        for (const QString &code : languageCodes) {
            QVERIFY2(Translators::use(code), qPrintable(code));
            QCOMPARE(Translators::current(), code);
        }
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));
        QVERIFY(!Translators::use(QStringLiteral("pt")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QVERIFY(!Translators::use(QString()) && Translators::current().isEmpty());
    }

    // lupdate over the sources must leave nothing to translate and nothing
    // that the sources no longer use.
    void tsFilesComplete()
    {
        QTemporaryDir dir;
        QStringList copies;
        for (const QString &code : languageCodes) {
            copies << dir.filePath(QStringLiteral("glyphmux_%1.ts").arg(code));
            QVERIFY(QFile::copy(QStringLiteral("%1/translations/glyphmux_%2.ts").arg(sourceDir, code), copies.last()));
            QFile::setPermissions(copies.last(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE_PROGRAM),
                      QStringList{"-silent", "-locations", "none", "-recursive", sourceDir + "/src", "-ts"} + copies);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QStringList problems;
        for (const QString &copy : copies) {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString context, source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("source"))
                    source = xml.readElementText();
                else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value(QLatin1String("type")).toString();
                    if (!type.isEmpty() || xml.readElementText().isEmpty())
                        problems << QStringLiteral("%1 %2 \"%3\": %4").arg(QFileInfo(copy).fileName(), context, source,
                                                                          type.isEmpty() ? "empty" : type);
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
