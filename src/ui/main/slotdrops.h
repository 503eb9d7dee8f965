#pragma once

#include <QObject>
#include <QString>

class FontMapEditor;
class QMimeData;
class SlotEditor;

// A font file dropped anywhere on a slot row (the face field included,
// which would otherwise paste its file:// address) is chosen for that slot,
// as its open button would choose it. Anything else dropped there, a
// Glyphmux.ini included, goes on to the window as before.
class SlotDrops final : public QObject
{
    Q_OBJECT
public:
    // Watches every control of the editor's rows; all must outlive it.
    SlotDrops(const FontMapEditor &controls, SlotEditor &editor);

    // The one local file a drag carries, unless it is a Glyphmux.ini;
    // empty otherwise.
    static QString fontFileIn(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SlotEditor &m_editor;
};
