#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// A translator owned by the application, installed when its catalogue exists.
QPointer<QTranslator> Install(const QLocale& locale, const QString& catalogue, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, catalogue, QStringLiteral("_"), folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

QLocale::Language current = QLocale::English;

} // namespace

QLocale UiLocale()
{
    const QString chosen = qEnvironmentVariable("LUMIVEX_LANGUAGE");
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

void SetUiLanguage(const QLocale& locale)
{
    static QPointer<QTranslator> own;
    static QPointer<QTranslator> qt;
    // A translator removes itself from the application when deleted.
    delete own;
    delete qt;
    own = Install(locale, QStringLiteral("lumivex"), QStringLiteral(":/i18n"));
    current = own ? locale.language() : QLocale::English;
    qt = Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QLocale::Language CurrentUiLanguage()
{
    return current;
}
