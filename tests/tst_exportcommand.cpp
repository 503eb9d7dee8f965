// "Export for the phone…" through the main window: the menu path, the
// copy-list window's button, the questions and reports on the way.
#include "support/editorwindow.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/exportdialog.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/main/exportcommand.h"

namespace {

struct Fixture : EditorWindow {
    Fixture()
    {
        for (const char *name : {"DejaVuSans.ttf", "DejaVuSerif.ttf"})
            QFile::copy("/usr/share/fonts/truetype/dejavu/" + QLatin1String(name), font(name));
        form.show();
    }
    QString font(const char *name) const { return cwd.filePath("src-" + QLatin1String(name)); }
    QString target() const { return cwd.filePath("card"); }
    ExportDialog *dialog() const { return form.exportCommand().dialog(); }
    void click(const char *name) { child<QPushButton>(dialog(), name)->click(); }
    QString findings() const { return child<QLabel>(dialog(), "exportFindings")->text(); }
};

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void exportsFromTheMenu()
    {
        Fixture f;
        for (const std::size_t slot : {0, 2})
            f.choose(slot, f.font("DejaVuSans.ttf"));
        for (const std::size_t slot : {1, 4})
            f.choose(slot, f.font("DejaVuSerif.ttf"));
        child<QLineEdit>(&f.form, "LatinPlain12")->setText("Typed Face"); // no longer the file's
        child<QAction>(&f.form, "cmd_export")->trigger();
        QVERIFY(f.dialog()->isVisible());
        QVERIFY(!child<QPushButton>(f.dialog(), "exportStart")->isEnabled());
        f.chooser.answer(f.target());
        f.click("exportChooseTarget");
        QVERIFY2(f.findings().contains("LatinPlain12: the face \"Typed Face\" has no file here; "
                                       "this face must already be on the phone."), qPrintable(f.findings()));
        QVERIFY2(f.findings().contains("glyphmux.dll is not included"), qPrintable(f.findings()));
        f.click("exportStart");
        QCOMPARE(f.messages.warned, QStringList());
        QCOMPARE(f.messages.informed.size(), 1);
        QVERIFY(f.messages.informed[0].startsWith("Exported to " + f.target()));
        QVERIFY(!f.dialog()->isVisible());

        // The configuration is the bytes a save writes; each file came once.
        child<QAction>(&f.form, "visualizza_pop")->trigger();
        child<QAction>(&f.form, "cmd_save")->trigger();
        QCOMPARE(f.cwd.read("card/data/fonts/glyphmux.ini"), f.cwd.read("Glyphmux.ini"));
        QCOMPARE(QDir(f.target() + "/data/fonts").entryList(QDir::Files),
                 QStringList({"glyphmux.ini", "src-DejaVuSans.ttf", "src-DejaVuSerif.ttf"}));

        // Again: asked once, Cancel keeps all; a vanished font stops it, named.
        child<QAction>(&f.form, "cmd_export")->trigger();
        QCOMPARE(child<QLineEdit>(f.dialog(), "exportTarget")->text(), f.target()); // remembered
        f.click("exportStart");
        QCOMPARE(f.messages.asked.size(), 1);
        QVERIFY(f.messages.asked[0].contains("data/fonts/src-DejaVuSans.ttf"));
        QVERIFY(f.dialog()->isVisible());
        QFile::remove(f.font("DejaVuSerif.ttf"));
        f.click("exportStart");
        QCOMPARE(f.messages.warned, QStringList{f.font("DejaVuSerif.ttf") + " no longer exists."});
        QVERIFY(!child<QPushButton>(f.dialog(), "exportStart")->isEnabled());
        QCOMPARE(f.messages.asked.size(), 1);
    }

    // After a save for the 6630 family, the copy list offers the export for it.
    void copyListWindowOffersTheExport()
    {
        Fixture f;
        CopyListDialog &copyList = f.form.sideWindows().copyList();
        child<QAction>(&f.form, "cmd_save")->trigger();
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

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
