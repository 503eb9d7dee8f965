#pragma once

#include "core/slottable.h"
#include "fonts/fontdetails.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ChosenFonts;
class FontDetailsWindow;
class FontMapDocument;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class StatusLine;

// What each slot row tells about its font beyond the face name: the face
// field's tooltip (a note about the chosen file, else what the field is for),
// a warning mark inside the field when the face lacks
// characters the phone will need (or has outlines the phone may not draw),
// the "Font details" window from the field's context menu, and a status-bar
// line when a chosen file was refused.
class SlotFontInfo final : public QObject
{
    Q_OBJECT
public:
    // 'labels' are the preview labels of each slot, whose fonts and captions
    // the coverage is read from; 'fonts' tells which file each slot's face
    // came from. Both must outlive this.
    SlotFontInfo(const std::array<QLineEdit *, SlotCount> &faces,
                 const std::array<std::vector<QLabel *>, SlotCount> &labels, const FontMapDocument &document,
                 const ChosenFonts &fonts, StatusLine &statusLine, QObject *parent);
    ~SlotFontInfo() override;

    // The file at 'path' was chosen for 'slot' and read, refused or not.
    void fileChosen(std::size_t slot, const QString &path, const FontDetails &details);
    // The language file in use changed (empty: the captions as designed).
    void setLanguageFile(const QString &path);
    // Reads each slot's face again; cheap when nothing changed.
    void updateCoverage();

    // The characters the slot's warning mark checks: its phone texts in the
    // current language and that language's accented letters.
    QString neededCharacters(std::size_t slot) const;
    // Adds "Browse fonts for <slot>…" to the face fields' context menus.
    std::function<void(std::size_t slot)> browseFonts;
    // The characters the slot's face lacks, as the warning mark lists them.
    QString missing(std::size_t slot) const { return m_rows[slot].missing; }
    // The slot's chosen file has PostScript (CFF) outlines.
    bool postScriptOutlines(std::size_t slot) const;
    QAction *warningMark(std::size_t slot) const { return m_rows[slot].mark; }
    // The status-bar line about the last refused file (empty when none).
    QString statusText() const;
    void showDetails(std::size_t slot);
    // Says everything again in the language installed now.
    void retranslate();
    FontDetailsWindow *detailsWindow() const { return m_details.get(); }
    // Changes each face field's context menu before it shows.
    void adjustContextMenu(std::function<void(QMenu &)> adjust) { m_adjustMenu = std::move(adjust); }

private:
    struct Row {
        QLineEdit *face = nullptr;
        std::vector<QLabel *> labels;
        QAction *mark = nullptr;
        std::optional<FontDetails> chosen; // the last file chosen, refused or not
        QString chosenPath;
        bool noted = false;    // the tooltip is a note about a file, not the field's help
        QString coverageKey;   // font and texts the coverage was last read for
        QString missing;
        QString substitute;    // the family drawn in place of the face, if any
    };

    void updateMark(std::size_t slot);
    // The slot's face or file changed in the document.
    void slotChanged(std::size_t slot);
    void setStatus(const QString &text);
    // The face field's tooltip: 'note' as plain text, or the field's help when empty.
    void setNote(std::size_t slot, const QString &note);
    void showContextMenu(std::size_t slot, const QPoint &at);

    std::array<Row, SlotCount> m_rows;
    const ChosenFonts &m_fonts;
    StatusLine &m_statusLine;
    std::optional<std::size_t> m_statusSlot; // whose choice the status line is about
    void describeChoice(std::size_t slot);
    QString m_languageLetters;
    std::unique_ptr<FontDetailsWindow> m_details;
    std::function<void(QMenu &)> m_adjustMenu;
};
