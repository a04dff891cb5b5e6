#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include "glwidget.h"

namespace {

QTranslator *ownTranslator()
{
    static QTranslator translator;
    return &translator;
}

QTranslator *qtTranslator()
{
    static QTranslator translator;
    return &translator;
}

// "de-DE" or "de_DE" (as the locale names a preference): "de_DE", then "de". A preference
// for a language of some other region is not taken for the one shipped: Portugal's
// Portuguese is not Brazil's, nor Taiwan's Chinese the mainland's.
QString shippedFor(QString preference)
{
    preference.replace('-', '_');
    const QStringList shipped = shippedLanguages();
    if (shipped.contains(preference))
        return preference;
    const QString language = preference.section('_', 0, 0);
    return shipped.contains(language) ? language : QString();
}

} // namespace

// The translations are compiled into a library that nothing else references, so their
// resource is registered by hand, once.
static void registerResource()
{
    Q_INIT_RESOURCE(velkar_translations);
}

static void registerTranslations()
{
    static const bool registered = (registerResource(), true);
    Q_UNUSED(registered);
}

QStringList shippedLanguages()
{
    registerTranslations();
    QStringList languages;
    for (const QString &file : QDir(":/translations").entryList({"velkar_*.qm"}))
        languages << file.mid(7).chopped(3);
    return languages;
}

QString installTranslations(const QLocale &locale)
{
    registerTranslations();
    QCoreApplication::removeTranslator(ownTranslator());
    QCoreApplication::removeTranslator(qtTranslator());
    QString chosen;
    for (const QString &preference : locale.uiLanguages()) {
        // English is the program's own: a user who puts it first gets it, whatever follows.
        if (preference == "C" || preference.startsWith("en"))
            break;
        chosen = shippedFor(preference);
        if (!chosen.isEmpty())
            break;
    }
    if (chosen.isEmpty() || !ownTranslator()->load(":/translations/velkar_" + chosen))
        return QString();
    QCoreApplication::installTranslator(ownTranslator());
    // Debian ships Qt's own in qttranslations5-l10n and qt6-translations-l10n; without
    // them the toolkit's few words stay English and velkar's are translated all the same.
    if (qtTranslator()->load("qtbase_" + chosen, qtTranslationsFolder()))
        QCoreApplication::installTranslator(qtTranslator());
    return chosen;
}
