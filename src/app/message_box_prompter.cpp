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
    QMessageBox box(toQtIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                              : QMessageBox::Ok,
                    parent_);
    const int answer = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBoxPrompter::beep() { QApplication::beep(); }

}  // namespace quorprog
