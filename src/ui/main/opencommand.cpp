#include "ui/main/opencommand.h"

#include "core/fontmap.h"
#include "core/glyphmuxinireader.h"
#include "core/localpath.h"
#include "core/recentfiles.h"
#include "ui/glyphmuxinitexts.h"
#include "ui/main/openfonts.h"
#include "ui/services/messageboxes.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

OpenCommand::OpenCommand(FileChooser &files, MessageBoxes &messages, RecentFiles &recent, QWidget &window)
    : QObject(&window)
    , m_files(files)
    , m_messages(messages)
    , m_recent(recent)
    , m_window(window)
{
    setObjectName(QStringLiteral("openCommand"));
    m_dialog.title = tr("Open Glyphmux.ini");
    m_dialog.filter = tr("Glyphmux configuration (*.ini);;All files (*)");
}

void OpenCommand::choose()
{
    // Start where the last file was opened or saved, else in the current folder.
    const QStringList recent = m_recent.files();
    m_dialog.initialFolder = recent.isEmpty() ? QDir::currentPath() : QFileInfo(recent.first()).absolutePath();
    if (m_files.chooseFile(&m_window, m_dialog))
        open(m_dialog.fileName);
}

bool OpenCommand::open(const QString &path)
{
    const GlyphmuxIniFile file = readGlyphmuxIniFile(path);
    if (file.error != IniReadError::None) {
        m_messages.warn(&m_window, GlyphmuxIniTexts::readFailure(file));
        return false;
    }
    m_recent.add(file.path);
    // Shown in the next chooser, where Qt would spell an escaped byte lossily:
    // U+FFFD instead, which an open refuses rather than reach a look-alike.
    m_dialog.fileName = readablePath(file.path);
    FontMap map = file.content.map;
    const OpenFonts::Report fonts =
        m_fontMemory ? OpenFonts::findFiles(map, file.path, *m_fontMemory) : OpenFonts::Report{};
    emit loaded(map, file.path);
    // One report: the lines not taken, and where the faces were found when
    // that is worth a look (a face not found, or a guess among files).
    if (!file.content.notes.isEmpty() || fonts.notable) {
        const QStringList items = GlyphmuxIniTexts::reportItems(file.content) + fonts.lines;
        m_messages.showList(&m_window,
                            file.content.notes.isEmpty() ? OpenFonts::heading(file.path)
                                                         : GlyphmuxIniTexts::reportHeading(file),
                            items);
    }
    return true;
}

void OpenCommand::fillRecentMenu(QMenu *menu)
{
    menu->clear();
    const QStringList files = m_recent.files();
    for (int i = 0; i < files.size(); ++i) {
        const QString &path = files[i];
        // "&1 /path": a digit to pick it by keyboard; '&' in the path is shown as is.
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        action->setEnabled(QFileInfo(path).isFile());
        connect(action, &QAction::triggered, this, [this, path] { open(path); });
    }
    if (files.isEmpty())
        menu->addAction(tr("No recent files"))->setEnabled(false);
}

QString OpenCommand::iniFileIn(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive))
        return {};
    // A byte that is not UTF-8 stays percent-encoded in the URL: its bytes
    // name the very file, where toLocalFile() decodes it to U+FFFD.
    if (url.host().isEmpty())
        return pathFromNativeName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    return url.toLocalFile();
}
