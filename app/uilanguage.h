#pragma once

#include <QString>

class QCoreApplication;
class QLocale;

// Puts the program's texts and Qt's own (the standard dialogs' buttons) into
// the user's language, as Qt reads it from LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG. Under the C locale, or in English, nothing is loaded.
class UiLanguage {
public:
    // Resource folder of the program's translations, built from translations/.
    static QString translationsFolder() { return QStringLiteral(":/i18n"); }

    // Installs the translators on app; they live as long as app. Returns the
    // language loaded ("de", "pt_BR", "en_XA"), empty when it stays English.
    static QString install(QCoreApplication &app);
    static QString install(QCoreApplication &app, const QLocale &locale);

    // The lengthened pseudo-language for checking layouts: SONAVERT_PSEUDO=1 or
    // LANGUAGE=en_XA. It lies beside the program in the build tree only.
    static bool pseudoWanted(const QLocale &locale);
};
