#include "app/uilanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kPseudo = QStringLiteral("en_XA");

bool loadInto(QCoreApplication &app, const QString &path)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

bool loadInto(QCoreApplication &app, const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

// The language the user puts first, "de_DE", "C"; the numbers' locale
// (LC_NUMERIC) may differ from it.
QString firstUiLanguage(const QLocale &locale)
{
    const QStringList languages = locale.uiLanguages();
    return languages.isEmpty() ? QStringLiteral("C") : QString(languages.first()).replace(u'-', u'_');
}

} // namespace

bool UiLanguage::pseudoWanted(const QLocale &locale)
{
    const QByteArray pseudo = qgetenv("SONAVERT_PSEUDO");
    if (!pseudo.isEmpty() && pseudo != "0")
        return true;
    return firstUiLanguage(locale).startsWith(kPseudo, Qt::CaseInsensitive);
}

QString UiLanguage::install(QCoreApplication &app)
{
    return install(app, QLocale());
}

QString UiLanguage::install(QCoreApplication &app, const QLocale &locale)
{
    if (pseudoWanted(locale)) {
        const QString path =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("sonavert_%1.qm").arg(kPseudo));
        return QFileInfo::exists(path) && loadInto(app, path) ? kPseudo : QString();
    }
    // English first, or no language at all: the texts as written. Qt would
    // otherwise go on down the list to a second language.
    const QString first = firstUiLanguage(locale);
    if (first == u"C" || first == u"POSIX" || first == u"en" || first.startsWith(u"en_"))
        return QString();
    auto *ours = new QTranslator(&app);
    if (!ours->load(locale, QStringLiteral("sonavert"), QStringLiteral("_"), translationsFolder())
        || !QCoreApplication::installTranslator(ours)) {
        delete ours;
        return QString();
    }
    // Qt's own texts only where ours are there too: a window half in one
    // language and half in another reads worse than one in English.
    loadInto(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return ours->language();
}
