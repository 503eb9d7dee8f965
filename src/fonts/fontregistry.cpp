#include "fonts/fontregistry.h"

#include "core/regularfile.h"
#include "fonts/fontnames.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>

namespace {

// How long the program must stay quiet before unused files are removed.
constexpr int idleMilliseconds = 3000;

} // namespace

FontRegistry &FontRegistry::instance()
{
    static FontRegistry registry;
    return registry;
}

QString FontRegistry::key(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

const FaceIndex &FontRegistry::systemFaces() const
{
    if (!m_system) {
        if (FontFaces::available()) {
            m_system = FontFaces::systemFaces();
        } else {
            // Qt's list holds our own registrations too; leave them out.
            QSet<QString> ours;
            for (const Registration &r : m_files) {
                for (const QString &family : QFontDatabase::applicationFontFamilies(r.id))
                    ours.insert(family);
            }
            FaceIndex index;
            for (const QString &family : QFontDatabase::families()) {
                if (!ours.contains(family))
                    index[family].append(FontFace{family, QString(), QFont::Normal, false});
            }
            m_system = std::move(index);
        }
    }
    return *m_system;
}

const QSet<QString> &FontRegistry::qtFamilies() const
{
    // QFontDatabase::hasFamily costs about 100 us a call; one list, kept
    // until our registrations change, is far cheaper.
    if (!m_qtFamilies) {
        const QStringList families = QFontDatabase::families();
        m_qtFamilies = QSet<QString>(families.begin(), families.end());
    }
    return *m_qtFamilies;
}

bool FontRegistry::isInstalled(const QString &face) const
{
    return !face.isEmpty() && systemFaces().contains(face);
}

bool FontRegistry::isFaceKnown(const QString &face) const
{
    if (isInstalled(face))
        return true;
    if (face.isEmpty())
        return false;
    for (const Registration &r : m_files) {
        if (r.uses > 0 && r.faces.contains(face))
            return true;
    }
    return false;
}

bool FontRegistry::isFaceOfFile(const QString &face, const QString &path) const
{
    const auto it = m_files.find(key(path));
    if (face.isEmpty() || it == m_files.end() || it->uses == 0)
        return false;
    const FaceIndex &faces = it->faces;
    return std::any_of(faces.keyBegin(), faces.keyEnd(), [&](const QString &name) { return sameFontconfigName(face, name); });
}

bool FontRegistry::unusedFileHasFace(const QString &face) const
{
    // Qt matches family names regardless of case.
    for (const Registration &r : m_files) {
        if (r.uses > 0)
            continue;
        for (auto it = r.faces.keyBegin(); it != r.faces.keyEnd(); ++it) {
            if (it->compare(face, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QList<FontFace> FontRegistry::fontsNamed(const QString &face) const
{
    QList<FontFace> fonts = systemFaces().value(face);
    for (const Registration &r : m_files) {
        if (r.uses > 0)
            fonts += r.faces.value(face);
    }
    return fonts;
}

void FontRegistry::applyFace(QFont &font, const QString &face) const
{
    font.setStyleName(QString());
    // Qt would still draw a file nobody uses; it must be gone first. This
    // instance is never const itself.
    if (!face.isEmpty() && unusedFileHasFace(face))
        const_cast<FontRegistry *>(this)->removeUnusedFiles();
    if (face.isEmpty()) {
        // QFont::setFamily("") picks an unrelated font; an empty face means
        // the platform's default one.
        font.setFamily(QGuiApplication::font().family());
        return;
    }
    const QList<FontFace> fonts = fontsNamed(face);
    const bool qtKnowsName = fonts.isEmpty()
        || std::any_of(fonts.begin(), fonts.end(), [&](const FontFace &f) { return f.family == face; })
        || qtFamilies().contains(face);
    if (qtKnowsName) {
        // Qt's own matching picks the weight and slant, as the system would.
        font.setFamily(face);
        return;
    }
    // A second name of a file (its name ID 1 family, say) that Qt lists under
    // another family: ask for exactly that font by Qt's family and style,
    // choosing the closest slant, then weight, among the fonts of that name.
    const auto distance = [&](const FontFace &f) {
        return (f.italic != font.italic() ? 10000 : 0) + std::abs(f.weight - font.weight());
    };
    const FontFace *best = &fonts.first();
    for (const FontFace &f : fonts) {
        if (distance(f) < distance(*best))
            best = &f;
    }
    font.setFamily(best->family);
    font.setStyleName(best->style);
}

bool FontRegistry::addFontFile(const QString &path, FileCheck check)
{
    const QString file = key(path);
    const auto it = m_files.find(file);
    if (it != m_files.end()) {
        ++it->uses;
        return true;
    }
    // The font system would block on a pipe or device.
    if (check == FileCheck::Check && !isReadableRegularFile(file))
        return false;
    systemFaces(); // taken before our first registration can show in it
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        return false;
    Registration reg;
    reg.id = id;
    reg.uses = 1;
    reg.faces = FontFaces::applicationFileFaces(file);
    if (reg.faces.isEmpty()) {
        for (const QString &family : QFontDatabase::applicationFontFamilies(id))
            reg.faces[family].append(FontFace{family, QString(), QFont::Normal, false});
    }
    m_files.insert(file, std::move(reg));
    m_qtFamilies.reset();
    return true;
}

void FontRegistry::removeFontFile(const QString &path)
{
    const auto it = m_files.find(key(path));
    if (it == m_files.end() || it->uses == 0)
        return;
    if (--it->uses == 0)
        removeWhenIdle();
}

void FontRegistry::removeWhenIdle()
{
    if (!QCoreApplication::instance())
        return;
    if (!m_idle) {
        m_idle = new QTimer(this);
        m_idle->setSingleShot(true);
        m_idle->setInterval(idleMilliseconds);
        connect(m_idle, &QTimer::timeout, this, [this] {
            removeUnusedFiles();
            qtFamilies(); // Qt re-reads the files left now, not at the next keystroke
        });
        connect(qApp, &QCoreApplication::aboutToQuit, this, &FontRegistry::removeUnusedFiles);
    }
    m_idle->start(); // again from the start after every release
}

void FontRegistry::removeUnusedFiles()
{
    bool removed = false;
    for (auto it = m_files.begin(); it != m_files.end();) {
        if (it->uses > 0) {
            ++it;
            continue;
        }
        QFontDatabase::removeApplicationFont(it->id);
        it = m_files.erase(it);
        removed = true;
    }
    if (removed)
        m_qtFamilies.reset();
}

int FontRegistry::registrations(const QString &path) const
{
    return m_files.value(key(path)).uses;
}
