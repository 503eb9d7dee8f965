#include "ui/translators.h"

#include "core/datafolder.h"
#include "core/languagechoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

struct Installed {
    QTranslator *ours = nullptr;
    QTranslator *qt = nullptr;
    QString code;
};

Installed &installed()
{
    static Installed state;
    return state;
}

// Loads and installs one file; a missing file installs nothing.
QTranslator *install(const QString &folder, const QString &fileName)
{
    // Not owned by the application: the command-line probe's application
    // ends before the real one starts.
    auto *translator = new QTranslator;
    if (translator->load(QDir(folder).filePath(fileName)) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

void remove(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

} // namespace

namespace Translators {

bool use(const QString &code)
{
    Installed &state = installed();
    if (!code.isEmpty() && code == state.code)
        return true;
    remove(state.ours);
    remove(state.qt);
    state.code.clear();
    if (code.isEmpty())
        return false;
    state.ours = install(dataFolder(), translationFileName(code));
    if (!state.ours)
        return false; // Qt's texts alone would mix two languages
    state.qt = install(QLibraryInfo::path(QLibraryInfo::TranslationsPath), qtTranslationFileName(code));
    state.code = code;
    return true;
}

QString current()
{
    return installed().code;
}

} // namespace Translators
