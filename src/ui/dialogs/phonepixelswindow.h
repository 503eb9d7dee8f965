#pragma once

#include <QWidget>

class PhonePreview;
class QComboBox;
class QLabel;
class QScrollArea;
class QSettings;

// The "Phone pixels" window: the preview band enlarged two to six times,
// each phone pixel a square block, redrawn with every change of the band.
// The factor is chosen in a list or with keys (+ and -, Ctrl with + and -,
// 2 to 6) and remembered; a band wider than the window scrolls. Escape
// closes it.
class PhonePixelsWindow final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MinFactor = 2, MaxFactor = 6, DefaultFactor = 4;

    PhonePixelsWindow(const PhonePreview &preview, QSettings &settings);

    int factor() const { return m_factor; }
    // Clamped to MinFactor..MaxFactor, shown and remembered.
    void setFactor(int factor);
    // The enlarged band.
    QWidget *view() const { return m_view; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void addKey(const QKeySequence &keys, int step, int factor = 0);

    const PhonePreview &m_preview;
    QSettings &m_settings;
    int m_factor = DefaultFactor;
    QLabel *m_caption = nullptr;
    QComboBox *m_chooser = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_view = nullptr;
};
