#pragma once

#include "fonts/fontrefusal.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;

// One face found by a scan: who it is, whether the phone can use it, and
// which of the characters asked about it lacks.
struct FontRow
{
    QString path;
    QString family;
    QString style;
    QString fullName;
    FontRefusal refusal = FontRefusal::None;
    bool postScript = false; // CFF outlines: the phone's engine may not draw them
    QString missing;         // of the characters the scan was asked about

    bool usable() const { return refusal == FontRefusal::None && !postScript; }
};
Q_DECLARE_METATYPE(FontRow)

namespace FontScan {

// Reads one file with the bounded reader only (no font system): names,
// style, refusal and the characters of 'wanted' its character map lacks.
// 'localeId' is the Windows language whose names win.
FontRow readFile(const QString &path, const QString &wanted, std::uint32_t localeId);

// The font files (.ttf, .otf, .ttc, .otc, any letter case) in 'folder' and
// its subfolders, pipes and other odd entries with those names included,
// sorted by path. Links to folders are not followed. Stops early, with what
// it has, once 'stop' is set.
QStringList fontFiles(const QString &folder, const std::atomic_bool &stop);

// The faces in fontconfig's cache of installed fonts, by family and style.
// Empty without fontconfig.
QList<FontRow> installedFonts(const QString &wanted);

} // namespace FontScan

// Reads a source of fonts on a worker thread and hands over the rows in
// batches, in order, as they are found. The worker parses files and asks
// fontconfig; it never touches a widget or Qt's font database.
class FontScanner final : public QObject
{
    Q_OBJECT
public:
    struct Source
    {
        enum class Kind { Folder, Installed, Files } kind = Kind::Folder;
        QString folder;    // Folder: read with its subfolders
        QStringList files; // Files: these, in this order
    };

    explicit FontScanner(QObject *parent = nullptr);
    ~FontScanner() override; // waits for the worker, which stops at its next file

    // Stops any scan under way, then reads 'source', checking each face
    // for the characters of 'wanted'.
    void start(const Source &source, const QString &wanted);
    // Rows already handed over stay; no more come. Does not wait.
    void stop();
    bool running() const { return m_running; }

signals:
    void rowsFound(const QList<FontRow> &rows);
    // The scan ended, read through or stopped.
    void finished(bool stopped);

private:
    void deliver(int generation, const QList<FontRow> &rows, bool last, bool stopped);

    struct Worker;
    QList<std::shared_ptr<Worker>> m_workers; // the current one last; stopped ones until they end
    int m_generation = 0;
    bool m_running = false;
};
