// The preview's arithmetic and its label table, without a window.
#include "core/slottable.h"
#include "preview/previewlabels.h"
#include "preview/previewmath.h"

#include <QSet>
#include <QtTest>

class TestPreviewLogic : public QObject
{
    Q_OBJECT

private slots:
    void pointSize_data();
    void pointSize();
    void pointSizeScalesWithZoomAndSize();
    void unusableSizesKeepThePrevious_data();
    void unusableSizesKeepThePrevious();
    void greyBands_data();
    void greyBands();
    void chromaText_data();
    void chromaText();
    void labelTableMatchesTheSlots();
};

void TestPreviewLogic::pointSize_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<float>("points");

    QTest::newRow("LatinBold12 default") << 0 << 12.0 << 100.0 << 8.0f;
    QTest::newRow("LatinBold13 default") << 1 << 12.0 << 100.0 << 9.0f;
    QTest::newRow("LatinBold17 default") << 2 << 16.0 << 100.0 << 13.0f;
    QTest::newRow("LatinBold19 default") << 3 << 16.0 << 100.0 << 13.0f;
    QTest::newRow("LatinPlain12 default") << 4 << 12.0 << 100.0 << 8.0f;
    QTest::newRow("zoom 150 keeps the half") << 2 << 16.0 << 150.0 << 19.5f;
    QTest::newRow("lowest 12-pixel size") << 0 << 5.0 << 100.0 << 1.0f;
    QTest::newRow("lowest size at zoom 50") << 1 << 4.0 << 50.0 << 0.5f;
    QTest::newRow("float rounding of a third") << 1 << 4.0 << 33.0 << static_cast<float>(0.33);
}

void TestPreviewLogic::pointSize()
{
    QFETCH(int, slot);
    QFETCH(double, size);
    QFETCH(double, zoom);
    QFETCH(float, points);
    const std::optional<float> got = previewPointSize(size, slotTable()[slot].previewSizeOffset, zoom);
    QVERIFY(got);
    QCOMPARE(*got, points);
}

void TestPreviewLogic::pointSizeScalesWithZoomAndSize()
{
    for (const SlotSpec &slot : slotTable()) {
        const int offset = slot.previewSizeOffset;
        for (double zoom : {1.0, 37.0, 100.0, 150.0, 300.0}) {
            const float base = *previewPointSize(slot.initialSize, offset, zoom);
            QCOMPARE(*previewPointSize(slot.initialSize, offset, zoom * 2), base * 2);
            QCOMPARE(*previewPointSize(slot.initialSize, offset, zoom / 2), base / 2);
            // One more size step adds zoom/100 points.
            const float next = *previewPointSize(slot.initialSize + 1, offset, zoom);
            QVERIFY(qFuzzyCompare(next - base, static_cast<float>(zoom / 100)));
        }
    }
    // Same size value, offsets one apart: one point apart at zoom 100.
    QCOMPARE(*previewPointSize(12, 3, 100) - *previewPointSize(12, 4, 100), 1.0f);
}

void TestPreviewLogic::unusableSizesKeepThePrevious_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("zoom");

    QTest::newRow("size at the offset") << 4.0 << 100.0;
    QTest::newRow("size below the offset") << 1.0 << 100.0;
    QTest::newRow("no number in the size field") << 0.0 << 100.0;
    QTest::newRow("zoom 0") << 12.0 << 0.0;
    QTest::newRow("negative zoom") << 12.0 << -50.0;
    QTest::newRow("beyond float") << 1e300 << 100.0;
    QTest::newRow("rounds to float zero") << 5.0 << 1e-300;
}

void TestPreviewLogic::unusableSizesKeepThePrevious()
{
    QFETCH(double, size);
    QFETCH(double, zoom);
    QVERIFY(!previewPointSize(size, 4, zoom));
}

void TestPreviewLogic::greyBands_data()
{
    QTest::addColumn<double>("chroma");
    QTest::addColumn<int>("grey");

    const QList<QPair<double, int>> rows = {
        {100, 0}, {97, 0}, {96.99, 32}, {96, 32}, {90, 32}, {89, 53}, {80, 53}, {79, 78}, {70, 78},
        {69, 100}, {60, 100}, {59, 123}, {50, 123}, {49, 153}, {40, 153}, {39, 180}, {30, 180},
        {29, 202}, {20, 202}, {19, 223}, {10, 223}, {9, 250}, {0, 250}, {-0.5, 0}, {-1, 0}, {250, 0},
    };
    for (const auto &[chroma, grey] : rows)
        QTest::addRow("%g", chroma) << chroma << grey;
}

void TestPreviewLogic::greyBands()
{
    QFETCH(double, chroma);
    QFETCH(int, grey);
    QCOMPARE(chromaGrey(chroma), grey);
}

void TestPreviewLogic::chromaText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "87" << true << 87.0;
    QTest::newRow("blanks around") << " 40 " << true << 40.0;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("fraction") << "9.5" << true << 9.5;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("number then junk") << "50x" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
}

void TestPreviewLogic::chromaText()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> got = chromaNumber(text);
    QCOMPARE(got.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*got, value);
}

void TestPreviewLogic::labelTableMatchesTheSlots()
{
    // Every label belongs to exactly one slot, every slot's labels are in the
    // table, and both step orders visit each label once.
    QSet<QByteArray> names;
    for (const PreviewLabelSpec &label : previewLabelTable()) {
        QVERIFY2(slotOfPreviewLabel(label.name) >= 0, label.name);
        QVERIFY2(!names.contains(label.name), label.name);
        names.insert(label.name);
        QVERIFY(label.screen >= 0 && label.screen < ScreenCount);
        // Grid captions, and only they, follow their text.
        QCOMPARE(label.fitsText, slotOfPreviewLabel(label.name) == 4);
    }
    std::size_t slotLabels = 0;
    for (const SlotSpec &slot : slotTable()) {
        for (const char *name : slot.previewLabels)
            QVERIFY2(names.contains(name), name);
        slotLabels += slot.previewLabels.size();
    }
    QCOMPARE(slotLabels, PreviewLabelCount);
    for (const PreviewLabelOrder *order : {&faceStepOrder(), &sizeStepOrder()}) {
        QSet<QByteArray> visited;
        for (const char *name : *order)
            visited.insert(name);
        QCOMPARE(visited, names);
    }
}

QTEST_APPLESS_MAIN(TestPreviewLogic)
#include "tst_previewlogic.moc"
