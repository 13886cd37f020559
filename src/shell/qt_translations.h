#pragma once
#include <QLocale>

namespace dds {

// Makes Qt's own texts (the file dialogs' "Voir dans", "Annuler", the standard buttons) speak
// the desktop's language, from the translations Qt ships. Returns false when none exists for
// `locale`; Qt's texts then stay in English. A second call replaces the first one's translations.
bool InstallQtTranslations(const QLocale& locale);

} // namespace dds
