#pragma once

#include "core/fontmap.h"
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

// The lower band of the main window: the four frames that hold the font map
// and the red information buttons. The controls are the font map's storage.
class FontMapEditor final : public QObject
{
    Q_OBJECT
public:
    explicit FontMapEditor(QWidget *area);

    const SlotControls &slot(std::size_t index) const { return m_slots[index]; }
    QScrollBar *scrollZoom() const { return m_scrollZoom; }
    QLabel *valoreZoom() const { return m_valoreZoom; }
    QLineEdit *chromaValue() const { return m_chromaValue; }
    QScrollBar *chromaScroll() const { return m_chromaScroll; }
    QLineEdit *fontPath() const { return m_fontPath; }

    // The font map as the controls hold it right now.
    FontMap fontMap() const;

private:
    void buildNamesFrame(QWidget *area);
    void buildSizesFrame(QWidget *area);
    void buildExtrasFrame(QWidget *area);
    void buildOtherFrame(QWidget *area);
    void buildInfoButtons(QWidget *area);

    std::array<SlotControls, SlotCount> m_slots;
    QScrollBar *m_scrollZoom = nullptr;
    QLabel *m_valoreZoom = nullptr;
    QLineEdit *m_chromaValue = nullptr;
    QScrollBar *m_chromaScroll = nullptr;
    QLineEdit *m_fontPath = nullptr;
};
