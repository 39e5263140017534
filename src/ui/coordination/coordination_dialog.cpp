#include "ui/coordination/coordination_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "text/local_texts.h"
#include "ui/coordination/coordination_cells.h"
#include "ui/coordination/guard_fields.h"
#include "ui/coordination/site_fields.h"

namespace quorprog {

CoordinationDialog::CoordinationDialog(CoordinatedGroup group, const LocalTexts& texts,
                                       int titleText, std::initializer_list<int> columnTexts,
                                       const char* tableName, QWidget* parent)
    : QDialog(parent), group_(std::move(group)), texts_(texts) {
    setWindowTitle(local(titleText).arg(group_.group));
    guards_ = new GuardFields(group_.choices, texts_, this);
    site_ = new SiteFields(group_.choices, texts_, this);
    summary_ = new QLabel(this);
    summary_->setObjectName("labelSummary");
    summary_->setWordWrap(true);
    QStringList titles;
    for (const int id : columnTexts) titles << local(id);
    table_ = coordinationTable(titles, tableName, this);
    buttons_ = new QDialogButtonBox(this);
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(guards_);
    layout_->addWidget(site_);
    layout_->addWidget(summary_);
    layout_->addWidget(table_);
    layout_->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto changed = [this] {
        CoordinationChoices& choices = group_.choices;
        choices.guards = guards_->guards();
        choices.profile = guards_->profile();
        choices.window = guards_->window();
        site_->collect(choices);
        choicesChanged();
        refresh();
    };
    connect(guards_, &GuardFields::changed, this, changed);
    connect(site_, &SiteFields::changed, this, changed);
}

void CoordinationDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return event->accept();
    QDialog::keyPressEvent(event);
}

QString CoordinationDialog::local(int textId) const {
    return QString::fromStdString(texts_.LocalText(textId));
}

}  // namespace quorprog
