#include "ui/main/fontlistglue.h"

#include "preview/previewlabels.h"
#include "core/textnumber.h"
#include "preview/phonepreview.h"
#include "preview/previewmath.h"
#include "ui/dialogs/fontlistwindow.h"
#include "ui/main/documenthistory.h"
#include "ui/main/mainwindow.h"
#include "ui/main/sloteditor.h"
#include "ui/main/slotfontinfo.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

FontListGlue::FontListGlue(MainWindow &window, QMenu &viewMenu, FileChooser &files)
    : QObject(&window)
    , m_window(window)
    , m_files(files)
{
    m_action = viewMenu.addAction(QString());
    m_action->setObjectName(QStringLiteral("cmd_fontlist"));
    // Free in this window; "Show fonts" on the Mac.
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(m_action, &QAction::triggered, this, [this] { open(m_list ? m_list->targetSlot() : 0); });
    window.fontInfo().browseFonts = [this](std::size_t slot) { open(slot); };
    // New captions or sizes change the samples of an open list.
    connect(&window.preview(), &PhonePreview::refreshed, this, [this] {
        if (m_list && m_list->isVisible())
            m_list->slotsChanged();
    }, Qt::QueuedConnection); // not inside the list's own selection change
    retranslate();
}

FontListGlue::~FontListGlue() = default;

void FontListGlue::retranslate()
{
    m_action->setText(tr("&Font list…"));
}

void FontListGlue::open(std::size_t slot)
{
    if (!m_list) {
        m_list = std::make_unique<FontListWindow>(*this, m_files);
        m_list->slotSample = [this](std::size_t s) { return slotSample(s); };
        m_list->documentFiles = [this] {
            QStringList files;
            for (const FontMap::Slot &slot : m_window.fontMap().slotValues) {
                if (!slot.file.isEmpty() && !files.contains(slot.file))
                    files.append(slot.file);
            }
            return files;
        };
    }
    m_list->openFor(slot, &m_window);
}

void FontListGlue::close()
{
    if (m_list)
        m_list->close();
}

SlotSample FontListGlue::slotSample(std::size_t slot) const
{
    SlotSample sample;
    sample.name = QLatin1String(slotTable()[slot].key);
    QStringList texts;
    for (std::size_t i = 0; i < PreviewLabelCount; ++i) {
        const QString text = m_window.preview().label(i)->text().simplified();
        if (previewLabelTable()[i].slot == slot && !text.isEmpty() && !texts.contains(text))
            texts.append(text);
    }
    sample.text = texts.join(QStringLiteral("  "));
    sample.needed = m_window.fontInfo().neededCharacters(slot);
    const FontMap &map = m_window.fontMap();
    const std::optional<float> points = previewPointSize(leadingNumber(map.slotValues[slot].size),
                                                         slotTable()[slot].previewSizeOffset, map.zoom);
    if (points)
        sample.pixelSize = *points * m_window.preview().logicalDpiY() / 72.0;
    return sample;
}

// A trial changes the document unrecorded; keeping it is one step, and
// Escape gives back the state before the first trial, file included.
void FontListGlue::audition(std::size_t slot, const QString &path)
{
    DocumentHistory &history = m_window.history();
    if (!m_trial || !history.auditioning()) {
        history.beginAudition();
        m_trial = Trial{slot, m_window.fontMap().slotValues[slot]};
    }
    m_window.slotEditor().chooseFontFile(slot, path);
}

void FontListGlue::showOriginal()
{
    if (!m_trial)
        return;
    FontMap map = m_window.fontMap();
    map.slotValues[m_trial->slot] = m_trial->before;
    m_window.document().setMap(map);
}

void FontListGlue::keep()
{
    if (m_trial)
        m_window.history().commitAudition(DocumentHistory::StepKind::Font, int(m_trial->slot));
    m_trial.reset();
}

void FontListGlue::cancel()
{
    if (m_trial)
        m_window.history().cancelAudition();
    m_trial.reset();
}
