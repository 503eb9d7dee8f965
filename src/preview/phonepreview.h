#pragma once

#include "core/slottable.h"
#include "preview/previewlabels.h"
#include "fonts/fontfaces.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
struct FontMap;

// The four phone screens of the main window's upper band and the 30 labels
// over them. Each label is a QLabel named as designed; its font() is what it
// is drawn with. All labels inherit their text colour from this widget.
// It is told what to show; it knows nothing of the controls that edit it.
// The pictures, outlines and labels paint nothing themselves: the preview
// draws the whole band at one pixel per phone pixel and shows that image
// enlarged by whole pixels on high-density screens.
class PhonePreview final : public QWidget
{
    Q_OBJECT
public:
    explicit PhonePreview(QWidget *parent = nullptr);

    // The three refresh steps, each over all 30 labels: every slot's face,
    // every slot's size at the zoom, and the grey of the chroma text (a text
    // that is no number keeps the colour).
    // 'fileFaces' are the fonts of the slots' files, drawn instead of
    // matching the face names; a slot without one is matched by name.
    using FileFaces = std::array<std::optional<FontFace>, SlotCount>;
    void applyFaces(const FontMap &map, const FileFaces &fileFaces = {});
    void applySizes(const FontMap &map);
    void applyColour(const QString &chroma);
    // Slants or straightens the labels the slot draws.
    void applyItalic(std::size_t slot, bool italic);
    // Everything at once: italics, then the three steps.
    void showMap(const FontMap &map, const FileFaces &fileFaces = {});

    // While one exists, captions that follow their text are measured once,
    // when the last one ends, in the font the steps in between left them.
    class FittingHold
    {
    public:
        explicit FittingHold(PhonePreview &preview);
        ~FittingHold();
        FittingHold(const FittingHold &) = delete;
        FittingHold &operator=(const FittingHold &) = delete;

    private:
        PhonePreview &m_preview;
    };

    QLabel *label(std::size_t tableIndex) const { return m_labels[tableIndex]; }
    // The colour the labels are drawn in.
    QColor textColour() const;

    // The whole band as it stands, one pixel per phone pixel.
    QImage bandImage() const;
    // Draws the part 'area' of the band, in band pixels, with 'painter'.
    void paintBand(QPainter &painter, const QRect &area) const;

signals:
    // The colour step, the last of a refresh, has run.
    void refreshed();
    // Something drawn in the band may have changed.
    void bandChanged();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildScreens();
    void buildLabels();
    void fitCaptions();
    void holdFitting(bool on);

    std::array<QLabel *, PreviewLabelCount> m_labels{};

    int m_holds = 0;
    QImage m_band; // the band as last painted, on a high-density screen
};
