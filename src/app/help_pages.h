#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace quorprog {

// The pages of the help folder, opened in the user's web browser.
class HelpPages {
  public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    HelpPages(QString folder, UrlOpener openUrl)
        : folder_(std::move(folder)), openUrl_(std::move(openUrl)) {}

    const QString& folder() const { return folder_; }

    // Opens the page `fileName` of the help folder; false, with nothing opened, when it is not
    // there.
    bool open(const QString& fileName) const;

  private:
    QString folder_;
    UrlOpener openUrl_;
};

}  // namespace quorprog
