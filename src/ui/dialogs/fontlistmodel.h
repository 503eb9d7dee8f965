#pragma once

#include "fonts/fontsample.h"
#include "fonts/fontscan.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QSet>
#include <QSortFilterProxyModel>

// What a row's sample shows: the target slot's own phone texts at the size
// the preview draws them, and the characters its warning mark checks.
struct SlotSample
{
    QString name;       // the slot's key, e.g. "LatinBold13"
    QString text;       // the slot's phone texts in the current language
    QString needed;     // the characters the slot's missing-character mark checks
    double pixelSize = 12;

    bool operator==(const SlotSample &o) const
    {
        return name == o.name && text == o.text && needed == o.needed && qFuzzyCompare(pixelSize, o.pixelSize);
    }
};

// The faces a scan found, one row each: sample, family, style and file name.
// Samples are drawn when a view asks for them, that is for visible rows only,
// and kept in a cache bounded in bytes.
class FontListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { SampleColumn, FamilyColumn, StyleColumn, FileColumn, ColumnCount };
    static constexpr int sampleWidth = 320;

    explicit FontListModel(QObject *parent = nullptr);

    void clear();
    void append(const QList<FontRow> &rows);
    // The slot whose texts the samples show; redraws them.
    void setSlot(const SlotSample &slot);
    const SlotSample &slot() const { return m_slot; }
    const FontRow &fontRow(int row) const { return m_rows[row]; }
    // The characters of the target slot that row 'row' cannot draw.
    QString missingForSlot(int row) const;
    // Why the row cannot be used, in the current language; empty when it can.
    QString reason(int row) const;
    qsizetype cachedBytes() const { return m_samples.bytes(); }
    // True while rows wait for their samples until the next turn of the event loop.
    bool drawingPostponed() const { return !m_postponed.isEmpty(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

private:
    QVariant sample(int row) const;
    void drawPostponed() const;

    QList<FontRow> m_rows;
    SlotSample m_slot;
    QSet<char32_t> m_needed;
    mutable SampleCache m_samples;
    // Samples are drawn for a few milliseconds per turn of the event loop;
    // rows asked for after that are drawn in the next turn.
    mutable QElapsedTimer m_turn;
    mutable QSet<int> m_postponed;
};

// The rows the user asked to see: a search over every name and the file
// name in any letter case, faces that draw every character of the slot's
// texts only, unusable files hidden.
class FontListFilter final : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit FontListFilter(FontListModel &model, QObject *parent = nullptr);

    void setSearch(const QString &text);
    void setCoverageOnly(bool on);
    void setHideUnusable(bool on);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    FontListModel &m_model;
    QString m_search;
    bool m_coverageOnly = false;
    bool m_hideUnusable = false;
};
