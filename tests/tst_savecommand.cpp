// "Save to Glyphmux.ini" through the main window: the wait for the phone
// model, the copy instructions, the progress title and the about box, by
// mouse and by keyboard. "Export for the phone…": the menu path, the
// copy-list window's button, the questions and reports on the way.
#include "core/glyphmuxini.h"
#include "core/glyphmuxinireader.h"
#include "core/localpath.h"
#include "support/editorwindow.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/exportdialog.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/main/exportcommand.h"
#include "ui/main/opencommand.h"
#include "ui/main/slotfontinfo.h"

#include <sys/stat.h>
#include <unistd.h>

// What Form3 lists for the n70 family.
const QString n70 = "c:\\system\\fonts\\glyphmux.dll\r\nc:\\data\\fonts\\glyphmux.ini\r\nc:\\data\\fonts\\ font in ttf";

struct Fixture : EditorWindow {
    Fixture() { form.show(); }
    void trigger(const char *action) { child<QAction>(&form, action)->trigger(); }
    void click(QWidget *w, const char *name)
    {
        QVERIFY2(w->isVisible(), name); // only what is shown can be clicked
        QTest::mouseClick(child<QAbstractButton>(w, name), Qt::LeftButton);
    }
    // A key pressed as the user would: in the focused control of the side
    // window on screen, or of the main window when none is.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *window = &form;
        for (QWidget *w : QApplication::topLevelWidgets())
            window = w->isVisible() && w != &form ? w : window;
        QApplication::setActiveWindow(window);
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key(key), modifiers);
    }
    // The visible side windows (Form3 with its text), then what runs, is set
    // or was written, then one entry per warning shown.
    QStringList state()
    {
        QStringList on;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != &form && top->isVisible())
                on << (top == &form.sideWindows().copyList() ? "Form3: " + form.sideWindows().copyList().instructions() : top->objectName());
        on.sort();
        const std::pair<bool, const char *> facts[] = {
            {child<QTimer>(&form, "Timer1")->isActive(), "Timer1"},
            {child<QTimer>(&form, "titleStep")->isActive(), "titleStep"},
            {form.isModelConfirmed(), "modelloscelto"}, {form.windowTitle() != caption, "title"},
            {!cwd.read(QStringLiteral("Glyphmux.ini")).isEmpty(), "written"}, {!form.isVisible(), "ended"}};
        for (const auto &[fact, name] : facts)
            if (fact)
                on << QLatin1String(name);
        return on + QStringList(messages.warned.size(), QStringLiteral("warning"));
    }

    const QString caption = form.windowTitle();
};

// Two fonts to export, and the parts of the export dialog.
struct ExportFixture : Fixture {
    ExportFixture()
    {
        for (const char *name : {"DejaVuSans.ttf", "DejaVuSerif.ttf"})
            QFile::copy("/usr/share/fonts/truetype/dejavu/" + QLatin1String(name), font(name));
        cwd.write("card/sibling", "kept");
    }
    QString font(const char *name) const { return cwd.filePath("src-" + QLatin1String(name)); }
    // With a trailing blank, used as typed: the sibling "card" stays as it is.
    QString target() const { return cwd.filePath("card "); }
    ExportDialog *dialog() const { return form.exportCommand().dialog(); }
    void clickInDialog(const char *name) { child<QPushButton>(dialog(), name)->click(); }
    QString findings() const { return child<QLabel>(dialog(), "exportFindings")->text(); }
};

class TestSaveCommand : public QObject
{
    Q_OBJECT

private slots:
    void steps_data()
    {
        const auto saved = [](const QString &text) { return QStringList{"Form3: " + text, "Timer1", "written"}; };
        // p: popup item off, r: Glyphmux.ini cannot be written, s: save, 6/n: an option,
        // c: Form2's OK, x: Form2's close box, o: Form3's OK, h: "?", k: frmAbout's
        // OK, d: a font's details, w: wait for the progress title, q: close the main window at once.
        // Keys: R Return, N Enter, E Escape, A/L Right/Left arrow, C Form2's Cancel; S Ctrl+S, F F1, Q Ctrl+Q.
        // Events are handled before every step but q.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("state");
        QTest::newRow("waiting for the model") << "s6" << QStringList{"Form2"};
        QTest::newRow("n70") << "sc" << saved(n70);
        QTest::newRow("6630 then n70") << "s6csnc" << saved(n70);
        QTest::newRow("6630 stays selected") << "s6csc" << saved("c:\\system\\fonts\\freetype.dll\r\n" + n70);
        QTest::newRow("copy instructions read") << "sco" << QStringList{"Timer1", "written"};
        QTest::newRow("popup off, failing") << "prs" << QStringList{"warning"};
        QTest::newRow("model window closed") << "s6x" << QStringList();
        QTest::newRow("closed, saved again") << "rsxsc" << QStringList{"warning"};
        QTest::newRow("saved again while open") << "rssc" << QStringList{"warning"};
        QTest::newRow("about box beside Form2") << "shh" << QStringList{"Form2", "frmAbout"};
        QTest::newRow("about box OK") << "hk" << QStringList();
        QTest::newRow("about box again") << "hkhh" << QStringList{"frmAbout"};
        QTest::newRow("ended waiting") << "hsq" << QStringList{"ended"};
        QTest::newRow("ended, write on its way") << "hscq" << QStringList{"ended"};
        QTest::newRow("ended, title pending") << "hsc.q" << QStringList{"written", "ended"};
        QTest::newRow("ended, title running") << "hscwq" << QStringList{"written", "ended"};
        QTest::newRow("Form2, Return") << "sR" << saved(n70);
        QTest::newRow("Form2, Enter") << "sN" << saved(n70);
        QTest::newRow("Form2, Escape") << "sE" << QStringList();
        QTest::newRow("Form2, arrow, Return") << "sAR" << saved("c:\\system\\fonts\\freetype.dll\r\n" + n70);
        QTest::newRow("Form2, arrow back, Return") << "s6LR" << saved(n70);
        QTest::newRow("Form2, Cancel") << "sC" << QStringList();
        QTest::newRow("Form3, Return") << "scR" << QStringList{"Timer1", "written"};
        QTest::newRow("Form3, Escape") << "scE" << QStringList{"Timer1", "written"};
        QTest::newRow("frmAbout, Return") << "hR" << QStringList();
        QTest::newRow("frmAbout, Escape") << "hE" << QStringList();
        QTest::newRow("shortcuts") << "pSF" << QStringList{"helpWindow", "Timer1", "written"};
        QTest::newRow("help, Escape") << "FE" << QStringList();
        QTest::newRow("details") << "d" << QStringList{"fontDetails"};
        QTest::newRow("details, Return") << "dR" << QStringList();
        QTest::newRow("details, Escape") << "dE" << QStringList();
        QTest::newRow("Ctrl+Q") << "Q" << QStringList{"ended"};
        QTest::newRow("font list") << "T" << QStringList{"fontList"};
        QTest::newRow("font list, Escape, phone pixels") << "TEV" << QStringList{"phonePixels"};
    }

    void steps()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, state);
        Fixture f;
        for (const QChar step : steps) {
            if (step != QLatin1Char('q'))
                QCoreApplication::processEvents();
            switch (step.unicode()) {
            case 'p': f.trigger("visualizza_pop"); break;
            case 'r': QVERIFY(QDir().mkdir(QStringLiteral("Glyphmux.ini"))); break; // a folder in its way
            case 's': f.trigger("cmd_save"); break;
            case '6': f.click(&f.form.sideWindows().phoneModel(), "Option6630"); break;
            case 'n': f.click(&f.form.sideWindows().phoneModel(), "OptionN70"); break;
            case 'c': f.click(&f.form.sideWindows().phoneModel(), "Command1"); break;
            case 'x': QVERIFY(f.form.sideWindows().phoneModel().close()); break;
            case 'o': f.click(&f.form.sideWindows().copyList(), "Command1"); break;
            case 'h': f.trigger("cmd_help"); break;
            case 'k': f.click(&f.form.sideWindows().about(), "cmdOK"); break;
            case 'w': QTRY_VERIFY(f.state().contains("title")); break;
            case 'q': QVERIFY(f.form.close()); break;
            case 'R': f.press(Qt::Key_Return); break;
            case 'N': f.press(Qt::Key_Enter); break;
            case 'E': f.press(Qt::Key_Escape); break;
            case 'A': f.press(Qt::Key_Right); break;
            case 'L': f.press(Qt::Key_Left); break;
            case 'd':
                f.choose(0, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
                f.form.fontInfo().showDetails(0);
                break;
            case 'C': f.click(&f.form.sideWindows().phoneModel(), "cmdCancel"); break;
            case 'S': f.press(Qt::Key_S, Qt::ControlModifier); break;
            case 'F': f.press(Qt::Key_F1); break;
            case 'Q': f.press(Qt::Key_Q, Qt::ControlModifier); break;
            case 'V': f.press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); break;
            case 'T': f.press(Qt::Key_T, Qt::ControlModifier); break;
            }
        }
        QCoreApplication::processEvents();
        QCOMPARE(f.state(), state);
        for (QWidget *top : QApplication::topLevelWidgets()) // above the main window, keys never reach it
            if (top->isVisible() && top != &f.form && !qobject_cast<QMenu *>(top))
                QCOMPARE(top->windowHandle()->transientParent(), f.form.windowHandle());
        // The side windows' controls are not the main window's; the phone pictures are there.
        for (const char *name : {"lblTitle", "OptionN70", "testo"})
            QVERIFY2(!f.form.findChild<QObject *>(QLatin1String(name)), name);
        for (const char *image : {"Image1", "Image2"})
            QVERIFY2(!child<QLabel>(&f.form.sideWindows().phoneModel(), image)->pixmap().isNull(), image);
    }

    // A save writes only the file it names. Planted: "name=content" ("*": the
    // map's bytes, then saved twice unchanged; else twice with a change
    // between), "link>target", "pipe|". Afterwards each file ("@": a link).
    void savesOnlyTheNamedFile_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("warnings");
        QTest::newRow("unchanged bytes") << "Glyphmux.ini=* Glyphmux.ini.bak=mine"
                                         << QStringList{"Glyphmux.ini: *", "Glyphmux.ini.bak: mine"} << 0;
        QTest::newRow("first save's backup") << "Glyphmux.ini=hand Glyphmux.ini.bak=mine"
                                             << QStringList{"Glyphmux.ini: *", "Glyphmux.ini.bak: hand"} << 0;
        QTest::newRow("symlinked backup") << "Glyphmux.ini=hand v=v Glyphmux.ini.bak>v"
                                          << QStringList{"Glyphmux.ini: hand", "Glyphmux.ini.bak@: v", "v: v"} << 2;
        QTest::newRow("pipe as backup") << "Glyphmux.ini=hand Glyphmux.ini.bak|" << QStringList{"Glyphmux.ini: hand"} << 2;
        QTest::newRow("link chain") << "real.ini=hand l2>real.ini Glyphmux.ini>l2"
                                    << QStringList{"Glyphmux.ini@: *", "l2@: *", "real.ini: *", "real.ini.bak: hand"} << 0;
        QTest::newRow("Latin-1 folder beside its look-alike") << "latin1" << QStringList{"Glyphmux.ini: *"} << 1;
    }
    void savesOnlyTheNamedFile()
    {
        QFETCH(QString, plant);
        QFETCH(QStringList, files);
        QFETCH(int, warnings);
        Fixture f;
        const QByteArray latin1("caf\xe9"), lookAlike("caf\xef\xbf\xbd"), initial = glyphmuxIniBytes(f.form.fontMap());
        if (plant == "latin1")
            QVERIFY(::mkdir(latin1, 0700) == 0 && ::mkdir(lookAlike, 0700) == 0 && ::chdir(latin1) == 0);
        for (const QString &item : plant.split(' ')) {
            if (item.endsWith('|'))
                QCOMPARE(::mkfifo(qPrintable(item.chopped(1)), 0600), 0);
            else if (item.contains('>'))
                QVERIFY(QFile::link(item.section('>', 1), item.section('>', 0, 0)));
            else if (item.contains('='))
                f.cwd.write(item.section('=', 0, 0), item.endsWith('*') ? initial : item.section('=', 1).toLatin1());
        }
        struct stat before {}, after {};
        QFile held("Glyphmux.ini"); // open, so that its inode number is not given to another file
        held.open(QIODevice::ReadOnly);
        ::stat("Glyphmux.ini", &before);
        for (const char *face : {"", "Changed"}) {
            if (!plant.contains('*'))
                f.face(0)->setText(QLatin1String(face));
            f.form.writeIni();
        }
        ::stat("Glyphmux.ini", &after);
        QCOMPARE(after.st_ino == before.st_ino, plant.contains('*') || warnings == 2); // unchanged bytes, or both refused
        if (plant == "latin1") {
            // Named through Qt it would be the look-alike: refused. By its bytes
            // (as the command line names it) or its relative name it opens and saves as itself.
            const QByteArray real = QFile::encodeName(f.cwd.path()) + '/' + latin1 + "/Glyphmux.ini";
            QVERIFY(!f.form.openFile(QFile::decodeName(real)));
            QMimeData dropped; // a drop names it by its bytes too
            dropped.setData("text/uri-list", "file://" + real.toPercentEncoding("/") + "\r\n");
            QCOMPARE(OpenCommand::iniFileIn(&dropped), pathFromNativeName(real));
            for (const QString &name : {pathFromNativeName(real), QStringLiteral("Glyphmux.ini")}) {
                QVERIFY(f.form.openFile(name));
                f.face(1)->setText(name);
                QVERIFY(f.form.writeIni());
                QFile saved("Glyphmux.ini");
                QVERIFY(saved.open(QIODevice::ReadOnly));
                QCOMPARE(saved.readAll(), glyphmuxIniBytes(f.form.fontMap()));
            }
            QVERIFY(QDir("../" + QFile::decodeName(lookAlike)).isEmpty());
        }
        QStringList found;
        for (const QString &name : QDir().entryList({"[!s]*"}, QDir::Files)) { // settings.fs aside
            QFile file(name);
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            found << name + (file.symLinkTarget().isEmpty() ? ": " : "@: ") + (bytes == glyphmuxIniBytes(f.form.fontMap()) ? "*" : bytes);
        }
        QCOMPARE(found, files);
        QCOMPARE(f.messages.warned.size(), warnings);
        if (plant == "latin1")
            QVERIFY(::chdir("..") == 0 && ::unlink(latin1 + "/Glyphmux.ini") == 0 && ::rmdir(latin1) == 0 && ::rmdir(lookAlike) == 0);
    }

    // Whatever a file held fits its field; a save refuses what could not be opened again.
    void longValuesAreNeverCut()
    {
        Fixture f;
        const QString face(33000, 'F'); // past a line edit's usual 32767
        f.cwd.write("Glyphmux.ini", "[FontMap]\nLatinBold12=" + face.toLatin1() + "@12\n");
        QVERIFY(f.form.openFile("Glyphmux.ini"));
        QCOMPARE(f.face(0)->text(), face);
        QVERIFY(f.form.writeIni());
        QVERIFY(f.form.openFile("Glyphmux.ini"));
        f.face(1)->setText(QString(40000, 'x')); // its 14 alias lines take it past the reader's limit
        QVERIFY(!f.form.writeIni());
        QVERIFY(f.messages.warned.last().contains(QString::number(maxGlyphmuxIniBytes)));
    }

    void progressTitleRunsThroughTheTexts()
    {
        Fixture f;
        f.trigger("visualizza_pop");
        QStringList titles;
        QList<qint64> times;
        QElapsedTimer clock;
        connect(&f.form, &QWidget::windowTitleChanged, &f.form, [&](const QString &title) { titles << title; times << clock.elapsed(); });
        clock.start();
        f.trigger("cmd_save");
        QCOMPARE(f.state(), (QStringList{"Timer1", "written"})); // at once, no side window
        QTRY_COMPARE_WITH_TIMEOUT(titles.size(), 4, 5000);
        const QString progress = QStringLiteral("Glyphmux GUI 1.2.4 salvataggio in corso");
        QCOMPARE(titles, (QStringList{progress + ".", progress + "..", progress + "...", f.caption}));
        // Half a second after the save, then each text stays for a moment;
        // lower bounds only, a busy machine may be late but never early.
        for (int i = 0; i < 4; ++i)
            QVERIFY2(times[i] - (i ? times[i - 1] : 0) >= (i ? 100 : 450), qPrintable(QString::number(times[i])));
        QCOMPARE(f.state(), QStringList{"written"});
    }

    void exportsFromTheMenu()
    {
        ExportFixture f;
        for (const std::size_t slot : {0, 2})
            f.choose(slot, f.font("DejaVuSans.ttf"));
        for (const std::size_t slot : {1, 4})
            f.choose(slot, f.font("DejaVuSerif.ttf"));
        child<QLineEdit>(&f.form, "LatinPlain12")->setText("Typed Face"); // no longer the file's
        f.trigger("cmd_export");
        QVERIFY(f.dialog()->isVisible());
        QVERIFY(!child<QPushButton>(f.dialog(), "exportStart")->isEnabled());
        f.chooser.answer(f.target());
        f.clickInDialog("exportChooseTarget");
        QVERIFY2(f.findings().contains("LatinPlain12: the face \"Typed Face\" has no file here; "
                                       "this face must already be on the phone."), qPrintable(f.findings()));
        QVERIFY2(f.findings().contains("glyphmux.dll is not included"), qPrintable(f.findings()));
        f.clickInDialog("exportStart");
        QCOMPARE(f.messages.warned, QStringList());
        QCOMPARE(f.messages.informed.size(), 1);
        QVERIFY(f.messages.informed[0].startsWith("Exported to " + f.target()));
        QVERIFY(!f.dialog()->isVisible());

        // The configuration is the bytes a save writes; each file came once.
        f.trigger("visualizza_pop");
        f.trigger("cmd_save");
        QCOMPARE(f.cwd.read("card /data/fonts/glyphmux.ini"), f.cwd.read("Glyphmux.ini"));
        QCOMPARE(QDir(f.target() + "/data/fonts").entryList(QDir::Files),
                 QStringList({"glyphmux.ini", "src-DejaVuSans.ttf", "src-DejaVuSerif.ttf"}));
        QCOMPARE(QDir(f.cwd.filePath("card")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"sibling"});

        // Again: asked once, Cancel keeps all; a vanished font stops it, named.
        f.trigger("cmd_export");
        QCOMPARE(child<QLineEdit>(f.dialog(), "exportTarget")->text(), f.target()); // remembered
        f.clickInDialog("exportStart");
        QCOMPARE(f.messages.asked.size(), 1);
        QVERIFY(f.messages.asked[0].contains("data/fonts/src-DejaVuSans.ttf"));
        QVERIFY(f.dialog()->isVisible());
        QFile::remove(f.font("DejaVuSerif.ttf"));
        f.clickInDialog("exportStart");
        QCOMPARE(f.messages.warned, QStringList{f.font("DejaVuSerif.ttf") + " no longer exists."});
        QVERIFY(!child<QPushButton>(f.dialog(), "exportStart")->isEnabled());
        QCOMPARE(f.messages.asked.size(), 1);
        // Many findings scroll inside a dialog that stays on the screen, the last line reachable.
        f.dialog()->showFindings(QString("A finding.\n").repeated(200) + "Last.", false);
        const auto *area = child<QScrollArea>(f.dialog(), "exportFindingsArea");
        QTRY_VERIFY(area->widget()->height() > area->viewport()->height());
        QCOMPARE(area->verticalScrollBar()->maximum(), area->widget()->height() - area->viewport()->height());
        QVERIFY(area->widget()->height() >= area->widget()->heightForWidth(area->viewport()->width()));
        QVERIFY(f.dialog()->frameGeometry().height() <= f.dialog()->screen()->availableGeometry().height());
    }

    // After a save for the 6630 family, the copy list offers the export for it.
    void copyListWindowOffersTheExport()
    {
        ExportFixture f;
        CopyListDialog &copyList = f.form.sideWindows().copyList();
        f.trigger("cmd_save");
        child<QRadioButton>(&f.form.sideWindows().phoneModel(), "Option6630")->setChecked(true);
        child<QPushButton>(&f.form.sideWindows().phoneModel(), "Command1")->click();
        QTRY_VERIFY(copyList.isVisible());
        // OK keeps the middle of the window, as before the export button came.
        const auto *ok = child<QPushButton>(&copyList, "Command1");
        QCOMPARE(ok->geometry(), QRect((copyList.width() - 80) / 2, ok->y(), 80, ok->height()));
        child<QPushButton>(&copyList, "exportButton")->click();
        QVERIFY(f.dialog()->isVisible());
        QVERIFY(child<QRadioButton>(f.dialog(), "export6630")->isChecked());
        QVERIFY2(f.findings().contains("freetype.dll is not included"), qPrintable(f.findings()));
    }
};

QTEST_MAIN(TestSaveCommand)
#include "tst_savecommand.moc"
