// The phone-screen preview inside the main window: layout, the three refresh
// steps, their triggers, and what ends up on screen.
#include "core/slottable.h"
#include "preview/phonepreview.h"
#include "support/messagerecorder.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/main/form1.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {

// A fresh main window in its own folder, with the preview's controls at hand.
struct Fixture {
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form{nullptr, &messages};

    QLabel *label(const char *name) const { return child<QLabel>(&form, name); }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(&form, name); }
    QLabel *zoom() const { return child<QLabel>(&form, "ValoreZoom"); }
    QRect inWindow(const QWidget *w) const
    {
        return QRect(w->mapTo(form.centralWidget(), QPoint(0, 0)), w->size());
    }
    void forEachLabel(const std::function<void(std::size_t slot, QLabel *)> &visit) const
    {
        for (std::size_t s = 0; s < SlotCount; ++s)
            for (const char *name : slotTable()[s].previewLabels) {
                if (QTest::currentTestFailed())
                    return; // one failure is enough to say
                visit(s, label(name));
            }
    }
};

QString drawnFamily(const QLabel *label)
{
    return QFontInfo(label->font()).family();
}

// The pixels of the label's box that differ from the white of the screen
// picture under it; 0 where they do not, so grabs compare position by position.
QList<QRgb> textPixels(const Fixture &f, const char *labelName, const char *pictureName)
{
    QWidget &preview = f.form.preview();
    const QLabel *label = f.label(labelName);
    const QLabel *picture = f.label(pictureName);
    const QImage shown = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage under = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect box = label->geometry().intersected(picture->geometry());
    QList<QRgb> found;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb pixel = shown.pixel(x, y);
            const bool onWhite = under.pixel(x - picture->x(), y - picture->y()) == qRgb(255, 255, 255);
            found.append(onWhite && pixel != qRgb(255, 255, 255) ? pixel : 0);
        }
    }
    return found;
}

int darkest(const QList<QRgb> &pixels)
{
    int lowest = 255;
    for (QRgb p : pixels)
        if (p)
            lowest = std::min({lowest, qRed(p), qGreen(p), qBlue(p)});
    return lowest;
}

bool anyText(const QList<QRgb> &pixels)
{
    return std::any_of(pixels.begin(), pixels.end(), [](QRgb p) { return p != 0; });
}

} // namespace

class TestPhonePreview : public QObject
{
    Q_OBJECT

private slots:
    void screensAndOutlines();
    void labelBoxes_data();
    void labelBoxes();
    void startUpLooks();
    void faceChangesOnlyItsSlot_data();
    void faceChangesOnlyItsSlot();
    void emptyFaceGivesTheDefaultFamily();
    void oneKeystrokeOneRefresh();
    void emptyChromaBecomesZero();
    void sizesFollowSizeFieldAndZoom();
    void chromaSetsOneGreyForAll();
    void refreshKeepsCaptionBoxWeightAlignmentItalic();
    void gridCaptionsFollowTheirText();
    void rendering();
};

void TestPhonePreview::screensAndOutlines()
{
    Fixture f;
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        QLabel *picture = f.label("Image" + n);
        QVERIFY(!picture->pixmap().isNull());
        QCOMPARE(f.inWindow(picture), QRect(8 + 184 * i, 8, 176, 208));
        QCOMPARE(f.inWindow(child<QWidget>(&f.form, "Shape" + n)), QRect(8 + 184 * i, 8, 177, 209));
    }
    QCOMPARE(f.inWindow(f.label("Image5")), QRect(560, 56, 176, 144));
    // Every label lies above the pictures.
    f.forEachLabel([&](std::size_t, QLabel *label) {
        const QPoint inside = label->geometry().topLeft() + QPoint(2, 2);
        QCOMPARE(f.form.preview().childAt(inside), label);
        QVERIFY(!label->autoFillBackground());
    });
}

void TestPhonePreview::labelBoxes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("box"); // in the client area
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("right");

    QTest::newRow("standby title") << QByteArray("operatorstandby") << QRect(72, 16, 97, 33) << "Operatore" << false
                                   << false;
    QTest::newRow("profile") << QByteArray("modouso") << QRect(80, 40, 89, 17) << "Silenzioso" << false << false;
    QTest::newRow("standby right key") << QByteArray("galleriastandby") << QRect(104, 192, 81, 25) << "Galleria"
                                       << false << true;
    QTest::newRow("pop-up line 5") << QByteArray("riga5pop") << QRect(200, 160, 145, 25) << "Riga 5" << true << false;
    QTest::newRow("pop-up left key") << QByteArray("menupop") << QRect(192, 192, 89, 25) << "Menu" << false << false;
    QTest::newRow("menu title") << QByteArray("operatormenu") << QRect(440, 16, 97, 33) << "Menu" << false << false;
    QTest::newRow("menu right key") << QByteArray("galleriamenu") << QRect(472, 192, 81, 25) << "Opzioni" << false
                                    << true;
    QTest::newRow("counter") << QByteArray("ncar") << QRect(616, 40, 49, 17) << "160 (1)" << false << false;
    QTest::newRow("sms line 1") << QByteArray("riga1sms") << QRect(576, 96, 169, 17) << "abcdefghilmnopqrstuvz"
                                << false << false;
    QTest::newRow("sms line 2") << QByteArray("riga2sms") << QRect(568, 112, 137, 17) << "1234567890" << false
                                << false;
    QTest::newRow("sms right key") << QByteArray("galleriasms") << QRect(656, 192, 81, 25) << "Opzioni" << false
                                   << true;
}

void TestPhonePreview::labelBoxes()
{
    QFETCH(QByteArray, name);
    QFETCH(QRect, box);
    QFETCH(QString, caption);
    QFETCH(bool, bold);
    QFETCH(bool, right);
    Fixture f;
    QLabel *label = f.label(name);
    QCOMPARE(f.inWindow(label), box);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->alignment(), (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestPhonePreview::startUpLooks()
{
    Fixture f;
    const float sizes[SlotCount] = {8, 9, 13, 13, 8};
    const QString defaultFamily = QFontInfo(QGuiApplication::font()).family();
    int count = 0;
    f.forEachLabel([&](std::size_t slot, QLabel *label) {
        QCOMPARE(label->font().pointSizeF(), sizes[slot]);
        QCOMPARE(drawnFamily(label), defaultFamily);
        QVERIFY(!label->font().italic());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        ++count;
    });
    QCOMPARE(count, 30);
    // The grid's first caption starts where designed, whatever its size now.
    QCOMPARE(f.inWindow(f.label("menu1")).topLeft(), QPoint(384, 88));
}

void TestPhonePreview::faceChangesOnlyItsSlot_data()
{
    QTest::addColumn<int>("slot");
    for (std::size_t s = 0; s < SlotCount; ++s)
        QTest::newRow(slotTable()[s].key) << int(s);
}

void TestPhonePreview::faceChangesOnlyItsSlot()
{
    QFETCH(int, slot);
    Fixture f;
    const QString before = drawnFamily(f.label("riga1pop"));
    QVERIFY(before != QLatin1String("DejaVu Serif"));
    f.edit(slotTable()[slot].key)->setText(QStringLiteral("DejaVu Serif"));
    f.forEachLabel([&](std::size_t s, QLabel *label) {
        QCOMPARE(drawnFamily(label), int(s) == slot ? QStringLiteral("DejaVu Serif") : before);
    });
}

void TestPhonePreview::emptyFaceGivesTheDefaultFamily()
{
    Fixture f;
    QLineEdit *face = f.edit("LatinBold13");
    face->setText(QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(drawnFamily(f.label("riga3pop")), QStringLiteral("DejaVu Sans Mono"));
    face->clear();
    QCOMPARE(drawnFamily(f.label("riga3pop")), QFontInfo(QGuiApplication::font()).family());
}

void TestPhonePreview::oneKeystrokeOneRefresh()
{
    Fixture f;
    QSignalSpy refreshes(&f.form.preview(), &PhonePreview::refreshed);
    QLineEdit *face = f.edit("LatinBold19");
    QTest::keyClick(face, Qt::Key_D);
    QCOMPARE(refreshes.count(), 1);
    QTest::keyClicks(face, QStringLiteral("ej"));
    QCOMPARE(refreshes.count(), 3);
    face->setText(QStringLiteral("DejaVu Serif"));
    QCOMPARE(refreshes.count(), 4);
    QCOMPARE(drawnFamily(f.label("operatorsms")), QStringLiteral("DejaVu Serif"));
    // Fields the preview does not show start nothing.
    f.edit("H1")->setText(QStringLiteral("3"));
    QCOMPARE(refreshes.count(), 4);
}

void TestPhonePreview::emptyChromaBecomesZero()
{
    Fixture f;
    QSignalSpy refreshes(&f.form.preview(), &PhonePreview::refreshed);
    f.edit("chromavalue")->clear();
    // The refresh of the cleared box writes "0", whose own refresh runs inside it.
    QCOMPARE(f.edit("chromavalue")->text(), QStringLiteral("0"));
    QCOMPARE(refreshes.count(), 2);
    QCOMPARE(f.form.preview().textColour(), QColor(250, 250, 250));
}

void TestPhonePreview::sizesFollowSizeFieldAndZoom()
{
    Fixture f;
    auto sizeOf = [&](const char *name) { return f.label(name)->font().pointSizeF(); };
    f.edit("dim17b")->setText(QStringLiteral("17"));
    f.form.aggiornaanteprima();
    QCOMPARE(sizeOf("menusms"), 14.0);
    QCOMPARE(sizeOf("operatorsms"), 13.0);

    f.zoom()->setText(QStringLiteral("150"));
    f.form.aggiornaanteprima();
    QCOMPARE(sizeOf("menusms"), 21.0);
    QCOMPARE(sizeOf("riga2pop"), 13.5);
    QCOMPARE(sizeOf("ncar"), 12.0);
    f.zoom()->setText(QStringLiteral("300"));
    f.form.aggiornaanteprima();
    QCOMPARE(sizeOf("riga2pop"), 27.0);

    // Sizes that give no usable point size leave the labels as they were.
    f.edit("dim12b")->setText(QStringLiteral("4"));
    f.edit("dim13b")->setText(QStringLiteral("abc"));
    f.form.aggiornaanteprima();
    QCOMPARE(sizeOf("ncar"), 24.0);
    QCOMPARE(sizeOf("riga2pop"), 27.0);
    f.zoom()->setText(QStringLiteral("0"));
    f.form.aggiornaanteprima();
    QCOMPARE(sizeOf("menusms"), 42.0);
}

void TestPhonePreview::chromaSetsOneGreyForAll()
{
    Fixture f;
    QLineEdit *chroma = f.edit("chromavalue");
    auto allIn = [&](const QColor &grey) {
        f.forEachLabel([&](std::size_t, QLabel *label) {
            QCOMPARE(label->palette().color(QPalette::WindowText), grey);
        });
    };
    chroma->setText(QStringLiteral("96"));
    allIn(QColor(32, 32, 32));
    chroma->setText(QStringLiteral("10"));
    allIn(QColor(223, 223, 223));
    // Not a number: the grey stays, the program goes on.
    chroma->setText(QStringLiteral("abc"));
    allIn(QColor(223, 223, 223));
    chroma->setText(QStringLiteral("-5"));
    allIn(QColor(Qt::black));
}

void TestPhonePreview::refreshKeepsCaptionBoxWeightAlignmentItalic()
{
    Fixture f;
    struct Before {
        QString text;
        QRect box;
        Qt::Alignment alignment;
        bool bold;
    };
    QHash<QLabel *, Before> before;
    f.forEachLabel([&](std::size_t, QLabel *label) {
        before.insert(label, {label->text(), label->geometry(), label->alignment(), label->font().bold()});
    });
    // The italic switches flip a label's font directly; refreshes keep that.
    QFont italic = f.label("galleriapop")->font();
    italic.setItalic(true);
    f.label("galleriapop")->setFont(italic);

    f.edit("dim13b")->setText(QStringLiteral("30"));
    f.edit("dim19b")->setText(QStringLiteral("40"));
    f.zoom()->setText(QStringLiteral("200"));
    f.edit("LatinBold13")->setText(QStringLiteral("DejaVu Serif"));
    f.edit("LatinBold17")->setText(QStringLiteral("No Such Face 42"));
    f.edit("chromavalue")->setText(QStringLiteral("55"));
    f.forEachLabel([&](std::size_t slot, QLabel *label) {
        const Before &was = before[label];
        QCOMPARE(label->text(), was.text);
        QCOMPARE(label->alignment(), was.alignment);
        QCOMPARE(label->font().bold(), was.bold);
        QCOMPARE(label->font().italic(), label->objectName() == QLatin1String("galleriapop"));
        if (slot != 4)
            QCOMPARE(label->geometry(), was.box);
    });
}

void TestPhonePreview::gridCaptionsFollowTheirText()
{
    Fixture f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    QLabel *menu1 = f.label("menu1");
    QLabel *riga1 = f.label("riga1pop");
    const QRect small = menu1->geometry();
    const QRect lineBox = riga1->geometry();

    menu1->setText(QStringLiteral("Impostazioni del telefono"));
    riga1->setText(QStringLiteral("Una riga molto più lunga del suo riquadro"));
    QTRY_VERIFY(menu1->width() > 3 * small.width());
    QCOMPARE(menu1->pos(), small.topLeft());
    QCOMPARE(riga1->geometry(), lineBox);

    menu1->setText(QStringLiteral("menu1"));
    QTRY_COMPARE(menu1->geometry(), small);

    f.edit("dim12p")->setText(QStringLiteral("40"));
    f.form.aggiornaanteprima();
    QVERIFY(menu1->height() > 3 * small.height());
    QCOMPARE(menu1->pos(), small.topLeft());
    f.edit("dim12p")->setText(QStringLiteral("12"));
    f.form.aggiornaanteprima();
    QCOMPARE(menu1->geometry(), small);
}

void TestPhonePreview::rendering()
{
    Fixture f;
    const QList<QRgb> plain = textPixels(f, "riga1sms", "Image4");
    QVERIFY(anyText(plain));
    QVERIFY(darkest(plain) < 60);

    f.edit("LatinBold12")->setText(QStringLiteral("DejaVu Serif"));
    const QList<QRgb> serif = textPixels(f, "riga1sms", "Image4");
    QVERIFY(anyText(serif));
    QVERIFY(serif != plain);

    // Chroma 0: the same letters, drawn almost white.
    f.edit("chromavalue")->setText(QStringLiteral("0"));
    const QList<QRgb> pale = textPixels(f, "riga1sms", "Image4");
    QVERIFY(anyText(pale));
    QVERIFY(darkest(pale) > 200);
}

QTEST_MAIN(TestPhonePreview)
#include "tst_phonepreview.moc"
