#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace trellon {

QStringList translationFolders()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return {executableFolder + QStringLiteral("/translations"),
            QDir::cleanPath(executableFolder + QStringLiteral("/../share/trellon/translations"))};
}

namespace {

bool loadInto(QCoreApplication& application, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

QString installTranslations(QCoreApplication& application)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale system;
    for (const QString& folder : translationFolders()) {
        if (loadInto(application, system, QStringLiteral("trellon"), folder)) {
            loadInto(application, system, QStringLiteral("qtbase"), qtFolder);
            return system.name();
        }
    }
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    loadInto(application, chinese, QStringLiteral("qtbase"), qtFolder);
    return chinese.name();
}

} // namespace trellon
