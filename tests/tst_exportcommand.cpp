// "Export for the phone…" through the main window: the menu path, the
// copy-list window's button, the questions and reports on the way.
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/dialogs/exportdialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/main/exportcommand.h"
#include "ui/main/mainwindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

namespace {

struct Fixture {
    Fixture()
    {
        for (const char *name : {"DejaVuSans.ttf", "DejaVuSerif.ttf"})
            QFile::copy(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(name), font(name));
        form.show();
    }
    QString font(const char *name) const { return cwd.filePath(QStringLiteral("src-") + QLatin1String(name)); }
    QString target() const { return cwd.filePath(QStringLiteral("card")); }
    QByteArray exported(const char *relative) const
    {
        QFile file(target() + QLatin1Char('/') + QLatin1String(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void choose(std::size_t slot, const QString &path)
    {
        chooser.answer(path);
        child<QPushButton>(&form, slotTable()[slot].openButton)->click();
    }
    ExportDialog *dialog() const { return form.exportCommand().dialog(); }
    void click(const char *name) { child<QPushButton>(dialog(), name)->click(); }

    TempCwd cwd;
    ScriptedChooser chooser;
    MessageRecorder messages;
    MainWindow form{&chooser, &messages};
};

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportsFromTheMenu();
    void copyListWindowOffersTheExport();
};

void TestExportCommand::initTestCase()
{
    static QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
}

void TestExportCommand::exportsFromTheMenu()
{
    Fixture f;
    f.choose(0, f.font("DejaVuSans.ttf"));
    f.choose(1, f.font("DejaVuSerif.ttf"));
    f.choose(2, f.font("DejaVuSans.ttf"));
    f.choose(4, f.font("DejaVuSerif.ttf"));
    child<QLineEdit>(&f.form, "LatinPlain12")->setText(QStringLiteral("Typed Face")); // no longer the file's

    child<QAction>(&f.form, "cmd_export")->trigger();
    QVERIFY(f.dialog()->isVisible());
    QVERIFY(!child<QPushButton>(f.dialog(), "exportStart")->isEnabled());
    f.chooser.answer(f.target());
    f.click("exportChooseTarget");
    const QString findings = child<QLabel>(f.dialog(), "exportFindings")->text();
    QVERIFY2(findings.contains(QStringLiteral("LatinPlain12: the face \"Typed Face\" has no file here; "
                                              "this face must already be on the phone.")), qPrintable(findings));
    QVERIFY2(findings.contains(QStringLiteral("glyphmux.dll is not included")), qPrintable(findings));
    f.click("exportStart");
    QCOMPARE(f.messages.warned, QStringList());
    QCOMPARE(f.messages.informed.size(), 1);
    QVERIFY(f.messages.informed[0].startsWith(QStringLiteral("Exported to ") + f.target()));
    QVERIFY(!f.dialog()->isVisible());

    // The configuration is the bytes a save writes; each file came once.
    child<QAction>(&f.form, "visualizza_pop")->trigger();
    child<QAction>(&f.form, "cmd_save")->trigger();
    QCOMPARE(f.exported("data/fonts/glyphmux.ini"), f.cwd.read(QStringLiteral("Glyphmux.ini")));
    QCOMPARE(QDir(f.target() + QStringLiteral("/data/fonts")).entryList(QDir::Files),
             QStringList({"glyphmux.ini", "src-DejaVuSans.ttf", "src-DejaVuSerif.ttf"}));
    QVERIFY(f.exported("COPY-TO-PHONE.txt").contains("c:\\data\\fonts\\src-DejaVuSerif.ttf\r\n"));

    // Again: asked once, and Cancel keeps everything; then a vanished font
    // stops the export, naming the file and the reason.
    child<QAction>(&f.form, "cmd_export")->trigger();
    QCOMPARE(child<QLineEdit>(f.dialog(), "exportTarget")->text(), f.target()); // remembered
    f.click("exportStart");
    QCOMPARE(f.messages.asked.size(), 1);
    QVERIFY(f.messages.asked[0].contains(QStringLiteral("data/fonts/src-DejaVuSans.ttf")));
    QVERIFY(f.dialog()->isVisible());
    QFile::remove(f.font("DejaVuSerif.ttf"));
    f.click("exportStart");
    QCOMPARE(f.messages.warned, QStringList{f.font("DejaVuSerif.ttf") + QStringLiteral(" no longer exists.")});
    QVERIFY(!child<QPushButton>(f.dialog(), "exportStart")->isEnabled());
    QCOMPARE(f.messages.asked.size(), 1);
}

void TestExportCommand::copyListWindowOffersTheExport()
{
    Fixture f;
    child<QAction>(&f.form, "cmd_save")->trigger();
    child<QRadioButton>(&f.form.sideWindows().phoneModel(), "Option6630")->setChecked(true);
    child<QPushButton>(&f.form.sideWindows().phoneModel(), "Command1")->click();
    QTRY_VERIFY(f.form.sideWindows().copyList().isVisible());
    QCOMPARE(f.form.sideWindows().copyList().instructions(), PhoneModelDialog::copyInstructions(PhoneFamily::Model6630));
    // OK keeps the middle of the window, as before the export button came.
    const auto *ok = child<QPushButton>(&f.form.sideWindows().copyList(), "Command1");
    QCOMPARE(ok->geometry(), QRect((f.form.sideWindows().copyList().width() - 80) / 2, ok->y(), 80, ok->height()));

    child<QPushButton>(&f.form.sideWindows().copyList(), "exportButton")->click();
    QVERIFY(f.dialog()->isVisible());
    QVERIFY(child<QRadioButton>(f.dialog(), "export6630")->isChecked());
    const QString findings = child<QLabel>(f.dialog(), "exportFindings")->text();
    QVERIFY2(findings.contains(QStringLiteral("freetype.dll is not included")), qPrintable(findings));
}

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
