#include "ui/coordination/guard_fields.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>

#include "text/local_texts.h"

namespace quorprog {

namespace {

constexpr double kLargestGuardKhz = 100000;

coordination::Hertz hertzOf(const QDoubleSpinBox* box) {
    return coordination::hertzFromKhz(box->value());
}

}  // namespace

GuardFields::GuardFields(const coordination::Guards& guards, const LocalTexts& texts,
                         QWidget* parent)
    : QGroupBox(QString::fromStdString(texts.LocalText(text::kGuardsHint)), parent) {
    setObjectName("gbGuards");
    auto* layout = new QGridLayout(this);
    const auto label = [&](int id) { return QString::fromStdString(texts.LocalText(id)); };
    const auto field = [&](int row, int column, int id, coordination::Hertz value,
                           const char* name) {
        layout->addWidget(new QLabel(label(id), this), row, column);
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setRange(0, kLargestGuardKhz);
        box->setDecimals(3);
        box->setSingleStep(12.5);
        box->setKeyboardTracking(false);
        box->setValue(coordination::khzOf(value));
        connect(box, &QDoubleSpinBox::valueChanged, this, &GuardFields::changed);
        layout->addWidget(box, row, column + 1);
        return box;
    };
    spacing_ = field(0, 0, text::kGuardSpacing, guards.spacing, "editSpacing");
    im3_ = field(0, 2, text::kGuardIm3, guards.im3, "editIm3");
    im3x3_ = field(1, 0, text::kGuardIm3x3, guards.im3x3, "editIm3x3");
    im5_ = field(1, 2, text::kGuardIm5, guards.im5, "editIm5");
}

coordination::Guards GuardFields::guards() const {
    return {hertzOf(spacing_), hertzOf(im3_), hertzOf(im3x3_), hertzOf(im5_)};
}

}  // namespace quorprog
