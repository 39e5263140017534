#include "app/serial_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>

namespace quorprog {

TformSerial::TformSerial(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("formSerial"));
    setWindowTitle(QStringLiteral("Serial Port Operation"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(false);

    lbSerial_ = new QLabel(this);
    lbSerial_->setObjectName(QStringLiteral("lbSerial"));
    lbSerial_->move(16, 16);

    cgSerial_ = new QProgressBar(this);
    cgSerial_->setObjectName(QStringLiteral("cgSerial"));
    cgSerial_->setGeometry(16, 32, 257, 28);
    cgSerial_->setOrientation(Qt::Horizontal);
    cgSerial_->setRange(0, 100);
    cgSerial_->setValue(0);
}

TformSerial& SerialWindowOnDemand::window() {
    if (!window_) window_ = new TformSerial(owner_);
    return *window_;
}

void TformSerial::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void TformSerial::setRange(int minimum, int maximum) {
    const int before = percentShown();
    cgSerial_->setRange(minimum, std::max(minimum, maximum));
    if (percentShown() != before && isVisible()) cgSerial_->repaint();
}

void TformSerial::setPosition(int position) {
    showPosition(position);
}

void TformSerial::advance(int step) {
    showPosition(static_cast<long long>(cgSerial_->value()) + step);
}

void TformSerial::showPosition(long long position) {
    const int before = percentShown();
    const long long kept =
        std::clamp<long long>(position, cgSerial_->minimum(), cgSerial_->maximum());
    cgSerial_->setValue(static_cast<int>(kept));
    if (percentShown() != before && isVisible()) cgSerial_->repaint();
}

int TformSerial::percentShown() const {
    const long long span = static_cast<long long>(cgSerial_->maximum()) - cgSerial_->minimum();
    if (span <= 0) return 100;
    return static_cast<int>((static_cast<long long>(cgSerial_->value()) - cgSerial_->minimum()) *
                            100 / span);
}

void TformSerial::show() {
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
        QDialog::show();
        // The link blocks the event loop from here on; without this one pass the window system
        // would never get to map the window, and nothing of it would be seen.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    repaint();
}

void TformSerial::hide() {
    QDialog::hide();
}

}  // namespace quorprog
