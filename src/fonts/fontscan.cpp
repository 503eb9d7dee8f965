#include "fonts/fontscan.h"

#include "fonts/bytereader.h"
#include "fonts/cmapcoverage.h"
#include "fonts/truetypeparser.h"
#include "fonts/windowslocale.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QThread>

#include <algorithm>

#ifdef GLYPHMUX_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace FontScan {

FontRow readFile(const QString &path, const QString &wanted, std::uint32_t localeId)
{
    FontRow row;
    row.path = path;
    const FileSource source(path);
    FontFileFacts facts;
    if (source.isOpen())
        facts.kind = FontFileFacts::Kind::Regular;
    else if (source.failure() == RegularFile::Failure::NotRegular || source.isDirectory())
        facts.kind = FontFileFacts::Kind::NotRegular;
    if (source.isOpen()) {
        const TrueType::FontTables tables = TrueType::readFontTables(source);
        if (tables.names) {
            row.family = TrueType::nameString(*tables.names, TrueType::FamilyId, localeId);
            row.style = TrueType::nameString(*tables.names, TrueType::SubfamilyId, localeId);
            row.fullName = TrueType::nameString(*tables.names, TrueType::FullNameId, localeId);
        }
        facts.sfntVersion = tables.sfntVersion;
        facts.validTrueType = tables.validTrueType.value_or(false);
        facts.complete = tables.complete;
        // Drawable takes outlines, a character map and glyphs, besides a name:
        // the system would not take the file otherwise.
        const bool drawable = tables.outlines != TrueType::OutlineKind::Unknown && tables.cmap
            && tables.glyphCount.value_or(0) > 0;
        facts.hasFace = facts.validTrueType && facts.complete && drawable && !row.family.trimmed().isEmpty();
        row.postScript = tables.outlines == TrueType::OutlineKind::PostScript;
        if (facts.hasFace && !wanted.isEmpty())
            row.missing = CmapCoverage::missingCharacters(source, tables.cmap.value_or(TrueType::TableSpan{}), wanted);
    }
    row.refusal = refusalOf(facts);
    return row;
}

QStringList fontFiles(const QString &folder, const std::atomic_bool &stop)
{
    static const QStringList patterns = {QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.ttc"),
                                         QStringLiteral("*.otc")};
    QStringList files;
    QDirIterator it(folder, patterns, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext() && !stop)
        files.append(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

QList<FontRow> installedFonts(const QString &wanted)
{
    QList<FontRow> rows;
#ifdef GLYPHMUX_HAVE_FONTCONFIG
    FcPattern *all = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FILE, FC_FAMILY, FC_STYLE, FC_FULLNAME, FC_FONTFORMAT, FC_INDEX,
                                            FC_CHARSET, nullptr);
    FcFontSet *set = FcFontList(nullptr, all, objects);
    const auto text = [](FcPattern *p, const char *object) {
        FcChar8 *value = nullptr;
        return FcPatternGetString(p, object, 0, &value) == FcResultMatch && value
            ? QString::fromUtf8(reinterpret_cast<const char *>(value)) : QString();
    };
    const QList<uint> characters = wanted.toUcs4();
    // Each character asked about once.
    const auto needs = [&characters](FcCharSet *charset, bool has) {
        QString missing;
        for (const uint c : characters) {
            const char32_t ch = c;
            const QString one = QString::fromUcs4(&ch, 1);
            if ((!has || !FcCharSetHasChar(charset, c)) && !missing.contains(one))
                missing += one;
        }
        return missing;
    };
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern *p = set->fonts[i];
        FontRow row;
        row.path = text(p, FC_FILE);
        row.family = text(p, FC_FAMILY);
        row.style = text(p, FC_STYLE);
        row.fullName = text(p, FC_FULLNAME);
        const QString format = text(p, FC_FONTFORMAT);
        int index = 0;
        FcPatternGetInteger(p, FC_INDEX, 0, &index);
        const QString suffix = QFileInfo(row.path).suffix().toLower();
        if (index != 0 || suffix == QLatin1String("ttc") || suffix == QLatin1String("otc"))
            row.refusal = FontRefusal::Collection;
        else if (format == QLatin1String("CFF"))
            row.postScript = true;
        else if (format != QLatin1String("TrueType"))
            row.refusal = FontRefusal::NotTrueType;
        FcCharSet *charset = nullptr;
        const bool hasCharset = FcPatternGetCharSet(p, FC_CHARSET, 0, &charset) == FcResultMatch;
        row.missing = needs(charset, hasCharset);
        rows.append(row);
    }
    if (set)
        FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    std::sort(rows.begin(), rows.end(), [](const FontRow &a, const FontRow &b) {
        const int family = a.family.compare(b.family, Qt::CaseInsensitive);
        return family != 0 ? family < 0 : a.style.compare(b.style, Qt::CaseInsensitive) < 0;
    });
#else
    Q_UNUSED(wanted)
#endif
    return rows;
}

} // namespace FontScan

struct FontScanner::Worker
{
    std::atomic_bool stop{false};
    std::unique_ptr<QThread> thread;
};

FontScanner::FontScanner(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<FontRow>();
}

FontScanner::~FontScanner()
{
    for (const auto &worker : m_workers) {
        worker->stop = true;
        worker->thread->wait();
    }
}

void FontScanner::stop()
{
    if (!m_workers.isEmpty())
        m_workers.last()->stop = true;
    if (m_running) {
        m_running = false;
        ++m_generation; // rows still on their way are dropped
        emit finished(true);
    }
}

void FontScanner::start(const Source &source, const QString &wanted)
{
    stop();
    const int generation = ++m_generation;
    m_running = true;
    auto worker = std::make_shared<Worker>();
    const std::uint32_t localeId = windowsLocaleId(QLocale::system());
    Worker *raw = worker.get();
    worker->thread.reset(QThread::create([this, raw, source, wanted, generation, localeId] {
        QList<FontRow> batch;
        QElapsedTimer sinceBatch;
        sinceBatch.start();
        bool first = true;
        const auto flush = [&](bool last) {
            deliver(generation, batch, last, raw->stop);
            batch.clear();
            sinceBatch.restart();
            first = false;
        };
        if (source.kind == Source::Kind::Installed) {
            batch = FontScan::installedFonts(wanted);
        } else {
            const QStringList files = source.kind == Source::Kind::Folder ? FontScan::fontFiles(source.folder, raw->stop)
                                                                          : source.files;
            for (const QString &file : files) {
                if (raw->stop)
                    break;
                batch.append(FontScan::readFile(file, wanted, localeId));
                // A first screenful at once, then batches every few frames.
                if ((first && batch.size() >= 24) || batch.size() >= 256 || sinceBatch.elapsed() >= 40)
                    flush(false);
            }
        }
        flush(true);
    }));
    // A stopped worker is let go of once it has ended.
    connect(worker->thread.get(), &QThread::finished, this, [this, raw] {
        if (!m_workers.isEmpty() && m_workers.last().get() != raw)
            m_workers.removeIf([raw](const auto &w) { return w.get() == raw; });
    }, Qt::QueuedConnection);
    m_workers.removeIf([](const auto &w) { return w->thread->isFinished(); });
    m_workers.append(worker);
    worker->thread->start(QThread::LowPriority);
}

void FontScanner::deliver(int generation, const QList<FontRow> &rows, bool last, bool stopped)
{
    QMetaObject::invokeMethod(this, [this, generation, rows, last, stopped] {
        if (generation != m_generation)
            return;
        if (!rows.isEmpty())
            emit rowsFound(rows);
        if (last) {
            m_running = false;
            emit finished(stopped);
        }
    }, Qt::QueuedConnection);
}
