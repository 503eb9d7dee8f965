#pragma once

#include "core/fontmapdocument.h"
#include "core/slottable.h"

#include <QObject>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

// The controls of one slot row across the three editor frames.
struct SlotControls {
    QLabel *rowLabel = nullptr;
    QLineEdit *face = nullptr;
    QPushButton *open = nullptr;
    QPushButton *minus = nullptr;
    QLineEdit *size = nullptr;
    QPushButton *plus = nullptr;
    QLineEdit *height = nullptr;
    QCheckBox *italic = nullptr;
    QLineEdit *width = nullptr;
    QPushButton *info = nullptr;
};

// The lower band of the main window: the four frames that show the font map
// and the red information buttons. Every control that holds a value of the
// map writes it into the document as it changes, and shows the document's
// value when that changes elsewhere.
class FontMapEditor final : public QObject
{
    Q_OBJECT
public:
    FontMapEditor(QWidget *area, FontMapDocument &document);

    const SlotControls &slot(std::size_t index) const { return m_slots[index]; }
    QScrollBar *scrollZoom() const { return m_scrollZoom; }
    QLabel *zoomValueLabel() const { return m_zoomValueLabel; }
    QLineEdit *chromaValue() const { return m_chromaValue; }
    QScrollBar *chromaScroll() const { return m_chromaScroll; }
    QLineEdit *fontPath() const { return m_fontPath; }

    // The language changed: the captions of ours again.
    void retranslate();

private:
    void bindToDocument();
    void setUpKeyboard();
    void showValue(FontMapDocument::Field field, int slot);

    void buildNamesFrame(QWidget *area);
    void buildSizesFrame(QWidget *area);
    void buildExtrasFrame(QWidget *area);
    void buildOtherFrame(QWidget *area);
    void buildInfoButtons(QWidget *area);

    FontMapDocument &m_document;
    std::array<SlotControls, SlotCount> m_slots;
    QLabel *m_zoomCaption = nullptr;
    QLabel *m_chromaCaption = nullptr;
    QScrollBar *m_scrollZoom = nullptr;
    QLabel *m_zoomValueLabel = nullptr;
    QLineEdit *m_chromaValue = nullptr;
    QScrollBar *m_chromaScroll = nullptr;
    QLineEdit *m_fontPath = nullptr;
};
