#include "ui/service/service_data_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "service/service_items.h"
#include "ui/numbers/display_numbers.h"
#include "ui/service/dialog_geometry.h"

namespace quorprog {
namespace {

QComboBox* placeList(QWidget* parent, const std::vector<std::string>& items, int left, int top,
                     int width) {
    auto* list = new QComboBox(parent);
    for (const std::string& item : items) list->addItem(QString::fromStdString(item));
    list->setGeometry(left, top, width, list->sizeHint().height());
    return list;
}

QLineEdit* placeEdit(QWidget* parent, const char* name, int left, int top) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, 73, 21);
    return edit;
}

QPushButton* placeButton(QWidget* parent, const char* name, const char* text, int left) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Plain buttons: Enter in a field must not apply a form the expert has not finished.
    button->setAutoDefault(false);
    button->setGeometry(left, 192, 75, 25);
    return button;
}

}  // namespace

TformService::TformService(ChannelTable& table, MemoryMap& map, uint32_t group,
                           GroupViewHooks display, QWidget* parent)
    : QDialog(parent), table_(table), map_(map), group_(group), display_(std::move(display)) {
    setObjectName("formService");
    setWindowTitle("SERVICE DATA");
    setFixedSize(clientSizeForOuter(542, 257));
    useClassicDialogFont(*this);

    placeLabel(this, "Label1", "Step / XTAL Divider", 16, 32);
    listXTALDividers =
        placeList(this, dividerItems(table_, group_, displayDecimalSeparatorText()), 128, 28, 145);
    listXTALDividers->setObjectName("listXTALDividers");
    listXTALDividers->setCurrentIndex(-1);  // the expert must pick a divider on purpose

    buildRangeControls();

    QLabel* warning = placeLabel(this, "Label2",
                                 "WARNING: all the values in this form are intended for EXPERT "
                                 "USERS ONLY and shouldn't be modified! ",
                                 16, 152);
    warning->setWordWrap(true);
    // Two lines in the classic font; a wider font must not cut the warning short.
    warning->setGeometry(16, 152, 254, std::max(26, warning->heightForWidth(254)));

    btnOK = placeButton(this, "btnOK", "OK", 72);
    btnCancel = placeButton(this, "btnCancel", "Cancel", 167);
    connect(btnOK, &QPushButton::clicked, this, &TformService::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TformService::btnCancelClick);

    buildOptionControls();
}

void TformService::buildRangeControls() {
    placeLabel(this, "Label3", "Min Freq:", 16, 56);
    editMinFreq = placeEdit(this, "editMinFreq", 128, 52);
    placeLabel(this, "Label5", "kHz", 208, 56);
    placeLabel(this, "Label4", "Max Freq:", 16, 80);
    editMaxFreq = placeEdit(this, "editMaxFreq", 128, 76);
    placeLabel(this, "Label6", "kHz", 208, 80);
}

void TformService::buildOptionControls() {
    gbOptions = new QGroupBox("options", this);
    gbOptions->setObjectName("gbOptions");
    gbOptions->setGeometry(280, 3, 252, 224);
    if (!table_.hasPartition(group_)) return;

    int k = 0;
    for (const TOptionObject* option = table_.Options[group_].get(); option;
         option = option->Next.get(), ++k) {
        const QString name = QString("Option%1").arg(k);
        placeLabel(gbOptions, name + "Label", QString::fromStdString(optionLabel(*option)), 5,
                   15 + 20 * k);
        QComboBox* list = placeList(gbOptions, optionItems(*option), 130, 10 + 20 * k, 100);
        list->setObjectName(name + "List");
        list->setCurrentIndex(0);
        optionLists_.push_back(list);
    }
}

ServiceChanges TformService::chosenChanges() const {
    ServiceChanges changes;
    // Item 0 is "no change"; the dividers and choices follow it in their own order.
    if (listXTALDividers->currentIndex() > 0) {
        changes.dividerChoice = listXTALDividers->currentIndex() - 1;
    }
    changes.minFreqText = editMinFreq->text().toStdString();
    changes.maxFreqText = editMaxFreq->text().toStdString();
    for (const QComboBox* list : optionLists_) {
        changes.optionChoices.push_back(list->currentIndex() > 0 ? list->currentIndex() - 1
                                                                 : ServiceChanges::kNoChange);
    }
    return changes;
}

void TformService::btnOKClick() {
    applyServiceChanges(table_, map_, group_, chosenChanges(), display_);
    accept();
}

void TformService::btnCancelClick() {
    reject();
}

void openServiceDataDialog(QWidget* parent, ChannelTable& table, MemoryMap& map, int g,
                           const GroupViewHooks& display) {
    if (!table.hasPartition(g)) return;
    TformService dialog(table, map, static_cast<uint32_t>(g), display, parent);
    dialog.exec();
}

}  // namespace quorprog
