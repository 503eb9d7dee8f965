#pragma once

#include "core/slottable.h"
#include "fonts/fontfaces.h"
#include "preview/previewlabels.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;

// The controls of the main window that the preview reads. The preview never
// writes them, except "0" into an empty chroma box.
struct PreviewSources {
    std::array<const QLineEdit *, SlotCount> faces{};
    std::array<const QLineEdit *, SlotCount> sizes{};
    const QLabel *zoom = nullptr;
    QLineEdit *chroma = nullptr;
};

// The four phone screens of the main window's upper band and the 30 labels
// over them. Each label is a QLabel named as designed; its font() is what it
// is drawn with. All labels inherit their text colour from this widget.
class PhonePreview final : public QWidget
{
    Q_OBJECT
public:
    PhonePreview(const PreviewSources &sources, QWidget *parent);

    // The three refresh steps, each over all 30 labels.
    void applyFaces();
    void applySizes();
    void applyColour();

    // The face of the file chosen for 'slot', used until the slot's face
    // name is anything but 'faceName'; other names are matched as typed.
    void setFileFace(std::size_t slot, const QString &faceName, const std::optional<FontFace> &face);

    QLabel *label(std::size_t tableIndex) const { return m_labels[tableIndex]; }
    // The colour the labels are drawn in.
    QColor textColour() const;

signals:
    // The colour step, the last of a refresh, has run.
    void refreshed();

protected:
    bool event(QEvent *event) override;

private:
    // One label as a refresh step visits it.
    struct Visit {
        QLabel *label = nullptr;
        std::size_t slot = 0;
    };
    using Visits = std::array<Visit, PreviewLabelCount>;

    void buildScreens();
    void buildLabels();
    void fitCaptions();
    Visits visitsInOrder(const PreviewLabelOrder &order) const;

    PreviewSources m_sources;
    std::array<QLabel *, PreviewLabelCount> m_labels{};
    Visits m_faceVisits{};
    Visits m_sizeVisits{};
    struct ChosenFile {
        QString faceName;
        std::optional<FontFace> face;
    };
    std::array<ChosenFile, SlotCount> m_fileFaces{};
};
