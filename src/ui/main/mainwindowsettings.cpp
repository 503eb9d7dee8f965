// The main window's preferences: settings.fs, the language file and the "Language"
// command. Kept apart from the window's construction.
#include "ui/main/mainwindow.h"

#include "core/datafolder.h"
#include "core/languagechoice.h"
#include "core/languagefile.h"
#include "ui/captiontable.h"
#include "core/safesave.h"
#include "core/settingsstore.h"
#include "core/textfile.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/fileerrortext.h"
#include "ui/main/slotfontinfo.h"
#include "ui/services/messageboxes.h"
#include "ui/translators.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>

namespace {

void setCaption(QWidget *root, const char *name, const QString &caption)
{
    QWidget *control = root->findChild<QWidget *>(QLatin1String(name));
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(caption);
    else if (auto *label = qobject_cast<QLabel *>(control)) {
        // A caption from a file is text, never markup to interpret.
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
    }
}

} // namespace

void MainWindow::loadSettings()
{
    m_languageDialog.initialFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    m_languageDialog.filter = tr("Language file (*.lng)");

    // A missing or unreadable file leaves the popup on and no language.
    const FirstLine line = readFirstLine(settingsFileName(), CutAtComma::No);
    if (line.ok) {
        const StoredSettings stored = parseSettingsLine(line.text);
        if (stored.popup)
            m_popupAction->setChecked(*stored.popup);
        if (!stored.languagePath.isEmpty()) {
            m_languageDialog.fileName = stored.languagePath;
            applyChosenLanguage(); // a stored file that cannot be read is skipped silently
        }
    }
    if (m_languageDialog.fileName.isEmpty()) {
        // No language chosen: the system's, when we ship it, for this run
        // only; settings.fs keeps saying that none is chosen.
        const QLocale system = QLocale::system();
        const QString shipped = shippedFileForSystem(system.name(), system.uiLanguages());
        if (!shipped.isEmpty() && applyCaptions(QDir(dataFolder()).filePath(shipped), nullptr))
            useTranslationOf(shipped);
    }
    saveSettings();
}

void MainWindow::saveSettings()
{
    // The preferences in force stay in force when the file cannot be written.
    // Start-up writes back what it has just read: an unchanged file stays.
    const QByteArray bytes = formatSettingsFile(m_popupAction->isChecked(), m_languageDialog.fileName);
    if (!fileHolds(settingsFileName(), bytes))
        saveFileAtomically(settingsFileName(), bytes);
}

void MainWindow::applyChosenLanguage()
{
    applyLanguageFile(nullptr);
}

bool MainWindow::applyLanguageFile(QString *error)
{
    if (m_languageDialog.fileName.isEmpty())
        return true;
    if (!applyCaptions(m_languageDialog.fileName, error))
        return false;
    useTranslationOf(m_languageDialog.fileName);
    saveSettings();
    return true;
}

bool MainWindow::applyCaptions(const QString &path, QString *error)
{
    const FirstLine line = readFirstLine(path, CutAtComma::Yes);
    if (!line.ok) {
        if (error)
            *error = fileErrorText(line.error);
        return false;
    }
    const QStringList fields = splitLanguageFields(line.text);
    const auto &table = captionTable();
    // Fields beyond the table are ignored; missing ones leave their captions.
    for (std::size_t i = 0; i < table.size() && qsizetype(i) < fields.size(); ++i) {
        if (i == PhoneModelTitleField)
            setPhoneModelTitle(fields[qsizetype(i)]);
        else
            setCaption(this, table[i].control, fields[qsizetype(i)]);
    }
    m_fontInfo->setLanguageFile(path);
    return true;
}

void MainWindow::useTranslationOf(const QString &languageFile)
{
    // A file we do not ship has no translation: the other texts are the
    // designed ones.
    Translators::use(languageCodeOfFile(languageFile));
    // Every window shows the new texts before anything else happens.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void MainWindow::chooseLanguage()
{
    m_languageDialog.initialFolder = QDir::toNativeSeparators(dataFolder());
    m_languageDialog.filter = tr("Language file (*.lng)");
    const QString previous = m_languageDialog.fileName;
    if (m_files->chooseFile(this, m_languageDialog)) {
        QString why;
        if (!applyLanguageFile(&why)) {
            // Say what went wrong instead of promising a change, and keep
            // the language that worked.
            const QString chosen = m_languageDialog.fileName;
            m_languageDialog.fileName = previous;
            m_messages->warn(this, tr("Cannot read the language file %1:\n%2")
                                       .arg(QFileInfo(chosen).absoluteFilePath(), why));
            saveSettings();
            return;
        }
    } else {
        // Cancel applies the language chosen before, if any, once more.
        applyChosenLanguage();
    }
    m_messages->inform(this, tr("Restart the program to change language"));
    saveSettings();
}

void MainWindow::setPhoneModelTitle(const QString &title)
{
    m_sideWindows.phoneModel().setWindowTitle(title);
}
