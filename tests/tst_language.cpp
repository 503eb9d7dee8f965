// Languages: settings.fs and the language files on the captions across
// restarts, which translation applies, and that every .ts file is complete
// and up to date with the sources.
#include "core/datafolder.h"
#include "core/languagechoice.h"
#include "core/languagefile.h"
#include "ui/captiontable.h"
#include "core/slottable.h"
#include "core/textfile.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/fontdetailswindow.h"
#include "ui/fontmessages.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/exportdialog.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/fileerrortext.h"
#include "preview/phonepreview.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/dialogs/fontlistwindow.h"
#include "ui/main/fontlistglue.h"
#include "ui/main/exportcommand.h"
#include "ui/main/mainwindow.h"
#include "ui/main/slotfontinfo.h"
#include "ui/translators.h"

#include <QtTest>
#include <QtWidgets>

#include <cerrno>

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
                           QStringLiteral(R"(n70/n72/n90|6630/6680/6600|glyphmux\.(dll|ini)|freetype\.dll|\\data\\fonts\\\*\.\*|https://.*|\S+@\S+)")};
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
                for (const QString &line : shown(xml.readElementText()).split(u'\n')) // texts are read by lines
                    if (!line.contains(QRegularExpression(QStringLiteral(R"(\A[\s%\dLn:.]*\z)")))) // "%2" would allow anything
                        allowed << QRegularExpression::escape(line).replace(QRegularExpression(QStringLiteral(R"(\\%(L?\d|n))")), QStringLiteral(".+"));
        }
    }
    for (const char *button : {"OK", "Cancel", "Close"}) // Qt's own
        allowed << QRegularExpression::escape(shown(QCoreApplication::translate("QPlatformTheme", button)));
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

// Texts line by line, without what the user or a font brought in ('data'),
// the font details' captions apart from their values.
QStringList wordsIn(const QStringList &texts, const QStringList &data)
{
    QStringList words;
    for (QString text : texts) {
        for (const QString &value : data)
            text.replace(value, QStringLiteral("\x02"));
        for (QString line : text.split(u'\n')) {
            for (const FontMessages::DetailRow &row : FontMessages::detailRows(FontDetails()))
                if (line.startsWith(row.caption + u' '))
                    words << row.caption, line.remove(0, row.caption.size() + 1);
            if (!QString(line).remove(u'\x02').trimmed().isEmpty()) // not data alone
                words << line;
        }
    }
    return words;
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

QByteArray shipped(int i) // a language file as we ship it
{
    QFile file(languagePath(i));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// In the table's order; a control missing from Form1 shows Form2's title.
QStringList captionsOf(MainWindow &form)
{
    QStringList shown;
    for (const CaptionField &field : captionTable()) {
        const QObject *c = form.findChild<QObject *>(QLatin1String(field.control));
        shown << (c ? c->property(c->inherits("QGroupBox") ? "title" : "text").toString() : form.sideWindows().phoneModel().windowTitle());
    }
    return shown;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    // Two starts in a row from settings.fs (%1: a language file whose path
    // has a comma and an accent), then the popup item toggled.
    void startUp_data()
    {
        QTest::addColumn<QByteArray>("stored"); // null: no settings.fs at all
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QStringList>("captions");
        const auto fields = [](const QByteArray &line) { return QString::fromUtf8(line).trimmed().split(u'|'); };
        const QStringList designed = fields(shipped(0));
        const auto settings = [&](const char *name, const QByteArray &stored, const QByteArray &written) {
            QTest::newRow(name) << stored << written << QByteArray() << designed;
        };
        settings("first start", {}, "True|\r\n");
        settings(" false |, second line", " false |\rTrue|x", "False|\r\n");
        settings("-1|", "-1|\n", "True|\r\n");
        settings("abc|", "abc|\r\n", "True|\r\n");
        settings("False without bar", "False", "False|\r\n");
        settings("empty file", "", "True|\r\n");
        settings("binary garbage", QByteArray("\0\xff\xfe\x80\xc0\xaf\x1b\x7f", 8), "True|\r\n");
        settings("unreadable language kept", " 0 |a, b|gone.lng", "False|a, b|gone.lng\r\n");
        settings("UTF-8 cut short", "0|caf\xc3", "False|caf\xc3\x83\r\n");
        const QByteArray mega(1 << 20, 'p'), endless(maxLineBytes, 'p');
        settings("1 MB line", "False|" + mega, "False|" + mega + "\r\n");
        settings("endless line, cut", "False|" + endless, "False|" + endless.chopped(6) + "\r\n");

        const auto language = [](const char *name, const QByteArray &file, const QStringList &captions) {
            QTest::newRow(name) << QByteArray("\xef\xbb\xbf" "0|%1") << QByteArray("False|%1\r\n") << file << captions;
        };
        QStringList t; // T0, T1, ...: every caption recognisable
        while (t.size() < 40)
            t << QStringLiteral("T%1").arg(t.size());
        const auto join = [](const QStringList &list) { return list.join(u'|').toUtf8(); };
        language("39 fields", join(t.mid(0, 39)) + "\r\nT9", t.mid(0, 39));
        language("40 fields, empty kept", "|| x |" + join(t.mid(3)), QStringList{"", "", " x "} + t.mid(3, 36));
        language("10 fields", join(t.mid(0, 10)), t.mid(0, 10) + designed.mid(10));
        language("comma", "Menu, principale|" + join(t), QStringList{"Menu"} + designed.mid(1));
        language("empty file", "", designed);
        language("windows-1252", QByteArray("\xe0 \x80 \x93\x94|").repeated(39), QStringList(39, "à € “”"));
        language("utf-8", "\xef\xbb\xbf" + QByteArray("\xc3\xa0 \xe2\x82\xac|").repeated(39), QStringList(39, "à €"));
        // Each shipped file: clean UTF-8, one line of 39 fields, no comma to cut it short.
        for (int i = 0; i < languageFiles.size(); ++i)
            language(qPrintable(languageFiles[i]), shipped(i), fields(shipped(i)));
    }

    void startUp()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, language);
        QFETCH(QStringList, captions);
        TempCwd cwd;
        cwd.write(QStringLiteral("lingua, è.lng"), language);
        const QByteArray path = cwd.filePath(QStringLiteral("lingua, è.lng")).toUtf8();
        const QString fs = QStringLiteral("settings.fs");
        if (!stored.isNull())
            cwd.write(fs, stored.replace("%1", path));
        written.replace("%1", path);
        const bool popup = written.startsWith("True");
        MessageRecorder messages;
        std::optional<MainWindow> form;
        for (int run = 0; run < 2; ++run) {
            form.emplace(nullptr, &messages);
            QCOMPARE(child<QAction>(&*form, "visualizza_pop")->isChecked(), popup);
            QCOMPARE(cwd.read(fs), written);
            QCOMPARE(captionsOf(*form), captions);
        }
        for (const bool now : {!popup, popup}) {
            child<QAction>(&*form, "visualizza_pop")->trigger();
            QCOMPARE(cwd.read(fs), (now ? "True" : "False") + written.mid(written.indexOf('|')));
        }
        // A settings file that cannot be written stays whole, silently.
        QFile::setPermissions(cwd.filePath(fs), QFileDevice::ReadOwner);
        child<QAction>(&*form, "visualizza_pop")->trigger();
        QCOMPARE(cwd.read(fs), written);
        QCOMPARE(messages.informed, QStringList());
        QCOMPARE(messages.warned, QStringList());
        QVERIFY(!form->sideWindows().phoneModel().isVisible());
    }

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
        form.fontList().open(0);
        side.phoneModel(), side.copyList(), side.about(); // made, as a save or "?" would
        // Every window there is, the copy list's lines without their phone folders.
        const QString font = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        QStringList data{cwd.filePath(QStringLiteral("card")), cwd.path(), font, QStringLiteral("DejaVu Sans")};
        const auto everything = [&] {
            // An errno's text is ours, in the language; the system's would be English.
            QStringList texts = messages.informed + messages.warned + messages.asked + QStringList{systemErrorText(EFBIG)};
            for (const QStringList &list : messages.lists)
                texts << list;
            for (const FileDialogState &dialog : chooser.shown)
                texts << dialog.title << dialog.filter;
            for (QWidget *window : QApplication::topLevelWidgets())
                texts << textsOf(window);
            for (const QString &line : PhoneModelDialog::copyInstructions(PhoneFamily::Model6630).split("\r\n"))
                texts << line.section(u'\\', 3);
            return wordsIn(texts, data);
        };
        QCOMPARE(badLetters(form).join(" | "), QString());
        // Each control (each named widget) says what it does; buttons showing
        // a sign or a picture have a name to be read.
        for (const QWidget *w : form.centralWidget()->findChildren<QWidget *>(QRegularExpression(".")))
            if (auto *button = qobject_cast<const QAbstractButton *>(w); button || w->inherits("QScrollBar") || w->inherits("QLineEdit"))
                QVERIFY2(!w->toolTip().isEmpty() && (!button || button->text().size() > 1 || !w->accessibleName().isEmpty()), qPrintable(w->objectName()));
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
        // The font details, the Open report and the status line, help, export.
        chooser.answer(font);
        child<QPushButton>(&form, "Apri2")->click();
        form.fontInfo().showDetails(1);
        for (const char *name : {"detailsSubfamily", "detailsVersion", "detailsCopyright", "detailsLicence"})
            data << child<QLabel>(form.fontInfo().detailsWindow(), name)->text();
        cwd.write(QStringLiteral("odd.ini"), "[FontMap]\r\nLatinBold12=DejaVu Sans@12:Y:W\r\nOdd=1\r\n[Odd]\r\n");
        QVERIFY(form.openFile(cwd.filePath(QStringLiteral("odd.ini"))));
        child<QAction>(&form, "helpContents")->trigger();
        child<QAction>(&form, "cmd_export")->trigger();
        chooser.answer(cwd.filePath(QStringLiteral("card")));
        child<QPushButton>(form.exportCommand().dialog(), "exportChooseTarget")->click();
        for (const QWidget *window : {(QWidget *)form.fontInfo().detailsWindow(), (QWidget *)&side.help(), (QWidget *)form.exportCommand().dialog()})
            QVERIFY(window->isVisible() && !messages.lists.isEmpty());
        QVERIFY(everything().contains(QCoreApplication::translate("PhoneModelDialog", "Cancel")));
        QCOMPARE(everything().filter(foreignIn(start)).join(" | "), QString());

        // The next language chosen, then a file that cannot be read.
        messages = MessageRecorder();
        chooser.shown.clear();
        QStringList behind;
        messages.whileShown = [&](const QString &) {
            chooser.shown.clear(); // it opened in the language before
            behind = everything();
        };
        child<QCheckBox>(&form, "IT1")->click(); // a step whose caption follows the language
        chooser.answer(languagePath(next));
        child<QAction>(&form, "cmd_lang")->trigger();
        messages.whileShown = nullptr;
        QCOMPARE(child<QAction>(&form, "cmd_undo")->text(),
                 QCoreApplication::translate("UndoActions", "&Undo %1")
                     .arg(QCoreApplication::translate("DocumentHistory", "italics of %1").arg("LatinBold12")));
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

    // Each shipped language's own captions (not the designed ones) fit their
    // fixed-width boxes in the editor, and the side windows' titles a title
    // bar (bold, a little larger, beside an icon and three buttons), within a
    // small margin for the fonts installed.
    void captionsFit_data() { everyWindowInEachLanguage_data(); }
    void captionsFit()
    {
        QFETCH(int, start);
        struct Box { QString text; QFont font; int room; };
        QFont title = QApplication::font();
        title.setBold(true);
        title.setPointSizeF(title.pointSizeF() + 1);
        const auto boxesIn = [&](int language) {
            Translators::use(QString());
            TempCwd cwd;
            cwd.write(QStringLiteral("settings.fs"), "False|" + (language < 0 ? QString() : languagePath(language)).toUtf8());
            MainWindow form;
            SideWindows &side = form.sideWindows();
            QMap<QString, Box> boxes;
            for (QWidget *window : QList<QWidget *>{&form, &side.phoneModel(), &side.copyList(), &side.about(), &side.help()})
                window->adjustSize(), boxes[window->objectName()] = {window->windowTitle().simplified(), title, window->width() - 100};
            for (QWidget *w : form.centralWidget()->findChildren<QWidget *>()) // the preview fits its own
                if (auto *label = qobject_cast<QLabel *>(w); label && !qobject_cast<PhonePreview *>(w->parentWidget()))
                    boxes[w->objectName()] = {label->text(), w->font(), w->width()};
                else if (auto *frame = qobject_cast<QGroupBox *>(w))
                    boxes[w->objectName()] = {frame->title(), w->font(), w->width() - 2 * w->fontMetrics().averageCharWidth()};
            return boxes;
        };
        const QMap<QString, Box> designed = boxesIn(-1), translated = boxesIn(start);
        QStringList overflowing;
        for (auto box = translated.cbegin(); box != translated.cend(); ++box)
            if (const int width = QFontMetrics(box->font).horizontalAdvance(box->text); box->text != designed[box.key()].text && width > box->room + 3)
                overflowing << QStringLiteral("%1 \"%2\": %3 > %4").arg(box.key(), box->text).arg(width).arg(box->room);
        Translators::use(QString());
        QCOMPARE(overflowing.join(QStringLiteral(" | ")), QString());
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

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
