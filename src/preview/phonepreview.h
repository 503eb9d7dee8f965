#pragma once

#include "core/slottable.h"
#include "core/previewlabels.h"

#include <QWidget>

#include <array>

class QLabel;
struct FontMap;

// The four phone screens of the main window's upper band and the 30 labels
// over them. Each label is a QLabel named as designed; its font() is what it
// is drawn with. All labels inherit their text colour from this widget.
// It is told what to show; it knows nothing of the controls that edit it.
class PhonePreview final : public QWidget
{
    Q_OBJECT
public:
    explicit PhonePreview(QWidget *parent = nullptr);

    // The three refresh steps, each over all 30 labels: every slot's face,
    // every slot's size at the zoom, and the grey of the chroma text (a text
    // that is no number keeps the colour).
    void applyFaces(const FontMap &map);
    void applySizes(const FontMap &map);
    void applyColour(const QString &chroma);
    // Slants or straightens the labels the slot draws.
    void applyItalic(std::size_t slot, bool italic);
    // Everything at once: italics, then the three steps.
    void showMap(const FontMap &map);

    QLabel *label(std::size_t tableIndex) const { return m_labels[tableIndex]; }
    // The colour the labels are drawn in.
    QColor textColour() const;

signals:
    // The colour step, the last of a refresh, has run.
    void refreshed();

protected:
    bool event(QEvent *event) override;

private:
    void buildScreens();
    void buildLabels();
    void fitCaptions();

    std::array<QLabel *, PreviewLabelCount> m_labels{};
};
