// The side windows on their own: phone model, copy instructions, about box.
#include "support/ui.h"
#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/frmabout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

namespace {
const QString n70Text = QStringLiteral("c:\\system\\fonts\\glyphmux.dll\r\n"
                                       "c:\\data\\fonts\\glyphmux.ini\r\n"
                                       "c:\\data\\fonts\\ font in ttf");
const QString text6630 = QStringLiteral("c:\\system\\fonts\\freetype.dll\r\n") + n70Text;
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void sideWindowsStandAlone_data();
    void sideWindowsStandAlone();
    void confirmingTheModel_data();
    void confirmingTheModel();
    void closeBoxDismissesWithoutAModel();
    void form3OkHidesAndKeepsTheText();
    void aboutBoxTexts();
};

void TestDialogs::sideWindowsStandAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("Form2") << "Form2" << "Scegli il modello di cellulare";
    QTest::newRow("Form3") << "Form3" << "Copia i seguenti file:";
    QTest::newRow("frmAbout") << "frmAbout" << "Informazioni su Glyphmux GUI";
}

void TestDialogs::sideWindowsStandAlone()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);
    std::unique_ptr<QWidget> window;
    if (kind == QLatin1String("Form2"))
        window = std::make_unique<Form2>();
    else if (kind == QLatin1String("Form3"))
        window = std::make_unique<Form3>();
    else
        window = std::make_unique<frmAbout>();
    QCOMPARE(window->objectName(), kind);
    QCOMPARE(window->windowTitle(), title);
    QVERIFY(window->isWindow());
    QVERIFY(!window->parent());
    // Closing a side window must never end the program.
    QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!window->isVisible());
}

void TestDialogs::confirmingTheModel_data()
{
    QTest::addColumn<QStringList>("clicks"); // options clicked before each OK
    QTest::addColumn<QString>("expected");
    QTest::newRow("initial selection") << QStringList{QString()} << n70Text;
    QTest::newRow("6630") << QStringList{"Option6630"} << text6630;
    QTest::newRow("6630 then n70") << QStringList{"Option6630", "OptionN70"} << n70Text;
    QTest::newRow("6630 kept for the next time") << QStringList{"Option6630", QString()} << text6630;
}

void TestDialogs::confirmingTheModel()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);
    Form2 form;
    QCOMPARE(form.elencofile(), QString());
    auto *n70 = child<QRadioButton>(&form, "OptionN70");
    auto *model6630 = child<QRadioButton>(&form, "Option6630");
    QCOMPARE(n70->text(), QStringLiteral("n70/n72/n90"));
    QCOMPARE(model6630->text(), QStringLiteral("6630/6680/6600"));
    QVERIFY(n70->isChecked());
    QVERIFY(!model6630->isChecked());
    QVERIFY(!child<QLabel>(&form, "Image1")->pixmap().isNull());
    QVERIFY(!child<QLabel>(&form, "Image2")->pixmap().isNull());
    auto *ok = child<QPushButton>(&form, "Command1");
    QCOMPARE(ok->text(), QStringLiteral("OK"));

    QSignalSpy confirmed(&form, &Form2::modelConfirmed);
    QSignalSpy dismissed(&form, &Form2::dismissed);
    for (const QString &option : clicks) {
        form.show();
        if (!option.isEmpty())
            QTest::mouseClick(child<QRadioButton>(&form, option.toLatin1().constData()), Qt::LeftButton);
        QVERIFY(n70->isChecked() != model6630->isChecked());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
    QCOMPARE(confirmed.size(), clicks.size());
    QCOMPARE(confirmed.last().at(0).toString(), expected);
    QCOMPARE(form.elencofile(), expected);
    QVERIFY(!expected.endsWith(QLatin1Char('\n')));
    QCOMPARE(dismissed.size(), 0);
}

void TestDialogs::closeBoxDismissesWithoutAModel()
{
    Form2 form;
    QSignalSpy confirmed(&form, &Form2::modelConfirmed);
    QSignalSpy dismissed(&form, &Form2::dismissed);
    form.show();
    QTest::mouseClick(child<QRadioButton>(&form, "Option6630"), Qt::LeftButton);
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QCOMPARE(dismissed.size(), 1);
    QCOMPARE(confirmed.size(), 0);
    QCOMPARE(form.elencofile(), QString());
}

void TestDialogs::form3OkHidesAndKeepsTheText()
{
    Form3 form;
    auto *testo = child<QLabel>(&form, "testo");
    QVERIFY(testo->font().bold());
    form.setInstructions(text6630);
    form.show();
    QCOMPARE(testo->text(), text6630);
    QTest::mouseClick(child<QPushButton>(&form, "Command1"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.instructions(), text6630);
}

void TestDialogs::aboutBoxTexts()
{
    frmAbout about;
    QCOMPARE(child<QLabel>(&about, "lblTitle")->text(), QStringLiteral("Glyphmux GUI"));
    QCOMPARE(child<QLabel>(&about, "lblVersion")->text(), QStringLiteral("Versione 1.2.4"));
    QCOMPARE(child<QLabel>(&about, "Label1")->text(), QStringLiteral("Glyphmux.dll"));
    for (const char *name : {"lblTitle", "lblVersion", "Label1", "Label2", "lblDisclaimer"}) {
        QLabel *label = child<QLabel>(&about, name);
        QVERIFY2(label->font().bold(), name);
        QVERIFY2(!label->text().isEmpty(), name);
    }
    QCOMPARE(about.findChildren<QFrame *>(QStringLiteral("Line1")).size(), 2);

    auto *address = child<QLineEdit>(&about, "Text1");
    QVERIFY(address->isReadOnly());
    const QUrl url(address->text(), QUrl::StrictMode);
    QVERIFY(url.isValid());
    QVERIFY(url.host() == QLatin1String("example.org") || url.host().endsWith(QLatin1String(".example.org")));
    QCOMPARE(url.path(), QStringLiteral("/home/forum/index.php"));
    const QUrlQuery query(url);
    QVERIFY(query.hasQueryItem(QStringLiteral("showtopic")));
    QVERIFY(query.hasQueryItem(QStringLiteral("st")));
    QCOMPARE(query.queryItems().size(), 2);

    about.show();
    QTest::mouseClick(child<QPushButton>(&about, "cmdOK"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
