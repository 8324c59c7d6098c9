// Installing the interface's translations and choosing its language.
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace trellon {

namespace {

const QString languageKey = QStringLiteral("View/Language");
const QString chineseName = QStringLiteral("zh_CN");
const QString englishName = QStringLiteral("en");
// The translators this file installed carry this in their object name, the program's English one in full.
const QString installedMark = QStringLiteral("interfaceTranslator:");
const QString englishInterface = installedMark + QStringLiteral("trellon_en");

bool isEnglish(const QLocale& locale)
{
    const QStringList languages = locale.uiLanguages();
    return !languages.isEmpty() && QLocale(languages.front()).language() == QLocale::English;
}

bool install(const QString& name, const QStringList& folders)
{
    QCoreApplication* application = QCoreApplication::instance();
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(application);
        if (translator->load(name, folder)) {
            translator->setObjectName(installedMark + name);
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

void removeInstalled()
{
    const auto translators = QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : translators) {
        if (translator->objectName().startsWith(installedMark)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

} // namespace

QStringList translationFolders()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return {executableFolder + QStringLiteral("/translations"),
            QDir::cleanPath(executableFolder + QStringLiteral("/../share/trellon/translations")),
            QStringLiteral(TRELLON_BUILD_TRANSLATION_DIR)};
}

InterfaceLanguage startLanguage(const QSettings& settings, const QLocale& system)
{
    const QString chosen = settings.value(languageKey).toString();
    if (chosen == englishName)
        return InterfaceLanguage::english;
    if (chosen == chineseName)
        return InterfaceLanguage::chinese;
    return isEnglish(system) ? InterfaceLanguage::english : InterfaceLanguage::chinese;
}

void rememberLanguage(QSettings& settings, InterfaceLanguage language)
{
    settings.setValue(languageKey, language == InterfaceLanguage::english ? englishName : chineseName);
}

InterfaceLanguage useInterfaceLanguage(InterfaceLanguage language)
{
    removeInstalled();
    const QStringList qtFolder{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    const QLocale system = QLocale::system();
    if (language == InterfaceLanguage::english && install(QStringLiteral("trellon_en"), translationFolders())) {
        install(QStringLiteral("qtbase_en"), qtFolder);
        // Dates and numbers of Qt's dialogs (calendar, file list) in the same language.
        QLocale::setDefault(isEnglish(system) ? system : QLocale(QLocale::English, QLocale::UnitedStates));
        return InterfaceLanguage::english;
    }
    install(QStringLiteral("qtbase_zh_CN"), qtFolder);
    QLocale::setDefault(system.language() == QLocale::Chinese ? system : QLocale(QLocale::Chinese, QLocale::China));
    return InterfaceLanguage::chinese;
}

InterfaceLanguage interfaceLanguage()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr &&
                   application->findChild<QTranslator*>(englishInterface, Qt::FindDirectChildrenOnly) != nullptr
               ? InterfaceLanguage::english
               : InterfaceLanguage::chinese;
}

} // namespace trellon
