#include "ui/main/slotfontinfo.h"

#include "fonts/fontfilereader.h"
#include "fonts/fontcoverage.h"
#include "ui/dialogs/fontdetailswindow.h"
#include "ui/fontmessages.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRawFont>
#include <QStatusBar>
#include <QStyle>

SlotFontInfo::SlotFontInfo(const std::array<QLineEdit *, SlotCount> &faces,
                           const std::array<std::vector<QLabel *>, SlotCount> &labels, QStatusBar *statusBar,
                           QObject *parent)
    : QObject(parent)
    , m_statusBar(statusBar)
{
    setObjectName(QStringLiteral("slotFontInfo"));
    m_status = new QLabel(statusBar);
    m_status->setObjectName(QStringLiteral("fontStatus"));
    m_status->setTextFormat(Qt::PlainText);
    statusBar->addWidget(m_status, 1);
    statusBar->setSizeGripEnabled(false);
    // Shown only while it has something to say (ours or a passing message),
    // so the window keeps its designed size until then.
    statusBar->hide();
    connect(statusBar, &QStatusBar::messageChanged, this, [this] { setStatus(m_status->text()); });
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
    }
}

SlotFontInfo::~SlotFontInfo() = default;

void SlotFontInfo::fileChosen(std::size_t slot, const QString &path, const FontFileReader &reader)
{
    Row &row = m_rows[slot];
    row.chosen = fontDetails(reader);
    row.chosenPath = path;
    const bool refused = !FontMessages::refusal(row.chosen->refusal, path).isEmpty();
    row.file = refused ? std::nullopt : row.chosen;
    m_statusSlot = slot;
    describeChoice(slot);
}

void SlotFontInfo::describeChoice(std::size_t slot)
{
    Row &row = m_rows[slot];
    const FontDetails &details = *row.chosen;
    const QString refusal = FontMessages::refusal(details.refusal, row.chosenPath);
    row.face->setToolTip(refusal.isEmpty() ? FontMessages::faceTooltip(details) : refusal);
    if (m_statusSlot == slot)
        setStatus(refusal.isEmpty() ? FontMessages::outlineWarning(details) : refusal);
}

void SlotFontInfo::retranslate()
{
    for (std::size_t i = 0; i < SlotCount; ++i) {
        // Only notes still shown: typing into the field took its note away.
        if (m_rows[i].chosen && !m_rows[i].face->toolTip().isEmpty())
            describeChoice(i);
        else if (m_statusSlot == i)
            setStatus(QString());
        updateMark(i);
    }
}

void SlotFontInfo::setStatus(const QString &text)
{
    m_status->setText(text);
    // The bar is shown while anything in it has something to say.
    bool saying = !m_statusBar->currentMessage().isEmpty();
    for (const QLabel *label : m_statusBar->findChildren<QLabel *>())
        saying = saying || !label->text().isEmpty();
    m_statusBar->setVisible(saying);
}

void SlotFontInfo::setLanguageFile(const QString &path)
{
    const QString code = path.isEmpty() ? QStringLiteral("it") : FontCoverage::languageOfFile(path);
    m_languageLetters = FontCoverage::languageLetters(code);
    updateCoverage();
}

void SlotFontInfo::updateCoverage()
{
    for (std::size_t i = 0; i < SlotCount; ++i) {
        Row &row = m_rows[i];
        if (row.labels.empty())
            continue;
        QString texts;
        for (const QLabel *label : row.labels)
            texts += label->text();
        texts += m_languageLetters;
        // Every label of a slot has the same face; its first one stands for all.
        const QFont font = row.labels.front()->font();
        const QString key = font.key() + QLatin1Char('\n') + texts;
        if (key != row.coverageKey) {
            row.coverageKey = key;
            row.missing = FontCoverage::missingCharacters(QRawFont::fromFont(font), texts);
        }
        updateMark(i);
    }
}

void SlotFontInfo::updateMark(std::size_t slot)
{
    Row &row = m_rows[slot];
    // Another name in the field is no longer the chosen file's face.
    if (row.file && row.file->faceName != row.face->text())
        row.file.reset();
    QStringList notes;
    if (!row.face->text().isEmpty() && !row.missing.isEmpty())
        notes.append(FontMessages::missing(row.missing));
    if (row.file)
        notes.append(FontMessages::outlineWarning(*row.file));
    notes.removeAll(QString());
    row.mark->setToolTip(notes.join(QLatin1Char('\n')));
    row.mark->setVisible(!notes.isEmpty());
}

QString SlotFontInfo::statusText() const
{
    return m_status->text();
}

void SlotFontInfo::showDetails(std::size_t slot)
{
    const Row &row = m_rows[slot];
    if (!row.file)
        return;
    if (!m_details)
        m_details = std::make_unique<FontDetailsWindow>();
    m_details->showDetails(QLatin1String(slotTable()[slot].key), *row.file,
                           FontMessages::spaced(row.missing));
}

void SlotFontInfo::showContextMenu(std::size_t slot, const QPoint &at)
{
    QLineEdit *face = m_rows[slot].face;
    std::unique_ptr<QMenu> menu(face->createStandardContextMenu());
    menu->addSeparator();
    QAction *details = menu->addAction(tr("Dettagli del font…"), this, [this, slot] { showDetails(slot); });
    details->setObjectName(QStringLiteral("fontDetailsAction"));
    details->setEnabled(m_rows[slot].file.has_value());
    menu->exec(face->mapToGlobal(at));
}
