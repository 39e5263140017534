#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "text/language_list.h"

namespace quorprog {

QtTranslations::QtTranslations(QString folder) : folder_(std::move(folder)) {}

QtTranslations::~QtTranslations() {
    remove();
}

QString QtTranslations::defaultFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool QtTranslations::apply(int language) {
    remove();
    const std::string_view code = languageCode(language);
    // Qt's texts are English to begin with.
    if (code.empty() || code == "en") return true;
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + QString::fromLatin1(code.data(), code.size());
    if (!translator->load(name, folder_)) return false;
    QCoreApplication::installTranslator(translator.get());
    installed_ = std::move(translator);
    return true;
}

void QtTranslations::remove() {
    if (!installed_) return;
    QCoreApplication::removeTranslator(installed_.get());
    installed_.reset();
}

}  // namespace quorprog
