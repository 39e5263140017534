#include "app/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace quorprog {
namespace {

QMessageBox::Icon toQtIcon(Prompter::Icon icon) {
    switch (icon) {
        case Prompter::Icon::Error: return QMessageBox::Critical;
        case Prompter::Icon::Warning: return QMessageBox::Warning;
        case Prompter::Icon::Information: return QMessageBox::Information;
        case Prompter::Icon::Question: return QMessageBox::Question;
        case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Prompter::Answer MessageBoxPrompter::message(const std::string& text, const std::string& caption,
                                             Buttons buttons, Icon icon) {
    return messageWithDetails(text, caption, buttons, icon, std::string());
}

Prompter::Answer MessageBoxPrompter::messageWithDetails(const std::string& text,
                                                        const std::string& caption,
                                                        Buttons buttons, Icon icon,
                                                        const std::string& details) {
    QMessageBox box(toQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Ok,
                    parent_);
    // Without details the box has no "Show Details..." button at all.
    if (!details.empty()) box.setDetailedText(QString::fromStdString(details));
    const int answer = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBoxPrompter::beep() { QApplication::beep(); }

}  // namespace quorprog
