// SPDX-License-Identifier: MIT
#include "ui/common/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "text/Language.h"

namespace valdora {

bool UseQtTranslations(std::int16_t language) {
  static QTranslator* installed = nullptr;
  static std::int16_t installedLanguage = intEnglish;
  if (installed != nullptr && installedLanguage == language) return true;
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  installedLanguage = intEnglish;
  if (language != intGerman) return language == intEnglish;
  auto* translator = new QTranslator;
  if (!translator->load(QStringLiteral("qtbase_de"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  installedLanguage = language;
  return true;
}

}  // namespace valdora
