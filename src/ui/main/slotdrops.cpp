#include "ui/main/slotdrops.h"

#include "ui/main/fontmapeditor.h"
#include "ui/main/sloteditor.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

namespace {
const char slotProperty[] = "glyphmuxDropSlot";
} // namespace

SlotDrops::SlotDrops(const FontMapEditor &controls, SlotEditor &editor)
    : QObject(&editor)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("slotDrops"));
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotControls &row = controls.slot(i);
        for (QWidget *widget : std::initializer_list<QWidget *>{row.rowLabel, row.face, row.open, row.minus, row.size,
                                                                row.plus, row.height, row.italic, row.width, row.info}) {
            widget->setAcceptDrops(true);
            widget->setProperty(slotProperty, int(i));
            widget->installEventFilter(this);
        }
    }
}

QString SlotDrops::fontFileIn(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || url.toLocalFile().endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

bool SlotDrops::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (fontFileIn(drag->mimeData()).isEmpty())
            return false; // the control's own handling, or the window's
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = fontFileIn(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        m_editor.chooseFontFile(std::size_t(watched->property(slotProperty).toInt()), path);
        return true;
    }
    default:
        return false;
    }
}
