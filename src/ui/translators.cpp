#include "ui/translators.h"

#include "core/datafolder.h"
#include "core/languagechoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// Owned here, so that they go at the end of the program, after the
// application, whichever application installed them.
struct Installed {
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qt;
    QString code;
};

Installed &installed()
{
    static Installed state;
    return state;
}

// Loads and installs one file; a missing file installs nothing.
std::unique_ptr<QTranslator> install(const QString &folder, const QString &fileName)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QDir(folder).filePath(fileName)) && QCoreApplication::installTranslator(translator.get()))
        return translator;
    return nullptr;
}

void remove(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
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
