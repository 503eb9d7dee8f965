// The file each face came from belongs to the document: a reopened
// Glyphmux.ini finds it again wherever it lies, a map applied with files
// draws them, and a font dropped on a slot row is chosen for that slot.
#include "core/phoneexport.h"
#include "fonts/chosenfonts.h"
#include "fonts/fontfilereader.h"
#include "fonts/fontfinder.h"
#include "fonts/fontregistry.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"

#include <sys/stat.h>

using namespace TestFonts;
using Place = FontFinder::Place;

namespace {

// The name table the slot's labels are drawn from.
QByteArray drawnNames(const MainWindow &form, std::size_t slot)
{
    const auto &table = previewLabelTable();
    const auto at = std::find_if(table.begin(), table.end(), [&](const PreviewLabelInfo &l) { return l.slot == slot; });
    return QRawFont::fromFont(form.preview().label(std::size_t(at - table.begin()))->font()).fontTable("name");
}

// The files an export of 'map' would copy.
QStringList exportedFiles(const FontMap &map, const QString &target)
{
    ExportRequest request{map, {}, {}, PhoneFamily::N70, {}, target};
    for (std::size_t i = 0; i < SlotCount; ++i)
        request.fontFiles[i] = map.slotValues[i].file;
    QStringList sources;
    for (const ExportItem &item : planExport(request, {}).items)
        sources << item.sourcePath;
    return sources;
}

void drop(QWidget *on, const QString &file)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &enter);
    QDropEvent dropped(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QApplication::sendEvent(on, &dropped);
}

} // namespace

class TestFontFiles : public QObject
{
    Q_OBJECT

private slots:
    void saveThenReopen_data()
    {
        QTest::addColumn<QString>("font"); // under the saved file's folder, or "/..." an installed one
        QTest::addColumn<bool>("remembered");
        QTest::addColumn<int>("place");
        QTest::newRow("remembered") << dejaVuPath("DejaVuSerif-BoldItalic.ttf") << true << int(Place::Remembered);
        QTest::newRow("(a) its folder") << "a.ttf" << false << int(Place::IniFolder);
        QTest::newRow("(b) data/fonts") << "data/fonts/b.ttf" << false << int(Place::DataFonts);
        QTest::newRow("(c) a font folder") << "elsewhere/c.ttf" << false << int(Place::FontFolder);
        QTest::newRow("(d) installed") << dejaVuPath("DejaVuSerif.ttf") << false << int(Place::Installed);
        QTest::newRow("not found") << "gone/u.ttf" << false << int(Place::None);
    }
    void saveThenReopen()
    {
        QFETCH(QString, font);
        QFETCH(bool, remembered);
        QFETCH(int, place);
        EditorWindow f;
        const QString face = QStringLiteral("Glyphmux Reopen ") + QTest::currentDataTag();
        if (!font.startsWith(QLatin1Char('/'))) {
            QDir().mkpath(QFileInfo(f.cwd.filePath(font)).path());
            font = writeRenamedFont(QFileInfo(f.cwd.filePath(font)).path(), QFileInfo(font).fileName(),
                                    familyNames(face, QStringLiteral("Book")));
            // Beside it: the same face in Bold, first by name, and files to skip.
            writeRenamedFont(QFileInfo(font).path(), QStringLiteral("0-Bold.ttf"), familyNames(face, QStringLiteral("Bold")));
        }
        f.cwd.write(QStringLiteral("collection.ttf"), "ttcf" + QByteArray(64, '\1'));
        f.cwd.write(QStringLiteral("damaged.ttf"), sfnt({{"name", QByteArray(8, '\0'), 0, 1u << 30}}));
        QCOMPARE(::mkfifo(QFile::encodeName(f.cwd.filePath(QStringLiteral("pipe.ttf"))).constData(), 0600), 0);
        f.choose(1, font);
        const QString chosenFace = f.face(1)->text();
        f.get<QAction>("visualizza_pop")->trigger(); // no phone-model window
        QVERIFY(f.form.writeIni());
        if (!remembered)
            QSettings().remove(QStringLiteral("fontFilesOf"));
        if (place == int(Place::None))
            QVERIFY(QDir(QFileInfo(font).path()).removeRecursively());

        MainWindow reopened(&f.chooser, &f.messages);
        QVERIFY(reopened.openFile(f.cwd.filePath(QStringLiteral("Glyphmux.ini"))));
        const FontMap &map = reopened.fontMap();
        QCOMPARE(map.slotValues[1].face, chosenFace);
        const QStringList exported = exportedFiles(map, f.cwd.filePath(QStringLiteral("out")));
        const QString report = f.messages.lists.isEmpty() ? QString() : f.messages.lists.last().join('\n');
        if (place == int(Place::None)) {
            QCOMPARE(map.slotValues[1].file, QString());
            QVERIFY(exported.filter(QStringLiteral(".ttf")).isEmpty());
            QVERIFY(report.contains(QStringLiteral("no font file found")));
            return;
        }
        QCOMPARE(map.slotValues[1].file, font); // the Regular style before the Bold first by name
        QCOMPARE(drawnNames(reopened, 1), QRawFont(font, 12).fontTable("name"));
        QVERIFY(exported.contains(font));
        QVERIFY(reopened.chosenFonts().details(1).has_value()); // details and coverage see it
        // Only a guess among several files is reported.
        QCOMPARE(report.contains(QDir::toNativeSeparators(font)), place != int(Place::Remembered));
    }

    // The document holds the file; the keeper of files follows any change of
    // it, as an undo applying a whole map would make.
    void documentKeepsTheFile()
    {
        QTemporaryDir dir;
        const QString face = QStringLiteral("Glyphmux Document Probe");
        const QString file = writeRenamedFont(dir.path(), QStringLiteral("p.ttf"), familyNames(face, QStringLiteral("Book")));
        FontMapDocument document;
        ChosenFonts fonts(document);
        QSignalSpy changes(&document, &FontMapDocument::changed);
        FontMap map = FontMap::initial();
        map.slotValues[2].face = face;
        map.slotValues[2].file = file;
        document.setMap(map);
        QCOMPARE(changes.size(), 1); // face and file announced once
        QCOMPARE(fonts.reader(2)->faceName(), face);
        QCOMPARE(FontRegistry::instance().registrations(file), 1);
        QVERIFY(fonts.drawnFace(2));
        document.setFace(2, face); // the same name typed keeps the file
        QCOMPARE(document.slotValue(2).file, file);
        document.setFace(2, face + QLatin1Char('X'));
        QCOMPARE(document.slotValue(2).file, QString());
        QCOMPARE(FontRegistry::instance().registrations(file), 0);
        QCOMPARE(fonts.reader(2), nullptr);
    }

    void droppedOnASlotRow()
    {
        EditorWindow f;
        const QString face = QStringLiteral("Glyphmux Dropped");
        const QString font = writeRenamedFont(f.cwd.path(), QStringLiteral("dropped.ttf"), familyNames(face, QStringLiteral("Book")));
        // On the face field: chosen, not pasted as an address; on another control of a row too.
        for (const auto &[slot, control] : {std::pair{std::size_t(0), slotTable()[0].key}, {3, slotTable()[3].sizeField}}) {
            drop(f.get<QWidget>(control), font);
            QCOMPARE(f.face(slot)->text(), face);
            QCOMPARE(f.form.fontMap().slotValues[slot].file, font);
            QCOMPARE(drawnNames(f.form, slot), QRawFont(font, 12).fontTable("name"));
        }
        // A Glyphmux.ini dropped on a row still opens.
        const QString ini = f.cwd.write(QStringLiteral("x/Glyphmux.ini"), "[FontMap]\nLatinBold13=Dropped Ini@12\n");
        drop(f.face(2), ini);
        QTRY_COMPARE(f.face(1)->text(), QStringLiteral("Dropped Ini"));
    }
};

QTEST_MAIN(TestFontFiles)
#include "tst_fontfiles.moc"
