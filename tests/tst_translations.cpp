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

#include <QtTest>
#include <QtWidgets>

namespace {
const QStringList languageCodes = {"it", "en", "de", "fr", "es"};
const QStringList languageFiles = {"Italiano.lng", "English.lng", "Deutsch.lng", "Francais.lng", "Espanol.lng"};

QString languagePath(int i)
{
    return dataFolder() + u'/' + languageFiles[i];
}

// What a caption shows: "&File" shows "File", "&&" one "&".
QString shown(QString text)
{
    return text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// What language 'i' (-1: none) would not show: any text but its translations
// ("%1" stands for any text), its captions and names no language changes.
QRegularExpression foreignIn(int i)
{
    QStringList allowed = {QStringLiteral(R"(Glyphmux GUI( [\d.]+)?|Glyphmux\.dll|Latin(Bold|Plain)\d+|[-+?%]|[\d ()]*)"),
                           QStringLiteral(R"(n70/n72/n90|6630/6680/6600|c:\\.*|\\data\\fonts\\\*\.\*|https://.*|\S+@\S+)")};
    QFile ts(QStringLiteral(GLYPHMUX_SOURCE_DIR "/translations/glyphmux_%1.ts").arg(languageCodes[qMax(i, 0)]));
    if (ts.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&ts);
        bool numerus = false; // a plural's translation holds one form per number
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("message"))
                numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            if (xml.name() == QLatin1String(i < 0 ? "source" : numerus ? "numerusform" : "translation"))
                allowed << QRegularExpression::escape(shown(xml.readElementText()))
                               .replace(QRegularExpression(QStringLiteral(R"(\\%(L?\d|n))")), QStringLiteral(".+"));
        }
    }
    QFile lng(languagePath(qMax(i, 0)));
    if (lng.open(QIODevice::ReadOnly))
        for (const QString &field : QString::fromUtf8(lng.readLine()).trimmed().split(u'|'))
            allowed << QRegularExpression::escape(field);
    return QRegularExpression("\\A(?!(?:" + allowed.join(u'|') + ")\\z)", QRegularExpression::DotMatchesEverythingOption);
}

// Every text a window shows: title, captions, fields, tooltips, menus, status.
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
        texts << w->toolTip();
    }
    for (const QAction *action : window->findChildren<QAction *>()) // the menus' too
        texts << shown(action->text());
    texts.removeAll(QString());
    return texts;
}

// Menus and items whose letter is missing, doubled or taken in their menu.
QStringList badLetters(const QMainWindow &window)
{
    static const QRegularExpression oneLetter(QStringLiteral("\\A[^&]*&([^&])[^&]*\\z"));
    QList<QList<QAction *>> menus{window.menuBar()->actions()};
    for (const QAction *top : menus.first())
        if (top->menu())
            menus << top->menu()->actions();
    QStringList bad;
    for (const QList<QAction *> &menu : menus) {
        QSet<QString> taken;
        for (const QAction *action : menu) {
            const QString letter = oneLetter.match(action->text()).captured(1).toLower();
            if (!action->isSeparator() && (letter.isEmpty() || taken.contains(letter)))
                bad << action->text();
            taken << letter;
        }
    }
    return bad;
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

    // Each language (or none) from the start, then the next one chosen: every
    // text of windows, messages and dialogs is in it, already behind the message.
    void everyWindowInEachLanguage_data()
    {
        QTest::addColumn<int>("start"); // -1: no language chosen
        QTest::addColumn<int>("next");
        QTest::newRow("none") << -1 << 0;
        for (int i = 0; i < languageCodes.size(); ++i)
            QTest::newRow(qPrintable(languageCodes[i])) << i << (i + 1) % int(languageCodes.size());
    }
    void everyWindowInEachLanguage()
    {
        QFETCH(int, start);
        QFETCH(int, next);
        Translators::use(QString());
        TempCwd cwd;
        // The popup off, so that a save needs no phone model.
        cwd.write(QStringLiteral("settings.fs"), "False|" + (start < 0 ? QString() : languagePath(start)).toUtf8());
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
        QCOMPARE(badLetters(form).join(" | "), QString());
        // Qt's own texts follow the language.
        const bool english = start < 0 || languageCodes[start] == QLatin1String("en");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == QLatin1String("Cancel"), english);
        for (const SlotInfo &slot : slotTable())
            child<QPushButton>(&form, slot.infoButton)->click();
        chooser.answer(cwd.filePath(QStringLiteral("settings.fs"))); // no font in it
        child<QPushButton>(&form, "Apri1")->click();
        chooser.cancel(); // the restart message all the same
        child<QAction>(&form, "cmd_lang")->trigger();
        QVERIFY(messages.informed.endsWith(QCoreApplication::translate("MainWindow", "Restart the program to change language")));
        QCOMPARE(chooser.shown.last().initialFolder, QDir::toNativeSeparators(qApp->applicationDirPath() + "/Data"));
        QCOMPARE(chooser.shown.last().filter, QCoreApplication::translate("MainWindow", "Language file (*.lng)"));
        child<QAction>(&form, "cmd_save")->trigger();
        QVERIFY(form.statusBar()->currentMessage().endsWith(cwd.filePath(QStringLiteral("Glyphmux.ini"))));
        QVERIFY(everything().contains(QCoreApplication::translate("PhoneModelDialog", "Annulla")));
        QCOMPARE(everything().filter(foreignIn(start)).join(" | "), QString());

        // The next language chosen, then a file that cannot be read.
        messages.informed.clear();
        messages.warned.clear();
        chooser.shown.clear();
        QStringList behind;
        messages.whileShown = [&](const QString &) {
            chooser.shown.clear(); // it opened in the language before
            behind = everything();
        };
        chooser.answer(languagePath(next));
        child<QAction>(&form, "cmd_lang")->trigger();
        messages.whileShown = nullptr;
        chooser.answer(cwd.filePath(QStringLiteral("missing.lng")));
        child<QAction>(&form, "cmd_lang")->trigger();
        QCOMPARE(messages.informed, QStringList{QCoreApplication::translate("MainWindow", "Restart the program to change language")});
        QCOMPARE(messages.warned.size(), 1);
        QVERIFY(messages.warned[0].contains(cwd.filePath(QStringLiteral("missing.lng"))));
        QCOMPARE(cwd.read(QStringLiteral("settings.fs")), "False|" + languagePath(next).toUtf8() + "\r\n");
        QCOMPARE((behind + everything()).filter(foreignIn(next)).join(" | "), QString());
        QCOMPARE(badLetters(form).join(" | "), QString());
        QCOMPARE(child<QLabel>(&form, "Label37")->textFormat(), Qt::PlainText); // captions are never markup
    }

    // lupdate finds nothing left to translate and nothing the sources no longer use.
    void tsFilesComplete()
    {
        QTemporaryDir dir;
        QStringList copies;
        for (const QString &code : languageCodes) {
            copies << dir.filePath(QStringLiteral("glyphmux_%1.ts").arg(code));
            QVERIFY(QFile::copy(QStringLiteral(GLYPHMUX_SOURCE_DIR "/translations/glyphmux_%1.ts").arg(code), copies.last()));
            QFile::setPermissions(copies.last(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(LUPDATE_PROGRAM),
                      QStringList{"-silent", "-locations", "none", "-recursive", GLYPHMUX_SOURCE_DIR "/src", "-ts"} + copies);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        // Unfinished, vanished or obsolete entries, and empty translations.
        const QRegularExpression problem(QStringLiteral(R"(<translation type=|<(translation|numerusform)(>\s*<\/|\/>))"));
        QStringList problems;
        for (const QString &copy : copies) {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch &found : problem.globalMatch(text)) {
                const qsizetype source = text.lastIndexOf(QLatin1String("<source>"), found.capturedStart());
                problems << QFileInfo(copy).fileName() + u' ' + text.sliced(source).section(u'\n', 0, 0);
            }
        }
        QCOMPARE(problems.join(u'\n'), QString());
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
