#include "ui/coordination/guard_fields.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "coordination/compatibility_profiles.h"
#include "text/local_texts.h"
#include "ui/coordination/coordinated_group.h"

namespace quorprog {

namespace {

constexpr double kLargestGuardKhz = 100000;
constexpr double kLargestWindowMhz = 10000;
constexpr coordination::Hertz kHertzPerMhz = 1000 * coordination::kHertzPerKhz;

coordination::Hertz hertzOf(const QDoubleSpinBox* box) {
    return coordination::hertzFromKhz(box->value());
}

}  // namespace

GuardFields::GuardFields(const CoordinationChoices& choices, const LocalTexts& texts,
                         QWidget* parent)
    : QGroupBox(QString::fromStdString(texts.LocalText(text::kGuardsHint)), parent) {
    setObjectName("gbGuards");
    auto* layout = new QGridLayout(this);
    const auto label = [&](int id) { return QString::fromStdString(texts.LocalText(id)); };
    const auto field = [&](int row, int column, int id, double value, const char* name) {
        layout->addWidget(new QLabel(label(id), this), row, column);
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setRange(0, kLargestGuardKhz);
        box->setDecimals(3);
        box->setSingleStep(12.5);
        box->setKeyboardTracking(false);
        box->setValue(value);
        connect(box, &QDoubleSpinBox::valueChanged, this, &GuardFields::valueEdited);
        layout->addWidget(box, row, column + 1);
        return box;
    };
    const coordination::Guards& guards = choices.guards;
    spacing_ = field(0, 0, text::kGuardSpacing, coordination::khzOf(guards.spacing), "editSpacing");
    im3_ = field(0, 2, text::kGuardIm3, coordination::khzOf(guards.im3), "editIm3");
    im3x3_ = field(1, 0, text::kGuardIm3x3, coordination::khzOf(guards.im3x3), "editIm3x3");
    im5_ = field(1, 2, text::kGuardIm5, coordination::khzOf(guards.im5), "editIm5");
    window_ = field(1, 4, text::kReceiverWindow, static_cast<double>(choices.window) / kHertzPerMhz,
                    "editWindow");
    window_->setRange(0, kLargestWindowMhz);
    window_->setSingleStep(10);

    layout->addWidget(new QLabel(label(text::kProfile), this), 0, 4);
    profile_ = new QComboBox(this);
    profile_->setObjectName("comboProfile");
    profile_->addItem(label(text::kProfileCustom), QString());
    for (const coordination::CompatibilityProfile& profile :
         coordination::compatibilityProfiles()) {
        const QString name =
            QString::fromUtf8(profile.name.data(), static_cast<qsizetype>(profile.name.size()));
        profile_->addItem(name, name);
    }
    profile_->setCurrentIndex(
        std::max(0, profile_->findData(QString::fromStdString(choices.profile))));
    connect(profile_, &QComboBox::activated, this, &GuardFields::applyProfile);
    layout->addWidget(profile_, 0, 5);
}

void GuardFields::applyProfile() {
    const auto profile = coordination::compatibilityProfile(this->profile());
    if (!profile) return;
    {
        const QSignalBlocker blockers[] = {QSignalBlocker(spacing_), QSignalBlocker(im3_),
                                           QSignalBlocker(im3x3_), QSignalBlocker(im5_),
                                           QSignalBlocker(window_)};
        spacing_->setValue(coordination::khzOf(profile->guards.spacing));
        im3_->setValue(coordination::khzOf(profile->guards.im3));
        im3x3_->setValue(coordination::khzOf(profile->guards.im3x3));
        im5_->setValue(coordination::khzOf(profile->guards.im5));
        window_->setValue(static_cast<double>(profile->window) / kHertzPerMhz);
    }
    emit changed();
}

void GuardFields::valueEdited() {
    const auto profile = coordination::compatibilityProfile(this->profile());
    if (profile &&
        (profile->guards.spacing != guards().spacing || profile->guards.im3 != guards().im3 ||
         profile->guards.im3x3 != guards().im3x3 || profile->guards.im5 != guards().im5 ||
         profile->window != window()))
        profile_->setCurrentIndex(0);
    emit changed();
}

coordination::Guards GuardFields::guards() const {
    return {hertzOf(spacing_), hertzOf(im3_), hertzOf(im3x3_), hertzOf(im5_)};
}

std::string GuardFields::profile() const {
    return profile_->currentData().toString().toStdString();
}

coordination::Hertz GuardFields::window() const {
    return std::llround(window_->value() * kHertzPerMhz);
}

}  // namespace quorprog
