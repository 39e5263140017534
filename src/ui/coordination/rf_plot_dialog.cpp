#include "ui/coordination/rf_plot_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/local_texts.h"
#include "text/text_ids.h"
#include "ui/coordination/rf_plot_view.h"

namespace quorprog {

SpectrumDialog::SpectrumDialog(int group, coordination::SpectrumModel model,
                               const LocalTexts& texts, QWidget* parent)
    : QDialog(parent) {
    setObjectName("formSpectrum");
    const auto local = [&](int id) { return QString::fromStdString(texts.LocalText(id)); };
    setWindowTitle(local(text::kSpectrumOfGroup).arg(group));
    view_ = new SpectrumView(std::move(model), texts, this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(local(text::kClose), QDialogButtonBox::AcceptRole)
        ->setObjectName("btnClose");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);
    resize(960, 460);
}

}  // namespace quorprog
