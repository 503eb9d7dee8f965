#include "ui/main/slotfontinfo.h"

#include "core/fontmapdocument.h"
#include "fonts/chosenfonts.h"
#include "core/languagechoice.h"
#include "fonts/fontfilereader.h"
#include "fonts/fontcoverage.h"
#include "fonts/substitutefont.h"
#include "ui/dialogs/fontdetailswindow.h"
#include "ui/fontmessages.h"
#include "ui/plaintext.h"
#include "ui/main/controlhelp.h"
#include "ui/main/statusline.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRawFont>
#include <QStyle>

SlotFontInfo::SlotFontInfo(const std::array<QLineEdit *, SlotCount> &faces,
                           const std::array<std::vector<QLabel *>, SlotCount> &labels,
                           const FontMapDocument &document, const ChosenFonts &fonts, StatusLine &statusLine,
                           QObject *parent)
    : QObject(parent)
    , m_fonts(fonts)
    , m_statusLine(statusLine)
{
    setObjectName(QStringLiteral("slotFontInfo"));
    // With no language file the captions are the designed Italian ones.
    m_languageLetters = FontCoverage::languageLetters(QStringLiteral("it"));

    const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        Row &row = m_rows[i];
        row.face = faces[i];
        row.labels = labels[i];
        // Inside the field, so no control of the row moves; hidden until needed.
        row.mark = row.face->addAction(warning, QLineEdit::TrailingPosition);
        row.mark->setObjectName(QLatin1String(slotTable()[i].key) + QStringLiteral("Warning"));
        row.mark->setVisible(false);
        connect(row.mark, &QAction::triggered, this, [this, i] { showDetails(i); });
        row.face->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(row.face, &QWidget::customContextMenuRequested, this,
                [this, i](const QPoint &at) { showContextMenu(i, at); });
        // A note about the last chosen file no longer holds once the user types.
        connect(row.face, &QLineEdit::textEdited, this, [this, i] { setNote(i, QString()); });
        setNote(i, QString());
    }
    connect(&document, &FontMapDocument::changed, this, [this](FontMapDocument::Field field, int slot) {
        if (field == FontMapDocument::Field::Face)
            slotChanged(std::size_t(slot));
    });
}

SlotFontInfo::~SlotFontInfo() = default;

void SlotFontInfo::fileChosen(std::size_t slot, const QString &path, const FontDetails &details)
{
    Row &row = m_rows[slot];
    row.chosen = details;
    row.chosenPath = path;
    m_statusSlot = slot;
    describeChoice(slot);
}

void SlotFontInfo::slotChanged(std::size_t slot)
{
    Row &row = m_rows[slot];
    // A face found for an opened file, or given back, says where it came
    // from; a refused file's note stays until something else is chosen.
    if (const std::optional<FontDetails> file = m_fonts.details(slot))
        setNote(slot, FontMessages::faceTooltip(*file));
    else if (!row.chosen || FontMessages::refusal(row.chosen->refusal, row.chosenPath).isEmpty())
        setNote(slot, QString());
    updateMark(slot);
}

void SlotFontInfo::setNote(std::size_t slot, const QString &note)
{
    Row &row = m_rows[slot];
    row.noted = !note.isEmpty();
    row.face->setToolTip(row.noted ? plainToolTip(note) : ControlHelp::faceField(slot));
}

void SlotFontInfo::describeChoice(std::size_t slot)
{
    Row &row = m_rows[slot];
    const FontDetails &details = *row.chosen;
    const QString refusal = FontMessages::refusal(details.refusal, row.chosenPath);
    setNote(slot, refusal.isEmpty() ? FontMessages::faceTooltip(details) : refusal);
    if (m_statusSlot == slot)
        setStatus(refusal.isEmpty() ? FontMessages::outlineWarning(details) : refusal);
}

void SlotFontInfo::retranslate()
{
    for (std::size_t i = 0; i < SlotCount; ++i) {
        // Only notes still shown: typing into the field took its note away.
        const bool noted = m_rows[i].noted;
        if (noted && m_rows[i].chosen)
            describeChoice(i);
        else if (m_statusSlot == i)
            setStatus(QString());
        if (noted && m_fonts.details(i))
            slotChanged(i); // the document's file, whichever way it came
        else if (!noted)
            setNote(i, QString()); // the field's help, in the new language
        updateMark(i);
    }
}

void SlotFontInfo::setStatus(const QString &text)
{
    m_statusLine.setFontNote(text);
}

void SlotFontInfo::setLanguageFile(const QString &path)
{
    const QString code = path.isEmpty() ? QStringLiteral("it") : languageCodeOfFile(path);
    m_languageLetters = FontCoverage::languageLetters(code);
    updateCoverage();
}

void SlotFontInfo::updateCoverage()
{
    for (std::size_t i = 0; i < SlotCount; ++i) {
        Row &row = m_rows[i];
        if (row.labels.empty())
            continue;
        const QString texts = neededCharacters(i);
        // The slot's own file when it has one; else every label of a slot
        // has the same face, and its first one stands for all.
        const FontFileReader *file = m_fonts.details(i) ? m_fonts.reader(i) : nullptr;
        const QFont font = row.labels.front()->font();
        const QString key = (file ? file->fontFile() : font.key()) + QLatin1Char('\n') + texts;
        if (key != row.coverageKey) {
            row.coverageKey = key;
            const QRawFont raw = file ? QRawFont(file->fontFile(), 12) : QRawFont::fromFont(font);
            row.missing = FontCoverage::missingCharacters(raw, texts);
            row.substitute = substituteFamily(font);
        }
        updateMark(i);
    }
}

bool SlotFontInfo::postScriptOutlines(std::size_t slot) const
{
    const std::optional<FontDetails> file = m_fonts.details(slot);
    return file && file->outlines == TrueType::OutlineKind::PostScript;
}

QString SlotFontInfo::neededCharacters(std::size_t slot) const
{
    QString texts;
    for (const QLabel *label : m_rows[slot].labels)
        texts += label->text();
    return texts + m_languageLetters;
}

void SlotFontInfo::updateMark(std::size_t slot)
{
    Row &row = m_rows[slot];
    QStringList notes;
    if (!row.face->text().isEmpty() && !row.substitute.isEmpty())
        notes.append(FontMessages::substitute(row.substitute));
    if (!row.face->text().isEmpty() && !row.missing.isEmpty())
        notes.append(FontMessages::missing(row.missing));
    if (const std::optional<FontDetails> file = m_fonts.details(slot))
        notes.append(FontMessages::outlineWarning(*file));
    notes.removeAll(QString());
    row.mark->setToolTip(plainToolTip(notes.join(QLatin1Char('\n'))));
    row.mark->setVisible(!notes.isEmpty());
}

QString SlotFontInfo::statusText() const
{
    return m_statusLine.fontNote();
}

void SlotFontInfo::showDetails(std::size_t slot)
{
    const std::optional<FontDetails> file = m_fonts.details(slot);
    if (!file)
        return;
    if (!m_details)
        m_details = std::make_unique<FontDetailsWindow>();
    m_details->showDetails(QLatin1String(slotTable()[slot].key), *file, FontMessages::spaced(m_rows[slot].missing),
                           m_rows[slot].face);
}

void SlotFontInfo::showContextMenu(std::size_t slot, const QPoint &at)
{
    QLineEdit *face = m_rows[slot].face;
    std::unique_ptr<QMenu> menu(face->createStandardContextMenu());
    if (m_adjustMenu)
        m_adjustMenu(*menu);
    menu->addSeparator();
    QAction *details = menu->addAction(tr("Font details…"), this, [this, slot] { showDetails(slot); });
    details->setObjectName(QStringLiteral("fontDetailsAction"));
    details->setEnabled(m_fonts.details(slot).has_value());
    if (browseFonts) {
        const QString name = QLatin1String(slotTable()[slot].key);
        QAction *browse = menu->addAction(tr("Browse fonts for %1…").arg(name), this, [this, slot] { browseFonts(slot); });
        browse->setObjectName(QStringLiteral("browseFontsAction"));
    }
    menu->exec(face->mapToGlobal(at));
}
