#include "ui/coordination/coordination_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "text/local_texts.h"
#include "ui/coordination/coordination_cells.h"
#include "ui/coordination/guard_fields.h"

namespace quorprog {

CoordinationDialog::CoordinationDialog(CoordinatedGroup group, const LocalTexts& texts,
                                       int titleText, std::initializer_list<int> columnTexts,
                                       const char* tableName, QWidget* parent)
    : QDialog(parent), group_(std::move(group)), texts_(texts) {
    setWindowTitle(local(titleText).arg(group_.group));
    guards_ = new GuardFields(group_.rules.guards, texts_, this);
    summary_ = new QLabel(this);
    summary_->setObjectName("labelSummary");
    summary_->setWordWrap(true);
    QStringList titles;
    for (const int id : columnTexts) titles << local(id);
    table_ = coordinationTable(titles, tableName, this);
    buttons_ = new QDialogButtonBox(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(guards_);
    layout->addWidget(summary_);
    layout->addWidget(table_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(guards_, &GuardFields::changed, this, [this] {
        group_.rules.guards = guards_->guards();
        refresh();
    });
}

coordination::Guards CoordinationDialog::guards() const {
    return guards_->guards();
}

QString CoordinationDialog::local(int textId) const {
    return QString::fromStdString(texts_.LocalText(textId));
}

}  // namespace quorprog
