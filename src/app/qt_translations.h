#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

namespace quorprog {

// Qt's own texts (Yes/No, "Show Details...", the file dialogs) in the window's language: Qt's
// translation of its base module for that language, installed into the application while the
// language is chosen. English needs none.
class QtTranslations {
  public:
    // `folder` holds Qt's translation files (qtbase_it.qm, ...); by default Qt's own folder.
    explicit QtTranslations(QString folder = defaultFolder());
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Puts Qt's texts of the language at this index of the language list in place of the
    // previous language's. Returns false when the language needs a translation that cannot be
    // loaded (Qt then speaks English).
    bool apply(int language);

    static QString defaultFolder();

  private:
    void remove();

    QString folder_;
    std::unique_ptr<QTranslator> installed_;
};

}  // namespace quorprog
