#include "ui/dialogs/fontlistmodel.h"

#include "ui/fontmessages.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QPalette>
#include <QStyle>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace {
// About 270 samples of 320 x 24 pixels: several screenfuls either way.
constexpr qsizetype sampleCacheBytes = 8 << 20;
// Drawing stops for this turn of the event loop after so long.
constexpr qint64 drawingMsPerTurn = 25;
} // namespace

FontListModel::FontListModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_samples(sampleCacheBytes)
{
}

void FontListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_postponed.clear();
    m_samples.clear();
    endResetModel();
}

void FontListModel::append(const QList<FontRow> &rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size() - 1));
    m_rows.append(rows);
    endInsertRows();
}

void FontListModel::setSlot(const SlotSample &slot)
{
    m_slot = slot;
    m_needed.clear();
    for (const char32_t c : QStringView(slot.needed).toUcs4())
        m_needed.insert(c);
    m_samples.clear();
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

QString FontListModel::missingForSlot(int row) const
{
    QString missing;
    for (const char32_t c : QStringView(m_rows[row].missing).toUcs4()) {
        if (m_needed.contains(c))
            missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

QString FontListModel::reason(int row) const
{
    const FontRow &r = m_rows[row];
    if (r.refusal != FontRefusal::None)
        return FontMessages::refusal(r.refusal, r.path);
    if (r.postScript) {
        FontDetails details;
        details.path = r.path;
        details.outlines = TrueType::OutlineKind::PostScript;
        details.refusal = FontRefusal::None;
        return FontMessages::outlineWarning(details);
    }
    return QString();
}

QVariant FontListModel::sample(int row) const
{
    const FontRow &r = m_rows[row];
    const QString key = r.path;
    if (const QImage *picture = m_samples.find(key))
        return *picture;
    if (!m_turn.isValid()) {
        m_turn.start();
        QTimer::singleShot(0, this, &FontListModel::drawPostponed);
    } else if (m_turn.elapsed() >= drawingMsPerTurn) {
        m_postponed.insert(row); // input goes first
        return QVariant();
    }
    const QImage picture = FontSample::draw(r.path, m_slot.pixelSize, m_slot.text, sampleWidth,
                                            QApplication::palette().color(QPalette::Text));
    m_samples.insert(key, picture);
    return picture;
}

void FontListModel::drawPostponed() const
{
    m_turn.invalidate();
    const QSet<int> rows = std::exchange(m_postponed, {});
    for (const int row : rows) {
        if (row < rowCount())
            emit const_cast<FontListModel *>(this)->dataChanged(index(row, SampleColumn), index(row, SampleColumn));
    }
}

int FontListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FontListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FontListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const FontRow &r = m_rows[index.row()];
    const bool usable = r.usable();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case SampleColumn: return usable ? QString() : reason(index.row());
        case FamilyColumn: return r.family;
        case StyleColumn: return r.style;
        case FileColumn: return QFileInfo(r.path).fileName();
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == SampleColumn && usable)
            return sample(index.row());
        if (index.column() == FamilyColumn && usable && !missingForSlot(index.row()).isEmpty())
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        break;
    case Qt::ToolTipRole:
        if (!usable)
            return reason(index.row());
        if (index.column() == FamilyColumn)
            return FontMessages::missing(missingForSlot(index.row()));
        if (index.column() == FileColumn)
            return r.path;
        break;
    case Qt::UserRole:
        return r.path;
    }
    return QVariant();
}

QVariant FontListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case SampleColumn: return tr("Sample");
    case FamilyColumn: return tr("Family");
    case StyleColumn: return tr("Style");
    case FileColumn: return tr("File");
    }
    return QVariant();
}

Qt::ItemFlags FontListModel::flags(const QModelIndex &index) const
{
    // An unusable file cannot be selected, so moving through the list skips it.
    if (!index.isValid() || !m_rows[index.row()].usable())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList FontListModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *FontListModel::mimeData(const QModelIndexList &indexes) const
{
    QList<QUrl> urls;
    QSet<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && !rows.contains(index.row()) && m_rows[index.row()].usable()) {
            rows.insert(index.row());
            urls.append(QUrl::fromLocalFile(m_rows[index.row()].path));
        }
    }
    if (urls.isEmpty())
        return nullptr;
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

FontListFilter::FontListFilter(FontListModel &model, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_model(model)
{
    setSourceModel(&model);
}

void FontListFilter::setSearch(const QString &text)
{
    m_search = text.trimmed();
    invalidateFilter();
}

void FontListFilter::setCoverageOnly(bool on)
{
    m_coverageOnly = on;
    invalidateFilter();
}

void FontListFilter::setHideUnusable(bool on)
{
    m_hideUnusable = on;
    invalidateFilter();
}

bool FontListFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const FontRow &r = m_model.fontRow(sourceRow);
    if ((m_hideUnusable || m_coverageOnly) && !r.usable())
        return false;
    if (m_coverageOnly && !m_model.missingForSlot(sourceRow).isEmpty())
        return false;
    if (m_search.isEmpty())
        return true;
    for (const QString &name : {r.family, r.style, r.fullName, QFileInfo(r.path).fileName()}) {
        if (name.contains(m_search, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
