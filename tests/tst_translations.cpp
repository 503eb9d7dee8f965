// Translations: which language applies, and that every .ts file is complete
// and up to date with the sources.
#include "core/datafolder.h"
#include "core/languagechoice.h"
#include "core/slottable.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/main/mainwindow.h"
#include "ui/translators.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtWidgets>

namespace {
const QStringList languageCodes = {"it", "en", "de", "fr", "es"};
const QString sourceDir = QStringLiteral(GLYPHMUX_SOURCE_DIR);
const QStringList languageFiles = {"Italiano.lng", "English.lng", "Deutsch.lng", "Francais.lng", "Espanol.lng"};

// What a caption shows: "&File" shows "File", "&&" one "&".
QString shown(QString text)
{
    return text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// Everything a language may show: its translations (a "%1" stands for any
// text), its language file's captions, and names that no language changes.
// The designed state ("source") shows the source texts.
QList<QRegularExpression> allowedIn(const QString &code, const QString &languageFile,
                                    QLatin1String element = QLatin1String("translation"))
{
    QStringList patterns = {QStringLiteral(R"(Glyphmux GUI( [\d.]+)?|Glyphmux\.dll|Latin(Bold|Plain)\d+|[-+?%]|[\d ()]*)"),
                            QStringLiteral(R"(n70/n72/n90|6630/6680/6600|c:\\.*|\\data\\fonts\\\*\.\*|https://.*|\S+@\S+)")};
    QFile ts(QStringLiteral("%1/translations/glyphmux_%2.ts").arg(sourceDir, code));
    if (ts.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&ts);
        bool numerus = false; // a plural's translation holds one form per number
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("message"))
                numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            const bool form = numerus && element == QLatin1String("translation");
            if (form ? xml.name() == QLatin1String("numerusform") : xml.name() == element)
                patterns << QRegularExpression::escape(shown(xml.readElementText()))
                                .replace(QRegularExpression(QStringLiteral(R"(\\%(L?\d|n))")), QStringLiteral(".+"));
        }
    }
    QFile lng(dataFolder() + u'/' + languageFile);
    if (lng.open(QIODevice::ReadOnly))
        for (const QString &field : QString::fromUtf8(lng.readLine()).trimmed().split(u'|'))
            patterns << QRegularExpression::escape(field);
    QList<QRegularExpression> allowed;
    for (const QString &pattern : patterns)
        allowed << QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(pattern), QRegularExpression::DotMatchesEverythingOption);
    return allowed;
}

// Every text a window shows: title, captions, fields, tooltips, menus and
// the status bar.
QStringList textsOf(const QWidget *window)
{
    QStringList texts = window->windowTitle().split(QRegularExpression(QStringLiteral(" {2,}")));
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << shown(button->text());
        else if (auto *frame = qobject_cast<const QGroupBox *>(w))
            texts << frame->title();
        else if (auto *field = qobject_cast<const QLineEdit *>(w))
            texts << field->text();
        else if (auto *bar = qobject_cast<const QStatusBar *>(w))
            texts << bar->currentMessage();
        else if (auto *menu = qobject_cast<const QMenuBar *>(w))
            for (const QAction *top : menu->actions()) {
                texts << shown(top->text());
                if (top->menu())
                    for (const QAction *item : top->menu()->actions())
                        texts << shown(item->text());
            }
        texts << w->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

// Menus and items whose letter is missing, doubled or taken in their menu.
QStringList badLetters(const QMainWindow &window)
{
    QList<QList<QAction *>> menus{window.menuBar()->actions()};
    for (const QAction *top : menus.first())
        if (top->menu())
            menus << top->menu()->actions();
    QStringList bad;
    for (const QList<QAction *> &menu : menus) {
        QSet<QChar> taken;
        for (const QAction *action : menu) {
            const QString text = action->text();
            const qsizetype at = text.indexOf(u'&');
            if (action->isSeparator())
                continue;
            if (at < 0 || at != text.lastIndexOf(u'&') || at + 1 == text.size() || taken.contains(text[at + 1].toLower()))
                bad << text;
            else
                taken << text[at + 1].toLower();
        }
    }
    return bad;
}

// The texts that no pattern allows.
QStringList foreign(const QStringList &texts, const QList<QRegularExpression> &allowed)
{
    QStringList out;
    for (const QString &text : texts)
        if (std::none_of(allowed.begin(), allowed.end(), [&](const QRegularExpression &re) { return re.match(text).hasMatch(); }))
            out << text;
    return out;
}
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
        // Every file chosen this way is one we can name the language of,
        // in any folder and letter case; no other file is.
        QCOMPARE(languageCodeOfFile("/x/" + file.toLower()).isEmpty(), file.isEmpty());
        QVERIFY(languageCodeOfFile("/x/" + file + ".bak").isEmpty());
    }

    // With no language: the source texts everywhere, however the windows
    // were reached.
    void designedState()
    {
        Translators::use(QString());
        TempCwd cwd;
        MessageRecorder messages;
        ScriptedChooser chooser;
        MainWindow form(&chooser, &messages);
        chooser.cancel();
        child<QAction>(&form, "cmd_lang")->trigger();
        QStringList texts = messages.informed;
        for (QWidget *window : QList<QWidget *>{&form, &form.sideWindows().phoneModel(),
                                                &form.sideWindows().copyList(), &form.sideWindows().about()})
            texts << textsOf(window);
        QVERIFY(texts.contains(QStringLiteral("Annulla")) && texts.contains(QStringLiteral("Zoom :")));
        const QStringList left = foreign(texts, allowedIn(QStringLiteral("it"), languageFiles[0], QLatin1String("source")));
        QVERIFY2(left.isEmpty(), qPrintable(left.join(" | ")));
    }

    // Each language from the start, then the next one chosen with
    // "Language": every window, message, dialog title and status text is in
    // that language, the restart message too, and no window waits for it.
    void everyWindowInEachLanguage()
    {
        for (int i = 0; i < languageCodes.size(); ++i) {
            const QString code = languageCodes[i];
            const int n = (i + 1) % languageCodes.size();
            TempCwd cwd;
            cwd.write(QStringLiteral("settings.fs"), "False|" + (dataFolder() + u'/' + languageFiles[i]).toUtf8());
            MessageRecorder messages;
            ScriptedChooser chooser;
            MainWindow form(&chooser, &messages);
            SideWindows &side = form.sideWindows();
            const QList<QWidget *> windows = {&form, &side.phoneModel(), &side.copyList(), &side.about()};
            const auto everything = [&] {
                QStringList texts = messages.informed + messages.warned;
                for (const FileDialogState &dialog : chooser.shown)
                    texts << dialog.title << dialog.filter;
                for (QWidget *window : windows)
                    texts << textsOf(window);
                return texts;
            };
            QCOMPARE(badLetters(form), QStringList());
            if (code != QLatin1String("en")) // Qt's own texts follow
                QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
            for (const SlotInfo &slot : slotTable())
                child<QPushButton>(&form, slot.infoButton)->click();
            chooser.answer(cwd.filePath(QStringLiteral("settings.fs"))); // no font in it
            child<QPushButton>(&form, "Apri1")->click();
            child<QAction>(&form, "cmd_save")->trigger();
            QVERIFY(form.statusBar()->currentMessage().endsWith(cwd.filePath(QStringLiteral("Glyphmux.ini"))));
            QVERIFY2(foreign(everything(), allowedIn(code, languageFiles[i])).isEmpty(),
                     qPrintable(code + ": " + foreign(everything(), allowedIn(code, languageFiles[i])).join(" | ")));

            messages.informed.clear();
            chooser.shown.clear();
            QStringList behind;
            messages.whileShown = [&](const QString &) {
                chooser.shown.clear(); // it opened in the language before
                behind = everything();
            };
            chooser.answer(dataFolder() + u'/' + languageFiles[n]);
            child<QAction>(&form, "cmd_lang")->trigger();
            QVERIFY(!behind.isEmpty());
            messages.whileShown = nullptr;
            chooser.answer(cwd.filePath(QStringLiteral("missing.lng")));
            child<QAction>(&form, "cmd_lang")->trigger();
            QCOMPARE(messages.warned.size(), 1);
            const QStringList left = foreign(behind + everything(), allowedIn(languageCodes[n], languageFiles[n]));
            QVERIFY2(left.isEmpty(), qPrintable(languageCodes[n] + ": " + left.join(" | ")));
            QCOMPARE(badLetters(form), QStringList());
        }
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
                    if (!type.isEmpty() || xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty())
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
