#pragma once

#include "core/fontmapdocument.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>

class QAbstractSlider;
class QUndoCommand;
class QUndoStack;

// The document's undo history. The history watches the document: every
// change of the font map becomes a step, which keeps the whole state before
// and after it (the map and the file Save writes to) and puts it back through
// the window's one way of applying a map. Whatever a slot holds comes back.
//
// What makes one step:
// - everything changed while a Step lives (a font chosen, a size step, a
//   file opened, a restore); nothing changed, no step;
// - otherwise each change by itself, merged with the step before when
//   - typing goes on in the same field, until the focus leaves it;
//   - zoom or chroma moves again during the same press of its slider, or,
//     outside a press, less than a second after its last move;
//   - never across an undo, a redo or any other step.
// An audition (the font list trying faces) changes the document unrecorded,
// then becomes one step from the state before it, or is put back.
class DocumentHistory final : public QObject
{
    Q_OBJECT
public:
    enum class StepKind { Font, Size, Italic, Face, Height, Width, FontPath, Zoom, Chroma, Open, Restore };

    struct State {
        FontMap map;
        QString saveTarget;
        friend bool operator==(const State &a, const State &b)
        {
            return a.map == b.map && a.saveTarget == b.saveTarget;
        }
        friend bool operator!=(const State &a, const State &b) { return !(a == b); }
    };

    // 'saveTarget' reads the file Save writes to; 'apply' shows a whole
    // state (through FontMapDocument::setMap). Both must outlive this.
    DocumentHistory(FontMapDocument &document, std::function<QString()> saveTarget,
                    std::function<void(const State &)> apply, QObject *parent);
    ~DocumentHistory() override;

    QUndoStack &stack() const { return *m_stack; }
    State current() const;

    // Everything changed while this lives is one step. Nested, the
    // outermost one counts. 'name' completes the caption of an Open.
    class Step
    {
    public:
        Step(DocumentHistory *history, StepKind kind, int slot = -1, const QString &name = {});
        ~Step();
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        DocumentHistory *m_history;
    };

    // One step from now to 'state', applied at once (a restore).
    void replaceWith(StepKind kind, const State &state);

    // Auditions: changes from begin on are not recorded. Commit makes them
    // one step from the state at begin (none when nothing differs); cancel
    // puts that state back. A second begin while one runs is ignored.
    void beginAudition();
    void commitAudition(StepKind kind, int slot);
    void cancelAudition();
    bool auditioning() const { return m_auditioning; }
    // The state the last step ended in: during an audition, the one before it.
    const State &recorded() const { return m_recorded; }

    // Typing in a field ends (its focus went elsewhere).
    void endMerging() { m_openStep = nullptr; }
    // Moves of 'slider' during one press of it merge into one step of 'kind'.
    void mergePressesOf(QAbstractSlider *slider, StepKind kind);

    // "font of LatinBold13", in the language installed now.
    static QString caption(StepKind kind, int slot, const QString &name);
    // The caption of the step Undo or Redo would take; empty when none.
    QString undoCaption() const;
    QString redoCaption() const;

signals:
    // Undo, redo or a new step: the captions may have changed.
    void changed();

private:
    struct Caption {
        StepKind kind;
        int slot;
        QString name;
    };
    class SnapshotCommand;

    void documentChanged(FontMapDocument::Field field, int slot);
    void push(const Caption &caption, bool joinsPrevious);
    void apply(const State &state);
    bool joinsOpenStep(StepKind kind, int slot) const;
    int pressOf(StepKind kind) const;
    QString captionAt(int index) const;

    FontMapDocument &m_document;
    std::function<QString()> m_saveTarget;
    std::function<void(const State &)> m_apply;
    QUndoStack *m_stack = nullptr;
    State m_recorded; // the state the last step ended in
    int m_stepDepth = 0;
    Caption m_stepCaption{StepKind::Font, -1, {}};
    bool m_applying = false;
    bool m_auditioning = false;
    // The last loose step, which the next loose change may join.
    const QUndoCommand *m_openStep = nullptr;
    Caption m_openCaption{StepKind::Font, -1, {}};
    int m_openPress = 0;
    QElapsedTimer m_sinceOpenStep;
    QAbstractSlider *m_zoomSlider = nullptr;
    QAbstractSlider *m_chromaSlider = nullptr;
    int m_presses = 0; // slider presses so far: each press has its number
};
