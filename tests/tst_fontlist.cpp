// The font list: reading a folder of good, refused and hostile files on the
// worker, the filters, and trying faces in a slot from the keyboard
// (audition, Escape, keep, A/B) and dragging a row.
#include "fonts/fontfilereader.h"
#include "fonts/fontregistry.h"
#include "fonts/fontscan.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/dialogs/fontlistwindow.h"
#include "ui/fontmessages.h"
#include "ui/main/documenthistory.h"
#include "ui/main/fontlistglue.h"
#include "ui/main/sloteditor.h"

#include <QUndoStack>

#include <sys/stat.h>

using namespace TestFonts;

namespace {

// Reads 'folder' with a scanner of its own; every row once the scan ends.
QList<FontRow> scan(const QString &folder, const QString &wanted)
{
    FontScanner scanner;
    QList<FontRow> rows;
    QObject::connect(&scanner, &FontScanner::rowsFound, [&rows](const QList<FontRow> &found) { rows += found; });
    QSignalSpy done(&scanner, &FontScanner::finished);
    scanner.start({FontScanner::Source::Kind::Folder, folder, {}}, wanted);
    done.wait(20000); // the hostile files must not hold it up
    return rows;
}

// The main window with a font list open on a folder of three faces; slot 1
// holds the file of "Original Test" first.
struct ListFixture : EditorWindow {
    static constexpr std::size_t slot = 1;
    QString original, folder;
    FontListWindow *list = nullptr;

    explicit ListFixture(bool originalFromFile = true)
    {
        folder = cwd.path() + QStringLiteral("/list");
        QDir().mkdir(folder);
        for (const char *face : {"Bravo Test", "Charlie Test", "Delta Test"})
            writeRenamedFont(folder, QLatin1String(face).left(5) + QStringLiteral(".ttf"), familyNames(face, "Book"));
        if (originalFromFile) {
            original = writeRenamedFont(cwd.path(), "original.ttf", familyNames("Original Test", "Book"));
            choose(slot, original);
        } else {
            face(slot)->setText(QStringLiteral("Typed Face"));
            face(slot)->textEdited(face(slot)->text());
        }
        form.fontList().open(slot);
        list = form.fontList().window();
        list->setFolder(folder);
        QTRY_VERIFY(!list->scanner().running());
        list->view()->setFocus();
    }
    QString slotFace() const { return form.fontMap().slotValues[slot].face; }
    QString slotFile() const { return form.fontMap().slotValues[slot].file; }
    void key(Qt::Key k) { QTest::keyClick(list->view(), k); }
    void select(int row) { list->view()->setCurrentIndex(list->filter().index(row, 0)); }
};

} // namespace

class TestFontList : public QObject
{
    Q_OBJECT
private slots:
    void listsGoodRefusedAndHostileFiles()
    {
        const TempCwd cwd;
        const QString dir = cwd.path();
        QDir().mkdir(dir + "/sub");
        writeFontWithCharacters(dir, "abc.ttf", familyNames("Abc Test", "Book"), "abc");
        writeRenamedFont(dir + "/sub", "deep.TTF", familyNames("Deep Test", "Oblique"));
        writeFile(dir + "/collection.ttc", QByteArray("ttcf\0\1\0\0\0\0\0\1\0\0\0\20", 16));
        writeFile(dir + "/cuff.otf", sfnt({{"CFF ", "x"}, {"OS/2", os2Table(0)}, {"cmap", "x"}, {"head", headTable()},
                                           {"maxp", QByteArray("\0\0\x50\0\0\x09", 6)},
                                           {"name", nameTable(familyNames("Cuff Test", "Book"))}}));
        writeFile(dir + "/damaged.ttf", sfnt({{"head", headTable()}, {"name", nameTable({}), 1u << 30}}));
        writeFile(dir + "/text.ttf", "not a font");
        writeFile(dir + "/notes.txt", "not listed");
        QVERIFY(::mkfifo(QFile::encodeName(dir + "/pipe.ttf").constData(), 0600) == 0);
        QVERIFY(!writeOverclaimingFont(dir + "/sparse.ttf", true).isEmpty());
        QVERIFY(!writeOverclaimingFont(dir + "/repeated.ttf", false).isEmpty());

        const QList<FontRow> rows = scan(dir, "abd");
        struct Expected { const char *file, *family; FontRefusal refusal; bool usable; const char *missing; };
        const Expected expected[] = {
            {"abc.ttf", "Abc Test", FontRefusal::None, true, "d"},
            {"collection.ttc", "", FontRefusal::Collection, false, ""},
            {"cuff.otf", "Cuff Test", FontRefusal::None, false, "abd"},
            {"damaged.ttf", "", FontRefusal::DamagedTable, false, ""},
            {"pipe.ttf", "", FontRefusal::NotRegularFile, false, ""},
            {"repeated.ttf", "Hostile", FontRefusal::NoUsableName, false, ""},
            {"sparse.ttf", "Hostile", FontRefusal::NoUsableName, false, ""},
            {"deep.TTF", "Deep Test", FontRefusal::None, true, ""},
            {"text.ttf", "", FontRefusal::NotTrueType, false, ""},
        };
        QCOMPARE(rows.size(), qsizetype(std::size(expected)));
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            const Expected &e = expected[i];
            const FontRow &row = rows[qsizetype(i)];
            QCOMPARE(QFileInfo(row.path).fileName(), QLatin1String(e.file));
            QCOMPARE(row.family, QLatin1String(e.family));
            QCOMPARE(row.refusal, e.refusal);
            QCOMPARE(row.usable(), e.usable);
            if (e.usable || row.postScript)
                QCOMPARE(row.missing, QLatin1String(e.missing));
        }
    }

    void filtersByNameAndCoverage()
    {
        FontListModel model;
        FontListFilter filter(model);
        const auto row = [](const char *path, const char *family, const char *missing, bool usable = true) {
            FontRow r{path, family, "Book", QString(family) + " Book", FontRefusal::None, false, missing};
            r.refusal = usable ? FontRefusal::None : FontRefusal::DamagedTable;
            return r;
        };
        model.append({row("/f/alpha.ttf", "Alpha Sans", ""), row("/f/BETA.ttf", "Beta Serif", "é"),
                      row("/f/gamma.ttf", "Gamma", "x"), row("/f/broken.ttf", "", "", false)});
        model.setSlot({"LatinBold13", "Menu", "éM", 12});
        const auto shown = [&filter] {
            QStringList files;
            for (int i = 0; i < filter.rowCount(); ++i)
                files << QFileInfo(filter.index(i, 0).data(Qt::UserRole).toString()).fileName();
            return files.join(' ');
        };
        QCOMPARE(shown(), "alpha.ttf BETA.ttf gamma.ttf broken.ttf");
        filter.setSearch("  sans ");
        QCOMPARE(shown(), "alpha.ttf");
        filter.setSearch("beta.T"); // file names too, any case
        QCOMPARE(shown(), "BETA.ttf");
        filter.setSearch("serif book");
        QCOMPARE(shown(), "BETA.ttf");
        filter.setSearch(QString());
        filter.setCoverageOnly(true); // "x" is no character of the slot's texts
        QCOMPARE(shown(), "alpha.ttf gamma.ttf");
        filter.setCoverageOnly(false);
        filter.setHideUnusable(true);
        QCOMPARE(shown(), "alpha.ttf BETA.ttf gamma.ttf");
        QVERIFY(!model.data(model.index(3, 0), Qt::DisplayRole).toString().isEmpty()); // the reason
        QCOMPARE(model.flags(model.index(3, 0)), Qt::NoItemFlags);
        QCOMPARE(model.data(model.index(1, FontListModel::FamilyColumn), Qt::ToolTipRole).toString(),
                 FontMessages::missing("é"));
    }

    void escapePutsBackTheExactFaceAndFile_data()
    {
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("a chosen file") << true;
        QTest::newRow("a typed face") << false;
    }
    void escapePutsBackTheExactFaceAndFile()
    {
        QFETCH(bool, fromFile);
        ListFixture f(fromFile);
        const QString face = f.slotFace(), file = f.slotFile();
        f.key(Qt::Key_Down); // the first arrow tries the first row
        QCOMPARE(f.slotFace(), "Bravo Test");
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Down);
        QCOMPARE(f.slotFace(), "Delta Test");
        QCOMPARE(f.face(f.slot)->text(), "Delta Test");
        f.key(Qt::Key_Escape);
        QVERIFY(!f.list->isVisible());
        QCOMPARE(f.slotFace(), face);
        QCOMPARE(f.slotFile(), file);
        QCOMPARE(FontRegistry::instance().registrations(f.folder + "/Delta.ttf"), 0);
    }

    void keepingIsOneStepAndEndsTheTrial()
    {
        ListFixture f;
        f.select(0);
        f.key(Qt::Key_Down);
        QSignalSpy changes(&f.form.document(), &FontMapDocument::changed);
        const int steps = f.form.history().stack().count();
        f.key(Qt::Key_Return);
        QCOMPARE(changes.count(), 0); // the face tried is the one kept: nothing more changes
        QCOMPARE(f.form.history().stack().count(), steps + 1); // trials before it add nothing
        f.key(Qt::Key_Down);
        QCOMPARE(f.slotFace(), "Delta Test");
        f.list->close(); // back to the face kept, not to the one before the list
        QCOMPARE(f.slotFace(), "Charlie Test");
        QCOMPARE(f.slotFile(), f.folder + "/Charl.ttf");
    }

    void spaceComparesTriedAndOriginal()
    {
        ListFixture f;
        f.select(1);
        for (const char *expected : {"Original Test", "Charlie Test", "Original Test"}) {
            f.key(Qt::Key_Space);
            QCOMPARE(f.slotFace(), expected);
        }
        f.key(Qt::Key_Return); // keeps the row selected, not the original shown
        QCOMPARE(f.slotFace(), "Charlie Test");
        QCOMPARE(f.slotFile(), f.folder + "/Charl.ttf");
    }

    void rowsDragAsFileUrls()
    {
        ListFixture f;
        FontListModel &model = f.list->model();
        QCOMPARE(model.mimeTypes(), QStringList("text/uri-list"));
        std::unique_ptr<QMimeData> data(model.mimeData({model.index(2, 0), model.index(2, 1)}));
        QVERIFY(data);
        QCOMPARE(data->urls(), QList<QUrl>{QUrl::fromLocalFile(f.folder + "/Delta.ttf")});
        QVERIFY(model.flags(model.index(2, 0)) & Qt::ItemIsDragEnabled);
        // The sample is drawn from the file, for the slot's texts.
        QVERIFY(!model.data(model.index(0, 0), Qt::DecorationRole).value<QImage>().isNull());
        QVERIFY(model.cachedBytes() > 0);
        QCOMPARE(FontRegistry::instance().registrations(f.folder + "/Bravo.ttf"), 0);
    }

    void opensFromTheViewMenu()
    {
        EditorWindow w;
        QAction *action = w.form.fontList().action();
        QVERIFY(w.get<QMenu>("viewMenu")->actions().contains(action));
        QCOMPARE(action->shortcut(), QKeySequence("Ctrl+T"));
        action->trigger();
        QVERIFY(w.form.fontList().window()->isVisible());
    }
};

QTEST_MAIN(TestFontList)
#include "tst_fontlist.moc"
