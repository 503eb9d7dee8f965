#include "ui/main/documenthistory.h"

#include "core/slottable.h"

#include <QAbstractSlider>
#include <QUndoStack>

namespace {
// Moves of zoom or chroma closer than this, outside a slider press, are one run.
constexpr qint64 runGapMs = 1000;
} // namespace

// One step: the whole state before and after it.
class DocumentHistory::SnapshotCommand final : public QUndoCommand
{
public:
    SnapshotCommand(DocumentHistory &history, const Caption &caption, const State &before, const State &after,
                    bool joinsPrevious)
        : m_history(history)
        , m_caption(caption)
        , m_before(before)
        , m_after(after)
        , m_joinsPrevious(joinsPrevious)
    {
    }

    const Caption &caption() const { return m_caption; }

    // Every step may take in the next one; the history decides whether it does.
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SnapshotCommand *>(other);
        if (!next->m_joinsPrevious)
            return false;
        m_after = next->m_after;
        // Typed and typed away again: no step is left.
        setObsolete(m_after == m_before);
        return true;
    }
    void undo() override { m_history.apply(m_before); }
    void redo() override
    {
        // Pushed after the change was made: the first redo has nothing to do.
        if (m_done)
            m_history.apply(m_after);
        m_done = true;
    }

private:
    DocumentHistory &m_history;
    Caption m_caption;
    State m_before;
    State m_after;
    bool m_joinsPrevious;
    bool m_done = false;
};

DocumentHistory::DocumentHistory(FontMapDocument &document, std::function<QString()> saveTarget,
                                 std::function<void(const State &)> apply, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_saveTarget(std::move(saveTarget))
    , m_apply(std::move(apply))
    , m_stack(new QUndoStack(this))
{
    setObjectName(QStringLiteral("documentHistory"));
    m_stack->setObjectName(QStringLiteral("undoStack"));
    m_recorded = current();
    connect(&document, &FontMapDocument::changed, this, &DocumentHistory::documentChanged);
    connect(m_stack, &QUndoStack::indexChanged, this, &DocumentHistory::changed);
}

DocumentHistory::~DocumentHistory()
{
    // The steps go before the members they call back into, telling nobody:
    // the window around is half gone.
    m_stack->blockSignals(true);
    delete m_stack;
}

DocumentHistory::State DocumentHistory::current() const
{
    return {m_document.map(), m_saveTarget()};
}

DocumentHistory::Step::Step(DocumentHistory *history, StepKind kind, int slot, const QString &name)
    : m_history(history)
{
    if (m_history && m_history->m_stepDepth++ == 0)
        m_history->m_stepCaption = {kind, slot, name};
}

DocumentHistory::Step::~Step()
{
    // A trial's changes wait for its commit or cancel.
    if (m_history && --m_history->m_stepDepth == 0 && !m_history->m_auditioning)
        m_history->push(m_history->m_stepCaption, false);
}

void DocumentHistory::replaceWith(StepKind kind, const State &state)
{
    const Step step(this, kind);
    m_apply(state);
}

void DocumentHistory::beginAudition()
{
    m_auditioning = true;
}

void DocumentHistory::commitAudition(StepKind kind, int slot)
{
    if (!m_auditioning)
        return;
    m_auditioning = false;
    push({kind, slot, {}}, false);
}

void DocumentHistory::cancelAudition()
{
    if (!m_auditioning)
        return;
    m_auditioning = false;
    apply(m_recorded);
}

void DocumentHistory::mergePressesOf(QAbstractSlider *slider, StepKind kind)
{
    (kind == StepKind::Zoom ? m_zoomSlider : m_chromaSlider) = slider;
    connect(slider, &QAbstractSlider::sliderPressed, this, [this] { ++m_presses; });
}

int DocumentHistory::pressOf(StepKind kind) const
{
    const QAbstractSlider *slider = kind == StepKind::Zoom ? m_zoomSlider : m_chromaSlider;
    return slider && slider->isSliderDown() ? m_presses : 0;
}

void DocumentHistory::documentChanged(FontMapDocument::Field field, int slot)
{
    // Changes inside a step, an audition or an undo are not steps of their own.
    if (m_applying || m_auditioning || m_stepDepth > 0)
        return;
    using Field = FontMapDocument::Field;
    StepKind kind = StepKind::Face;
    switch (field) {
    case Field::Face: kind = StepKind::Face; break;
    case Field::Size: kind = StepKind::Size; break;
    case Field::Height: kind = StepKind::Height; break;
    case Field::Italic: kind = StepKind::Italic; break;
    case Field::Width: kind = StepKind::Width; break;
    case Field::Zoom: kind = StepKind::Zoom; break;
    case Field::Chroma: kind = StepKind::Chroma; break;
    case Field::FontPath: kind = StepKind::FontPath; break;
    }
    const bool joins = joinsOpenStep(kind, slot);
    push({kind, slot, {}}, joins);
    if (kind == StepKind::Size || kind == StepKind::Italic)
        m_openStep = nullptr; // each click is a step
}

bool DocumentHistory::joinsOpenStep(StepKind kind, int slot) const
{
    const int top = m_stack->index() - 1;
    if (!m_openStep || top < 0 || m_stack->command(top) != m_openStep || m_openCaption.kind != kind
        || m_openCaption.slot != slot)
        return false;
    if (kind != StepKind::Zoom && kind != StepKind::Chroma)
        return true;
    const int press = pressOf(kind);
    if (press != 0 || m_openPress != 0)
        return press == m_openPress;
    return m_sinceOpenStep.isValid() && m_sinceOpenStep.elapsed() < runGapMs;
}

void DocumentHistory::push(const Caption &caption, bool joinsPrevious)
{
    const State now = current();
    if (now == m_recorded)
        return;
    auto *command = new SnapshotCommand(*this, caption, m_recorded, now, joinsPrevious);
    m_recorded = now;
    const int indexBefore = m_stack->index();
    m_stack->push(command);
    // A merge that left no change removed the step: nothing is open to join.
    const int top = m_stack->index() - 1;
    m_openStep = m_stack->index() < indexBefore || top < 0 ? nullptr : m_stack->command(top);
    m_openCaption = caption;
    m_openPress = pressOf(caption.kind);
    m_sinceOpenStep.start();
    if (joinsPrevious)
        emit changed(); // a merge moves no index
}

void DocumentHistory::apply(const State &state)
{
    m_applying = true;
    m_apply(state);
    m_applying = false;
    m_recorded = current();
    m_openStep = nullptr;
}

QString DocumentHistory::caption(StepKind kind, int slot, const QString &name)
{
    const QString key = slot >= 0 && slot < int(SlotCount) ? QLatin1String(slotTable()[std::size_t(slot)].key) : QString();
    switch (kind) {
    case StepKind::Font:
        //: Completes "Undo %1"; %1 is a font slot such as LatinBold13.
        return tr("font of %1").arg(key);
    case StepKind::Size:
        return tr("size of %1").arg(key);
    case StepKind::Italic:
        return tr("italics of %1").arg(key);
    case StepKind::Face:
        //: Typing a face name into the slot's field.
        return tr("face name of %1").arg(key);
    case StepKind::Height:
        return tr("height of %1").arg(key);
    case StepKind::Width:
        return tr("width of %1").arg(key);
    case StepKind::FontPath:
        return tr("font path");
    case StepKind::Zoom:
        return tr("zoom");
    case StepKind::Chroma:
        return tr("chroma");
    case StepKind::Open:
        //: %1 is the name of the Glyphmux.ini file opened.
        return tr("opening %1").arg(name);
    case StepKind::Restore:
        return tr("restoring unsaved changes");
    }
    return {};
}

QString DocumentHistory::captionAt(int index) const
{
    if (index < 0 || index >= m_stack->count())
        return {};
    const Caption &c = static_cast<const SnapshotCommand *>(m_stack->command(index))->caption();
    return caption(c.kind, c.slot, c.name);
}

QString DocumentHistory::undoCaption() const
{
    return captionAt(m_stack->index() - 1);
}

QString DocumentHistory::redoCaption() const
{
    return captionAt(m_stack->index());
}
