// Opening a Glyphmux.ini: every control takes the file's values, a refused
// file changes nothing, and saving goes back to the opened file. The recent
// files list and the last font folder, in a settings store.
#include "core/glyphmuxini.h"
#include "core/recentfiles.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"

using TestFonts::dejaVuPath;

namespace {

const QByteArray handEdited = "[Global]\nZoomRatio=150\nChroma=70\nExtraFontFile=e:\\fonts\\*.ttf\nColour=red\n"
                              "[FontMap]\nLatinBold12=DejaVu Serif@14:Y10:I:W8\nLatinBold13=Nokia Sans@12\n"
                              "LatinBold17=DejaVu Sans Mono@18:Y2\nLatinBold19=@16\nLatinPlain12=X@5:W3\n";

} // namespace

class TestOpenFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); } // no recent files from the test before

    void openFillsEveryControlAndSaveGoesBack()
    {
        EditorWindow f;
        const QString path = f.cwd.write(QStringLiteral("phone/Glyphmux.ini"), handEdited);
        f.refreshes.clear();
        f.chooser.answer(path);
        f.get<QAction>("cmd_open")->trigger();
        QCOMPARE(f.get<QAction>("cmd_open")->shortcut(), QKeySequence(QKeySequence::Open));
        const std::pair<const char *, const char *> texts[] = {
            {"LatinBold12", "DejaVu Serif"}, {"dim12b", "14"}, {"H1", "10"}, {"W1", "8"},
            {"LatinBold13", "Nokia Sans"},   {"dim13b", "12"}, {"H2", ""},   {"W2", ""},
            {"LatinBold17", "DejaVu Sans Mono"}, {"dim17b", "18"}, {"H3", "2"}, {"W3", ""},
            {"LatinBold19", ""},             {"dim19b", "16"}, {"H4", ""},   {"W4", ""},
            {"LatinPlain12", "X"},           {"dim12p", "5"},  {"H5", ""},   {"W5", "3"},
            {"Text2", "e:\\fonts\\*.ttf"},   {"chromavalue", "70"}, {"ValoreZoom", "150"}};
        for (const auto &[name, text] : texts)
            QVERIFY2(child<QObject>(&f.form, name)->property("text").toString() == QLatin1String(text), name);
        for (const char *box : {"IT1", "IT2", "IT3", "IT4", "IT5"})
            QCOMPARE(f.get<QCheckBox>(box)->isChecked(), box == QByteArray("IT1"));
        QCOMPARE(f.get<QScrollBar>("ScrollZoom")->value(), 150);
        QCOMPARE(f.get<QScrollBar>("chromascroll")->value(), 30);

        // One redraw shows the faces the system knows, italic where asked.
        QCOMPARE(f.refreshes.size(), 1);
        const QFont sms = child<QLabel>(&f.form.preview(), "riga1sms")->font();
        QCOMPARE(QFontInfo(sms).family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(sms.italic());
        QCOMPARE(QFontInfo(child<QLabel>(&f.form.preview(), "menustandby")->font()).family(), QStringLiteral("DejaVu Sans Mono"));

        // One list of what was not taken and of each face's file; the target shows where saving goes.
        QCOMPARE(f.messages.lists.size(), 1);
        QCOMPARE(f.messages.lists[0].size(), 6);
        QVERIFY(f.messages.lists[0][1].startsWith(QStringLiteral("Line 5: Colour=red (")));
        QVERIFY(f.messages.lists[0][2].startsWith(QStringLiteral("LatinBold12 \"DejaVu Serif\": ") + dejaVuPath("DejaVuSerif.ttf")));
        QCOMPARE(f.messages.lists[0][3], QStringLiteral("LatinBold13 \"Nokia Sans\": no font file found for this face"));
        QVERIFY(f.messages.warned.isEmpty());
        QVERIFY(f.get<QLabel>("saveTarget")->text().contains(QDir::toNativeSeparators(path)));
        QVERIFY(f.get<QLabel>("saveTarget")->isVisibleTo(&f.form));
        QVERIFY(f.get<QAction>("cmd_save")->toolTip().contains(QDir::toNativeSeparators(path)));


        // Dropped on the window: only a single .ini file is taken.
        const auto drag = [&](const QStringList &files) {
            QMimeData data;
            QList<QUrl> urls;
            for (const QString &file : files)
                urls << QUrl::fromLocalFile(file);
            data.setUrls(urls);
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&f.form, &enter);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            if (enter.isAccepted())
                QApplication::sendEvent(&f.form, &drop);
            return enter.isAccepted();
        };
        QVERIFY(!drag({f.cwd.write(QStringLiteral("notes.txt"), handEdited)}));
        QVERIFY(!drag({path, path}));
        f.get("LatinBold12")->clear();
        QVERIFY(drag({path}));
        QTRY_COMPARE(f.get("LatinBold12")->text(), QStringLiteral("DejaVu Serif"));

        // Saved back, the hand-edited file kept beside it.
        f.get("LatinBold13")->setText(QStringLiteral("Changed"));
        QVERIFY(f.form.writeIni());
        QCOMPARE(f.cwd.read(QStringLiteral("phone/Glyphmux.ini")), glyphmuxIniBytes(f.form.fontMap()));
        QCOMPARE(f.cwd.read(QStringLiteral("phone/Glyphmux.ini.bak")), handEdited);
        QVERIFY(!QFile::exists(f.cwd.filePath(QStringLiteral("Glyphmux.ini"))));

        // Open Recent: newest first, a file that is gone shown disabled, one
        // that was refused left out, '&' shown as itself.
        QVERIFY(!f.form.openFile(f.cwd.write(QStringLiteral("refused/Glyphmux.ini"), "[Other]\n")));
        const QString gone = f.cwd.write(QStringLiteral("gone & lost/Glyphmux.ini"), handEdited);
        QVERIFY(f.form.openFile(gone));
        QVERIFY(QFile::remove(gone));
        auto *recent = f.get<QMenu>("cmd_recent");
        emit recent->aboutToShow();
        QStringList items;
        for (const QAction *item : recent->actions())
            items << item->text().section(u' ', 1) + (item->isEnabled() ? "" : " (off)");
        QCOMPARE(items, (QStringList{QDir::toNativeSeparators(gone).replace(u'&', "&&") + " (off)", QDir::toNativeSeparators(path)}));
        recent->actions().last()->trigger();
        QCOMPARE(f.get("LatinBold13")->text(), QStringLiteral("Changed"));

        // Slot dialogs start where the last font came from and preselect the slot's file.
        const QString font = f.cwd.filePath(QStringLiteral("fonts/none.ttf"));
        f.chooser.answer(font);
        f.get<QPushButton>("Apri1")->click();
        f.chooser.cancel();
        f.get<QPushButton>("Apri2")->click();
        QCOMPARE(f.chooser.shown.last().initialFolder, f.cwd.filePath(QStringLiteral("fonts")));
        f.chooser.cancel();
        f.get<QPushButton>("Apri1")->click();
        QCOMPARE(f.chooser.shown.last().fileName, QDir::toNativeSeparators(font));
    }

    void newestFirstOnceEachAtMostEight()
    {
        QTemporaryDir dir;
        const QString storePath = dir.filePath(QStringLiteral("store.ini"));
        const auto path = [&](int n) { return dir.filePath(QStringLiteral("%1/Glyphmux.ini").arg(n)); };
        {
            QSettings store(storePath, QSettings::IniFormat);
            RecentFiles recent(store);
            QCOMPARE(recent.files(), QStringList());
            QCOMPARE(recent.fontFolder(), QString());
            for (int n = 1; n <= 10; ++n)
                recent.add(path(n));
            recent.add(dir.filePath(QStringLiteral("x/../5/Glyphmux.ini"))); // the same file again
            recent.setFontFolder(dir.filePath(QStringLiteral("fonts/")));
        }
        QSettings store(storePath, QSettings::IniFormat); // read back from the file
        const RecentFiles recent(store);
        QCOMPARE(recent.files(), (QStringList{path(5), path(10), path(9), path(8), path(7), path(6), path(4), path(3)}));
        QCOMPARE(recent.fontFolder(), dir.filePath(QStringLiteral("fonts")));
        // Tests never read or write the user's own settings.
        QVERIFY(QSettings().fileName().startsWith(QDir::tempPath()));
    }
};

QTEST_MAIN(TestOpenFile)
#include "tst_openfile.moc"
