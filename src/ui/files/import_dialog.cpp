#include "ui/files/import_dialog.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ui/numbers/display_numbers.h"

namespace quorprog {
namespace {

// The frame of a classic dialog: its outer height includes a 19-pixel caption and 4-pixel borders.
constexpr int kFrameHeight = 27;
constexpr int kRowPitch = 24;
// The columns' places when their texts fit, as in English.
constexpr int kRangeLeft = 150;
constexpr int kDestinationLeft = 280;
// The least room between the end of one column's texts and the next column.
constexpr int kColumnGap = 8;

int rightEdge(const std::vector<QWidget*>& widgets) {
    int right = 0;
    for (const QWidget* widget : widgets) right = std::max(right, widget->geometry().right() + 1);
    return right;
}

void shiftRight(const std::vector<QWidget*>& widgets, int shift) {
    for (QWidget* widget : widgets) widget->move(widget->pos() + QPoint(shift, 0));
}

QLabel* placeLabel(QWidget* parent, const QString& name, const std::string& text, int left, int top,
                   bool bold = false) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setObjectName(name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->move(left, top);
    label->adjustSize();
    return label;
}

QPushButton* placeButton(QWidget* parent, const QString& name, const QString& text, int left,
                         int top) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, 75, 25);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TformImport::TformImport(const ChannelFile& file, ChannelTable& table, Prompter& prompter,
                         const LocalTexts& texts, QWidget* parent)
    : QDialog(parent), file_(file), table_(table), prompter_(prompter), texts_(texts) {
    setObjectName("formImport");
    setWindowTitle("formImport");
    setFont(QFont("MS Sans Serif", 8));
    const int groups = static_cast<int>(file.groups.size());

    labelGroup = placeLabel(this, "labelGroup", texts.LocalText(text::kSourceGroup), 16, 8, true);
    labelRange = placeLabel(this, "labelRange", texts.LocalText(text::kRange), 160, 8, true);
    labelDestination = placeLabel(this, "labelDestination",
                                  texts.LocalText(text::kDestinationGroup), 280, 8, true);

    const std::vector<ImportRow> rows =
        importRows(file, table, texts, displayDecimalSeparatorText());
    for (int i = 0; i < groups; ++i) addRow(i, rows[i]);

    const int buttonsTop = kRowPitch * groups + 40;
    btnCancel = placeButton(this, "btnCancel", "cancel", 267, buttonsTop);
    btnImport = placeButton(this, "btnImport", "Import", 363, buttonsTop);
    connect(btnCancel, &QPushButton::clicked, this, &TformImport::btnCancelClick);
    connect(btnImport, &QPushButton::clicked, this, &TformImport::btnImportClick);

    setFixedSize(kClientWidth, kRowPitch * groups + 100 - kFrameHeight);
    makeRoomForLongTexts();
}

// A language with longer words than English ("Gruppo 1 (Trasmettitore)") pushes the columns to
// the right, and the dialog grows by as much, so no text runs into the next column.
void TformImport::makeRoomForLongTexts() {
    std::vector<QWidget*> sourceColumn{labelGroup};
    std::vector<QWidget*> rangeColumn{labelRange};
    std::vector<QWidget*> destinationColumn{labelDestination, btnCancel, btnImport};
    sourceColumn.insert(sourceColumn.end(), sourceLabels.begin(), sourceLabels.end());
    rangeColumn.insert(rangeColumn.end(), rangeLabels.begin(), rangeLabels.end());
    destinationColumn.insert(destinationColumn.end(), destinationLists.begin(),
                             destinationLists.end());

    const int rangeShift = std::max(0, rightEdge(sourceColumn) + kColumnGap - kRangeLeft);
    shiftRight(rangeColumn, rangeShift);
    const int destinationShift = std::max(
        rangeShift, rightEdge(rangeColumn) + kColumnGap - kDestinationLeft);
    shiftRight(destinationColumn, destinationShift);
    setFixedWidth(kClientWidth + destinationShift);
}

void TformImport::addRow(int i, const ImportRow& row) {
    const int top = kRowPitch * i;
    sourceLabels.push_back(
        placeLabel(this, QString("labelSource%1").arg(i), row.sourceLabel, 16, 28 + top));
    rangeLabels.push_back(
        placeLabel(this, QString("labelRange%1").arg(i), row.rangeLabel, 150, 28 + top));

    auto* list = new QComboBox(this);
    list->setObjectName(QString("listDestination%1").arg(i));
    list->setEditable(false);
    list->setGeometry(280, 24 + top, 150, list->sizeHint().height());
    std::vector<int32_t> map{kNoDestination};
    list->addItem("none");
    for (const ImportDestination& destination : row.destinations) {
        list->addItem(QString::fromStdString(destination.label));
        map.push_back(static_cast<int32_t>(destination.deviceGroup));
    }
    list->setCurrentIndex(0);
    destinationLists.push_back(list);
    destinationMaps_.push_back(std::move(map));
}

std::vector<int32_t> TformImport::chosenDestinations() const {
    std::vector<int32_t> chosen;
    for (size_t i = 0; i < destinationLists.size(); ++i) {
        const int item = destinationLists[i]->currentIndex();
        const std::vector<int32_t>& map = destinationMaps_[i];
        chosen.push_back(item >= 0 && static_cast<size_t>(item) < map.size() ? map[item]
                                                                             : kNoDestination);
    }
    return chosen;
}

void TformImport::btnImportClick() {
    const std::vector<int32_t> chosen = chosenDestinations();
    const ImportOutcome outcome = applyImport(file_, chosen, table_, prompter_, texts_);
    if (outcome == ImportOutcome::DuplicateDestination) return;  // the user may choose again
    for (int32_t group : chosen) {
        if (group != kNoDestination) importedGroups_.push_back(static_cast<uint32_t>(group));
    }
    accept();
}

void TformImport::btnCancelClick() {
    reject();
}

}  // namespace quorprog
