// The font map value and the document around it: equality sees every field,
// and each edit that changes a value is announced once.
#include "core/fontmapdocument.h"

#include <QtTest>

using Field = FontMapDocument::Field;

class TestFontMap : public QObject
{
    Q_OBJECT

private slots:
    void eachFieldIsOneEdit()
    {
        const QString x = QStringLiteral("x");
        const struct { Field field; int slot; std::function<void(FontMapDocument &)> edit; } edits[] = {
            {Field::Face, 0, [&](FontMapDocument &d) { d.setFace(0, x); }},
            {Field::Size, 1, [&](FontMapDocument &d) { d.setSize(1, x); }},
            {Field::Height, 2, [&](FontMapDocument &d) { d.setHeight(2, x); }},
            {Field::Italic, 3, [&](FontMapDocument &d) { d.setItalic(3, true); }},
            {Field::Width, 4, [&](FontMapDocument &d) { d.setWidth(4, x); }},
            {Field::Zoom, -1, [&](FontMapDocument &d) { d.setZoom(7); }},
            {Field::Chroma, -1, [&](FontMapDocument &d) { d.setChroma(x); }},
            {Field::FontPath, -1, [&](FontMapDocument &d) { d.setFontPath(x); }},
        };
        for (const auto &e : edits) {
            FontMapDocument doc;
            QSignalSpy spy(&doc, &FontMapDocument::changed);
            e.edit(doc);
            e.edit(doc); // the same value again is no edit
            QCOMPARE(spy.size(), 1);
            QCOMPARE(spy[0][0].value<Field>(), e.field);
            QCOMPARE(spy[0][1].toInt(), e.slot);
            QVERIFY(doc.map() != FontMap::initial());

            // A whole map brings back the other's values, announcing only what differs.
            FontMapDocument other;
            QSignalSpy otherSpy(&other, &FontMapDocument::changed);
            other.setMap(doc.map());
            QCOMPARE(other.map(), doc.map());
            QCOMPARE(otherSpy.size(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestFontMap)
#include "tst_fontmap.moc"
