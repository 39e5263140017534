#include "ui/coordination/site_fields.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "files/file_bytes.h"
#include "text/local_texts.h"

namespace quorprog {

namespace {

constexpr double kLowestLevel = -300;
constexpr double kHighestLevel = 100;
constexpr double kLargestScanGuardKhz = 10000;

}  // namespace

SiteFields::SiteFields(const CoordinationChoices& choices, const LocalTexts& texts, QWidget* parent)
    : QGroupBox(QString::fromStdString(texts.LocalText(text::kSiteTitle)), parent),
      texts_(texts),
      scanName_(QString::fromStdString(choices.scanName)),
      scan_(choices.scan) {
    setObjectName("gbSite");
    const auto local = [&](int id) { return QString::fromStdString(texts.LocalText(id)); };
    auto* layout = new QGridLayout(this);

    auto* load = new QPushButton(local(text::kLoadScan), this);
    load->setObjectName("btnScanFile");
    connect(load, &QPushButton::clicked, this, &SiteFields::chooseScanFile);
    layout->addWidget(load, 0, 0);
    scanLabel_ = new QLabel(this);
    scanLabel_->setObjectName("labelScan");
    scanLabel_->setTextFormat(Qt::PlainText);  // a file name is no markup
    layout->addWidget(scanLabel_, 0, 1, 1, 2);
    const auto field = [&](int column, int id, double low, double high, double value,
                           const char* name) {
        layout->addWidget(new QLabel(local(id), this), 0, column);
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setRange(low, high);
        box->setDecimals(1);
        box->setKeyboardTracking(false);
        box->setValue(value);
        connect(box, &QDoubleSpinBox::valueChanged, this, &SiteFields::changed);
        layout->addWidget(box, 0, column + 1);
        return box;
    };
    threshold_ = field(3, text::kThresholdDbm, kLowestLevel, kHighestLevel, choices.threshold,
                       "editThreshold");
    scanGuard_ = field(5, text::kScanGuardKhz, 0, kLargestScanGuardKhz,
                       coordination::khzOf(choices.scanGuard), "editScanGuard");

    layout->addWidget(new QLabel(local(text::kTvChannels), this), 1, 0);
    region_ = new QComboBox(this);
    region_->setObjectName("comboTvRegion");
    region_->addItem(local(text::kTvRegionNone), -1);
    region_->addItem(local(text::kTvRegionEu), static_cast<int>(coordination::TvRegion::Eu));
    region_->addItem(local(text::kTvRegionUs), static_cast<int>(coordination::TvRegion::Us));
    if (choices.tvRegion)
        region_->setCurrentIndex(region_->findData(static_cast<int>(*choices.tvRegion)));
    layout->addWidget(region_, 1, 1);
    tvMode_ = new QComboBox(this);
    tvMode_->setObjectName("comboTvMode");
    tvMode_->addItem(local(text::kTvExclude));
    tvMode_->addItem(local(text::kTvSearchIn));
    tvMode_->setCurrentIndex(choices.tvSearchIn ? 1 : 0);
    layout->addWidget(tvMode_, 1, 2);
    tvList_ = new QListWidget(this);
    tvList_->setObjectName("listTvChannels");
    tvList_->setFlow(QListView::LeftToRight);
    tvList_->setWrapping(true);
    tvList_->setResizeMode(QListView::Adjust);
    tvList_->setFixedHeight(54);
    layout->addWidget(tvList_, 1, 3, 1, 4);
    fillTvChannels();
    for (QListWidgetItem* item : tvList_->findItems("*", Qt::MatchWildcard)) {
        const bool ticked = std::find(choices.tvTicked.begin(), choices.tvTicked.end(),
                                      item->data(Qt::UserRole).toInt()) != choices.tvTicked.end();
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    connect(region_, &QComboBox::currentIndexChanged, this, [this] {
        fillTvChannels();
        emit changed();
    });
    connect(tvMode_, &QComboBox::currentIndexChanged, this, &SiteFields::changed);
    connect(tvList_, &QListWidget::itemChanged, this, &SiteFields::changed);
    showScanName();
}

void SiteFields::fillTvChannels() {
    const QSignalBlocker blocker(tvList_);
    tvList_->clear();
    const int region = region_->currentData().toInt();
    tvList_->setEnabled(region >= 0);
    tvMode_->setEnabled(region >= 0);
    if (region < 0) return;
    const auto tvRegion = static_cast<coordination::TvRegion>(region);
    for (int n = coordination::firstTvChannel(tvRegion); n <= coordination::lastTvChannel(tvRegion);
         ++n) {
        auto* item = new QListWidgetItem(QString::number(n), tvList_);
        item->setData(Qt::UserRole, n);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
}

void SiteFields::collect(CoordinationChoices& choices) const {
    choices.scanName = scanName_.toStdString();
    choices.scan = scan_;
    choices.threshold = threshold_->value();
    choices.scanGuard = coordination::hertzFromKhz(scanGuard_->value());
    const int region = region_->currentData().toInt();
    choices.tvRegion =
        region < 0 ? std::nullopt : std::optional(static_cast<coordination::TvRegion>(region));
    choices.tvSearchIn = tvMode_->currentIndex() == 1;
    choices.tvTicked.clear();
    for (int row = 0; row < tvList_->count(); ++row) {
        const QListWidgetItem* item = tvList_->item(row);
        if (item->checkState() == Qt::Checked)
            choices.tvTicked.push_back(item->data(Qt::UserRole).toInt());
    }
}

bool SiteFields::loadScanFile(const QString& path) {
    const auto local = [&](int id) { return QString::fromStdString(texts_.LocalText(id)); };
    const QString name = QFileInfo(path).fileName();
    const auto bytes = readFileBytes(path.toStdString(), coordination::kMaxScanBytes);
    const coordination::RfScan scan =
        bytes ? coordination::readRfScan(
                    std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()))
              : coordination::RfScan{};
    if (!scan.ok() || scan.points.empty()) {
        // The reader's reason names the line; it is the same text the command-line tool gives.
        QString why = local(text::kScanUnreadable).arg(name);
        if (!scan.ok()) why += " (" + QString::fromStdString(scan.error) + ")";
        scanLabel_->setText(why);
        return false;
    }
    scanName_ = name;
    scan_ = scan.points;
    showScanName();
    emit changed();
    return true;
}

void SiteFields::chooseScanFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, QString::fromStdString(texts_.LocalText(text::kLoadScan)), QString(),
        QString::fromStdString(texts_.LocalText(text::kScanFiles)) + " (*.csv *.txt *.tsv);;* (*)");
    if (!path.isEmpty()) loadScanFile(path);
}

void SiteFields::showScanName() {
    scanLabel_->setText(scan_.empty()
                            ? QString::fromStdString(texts_.LocalText(text::kNoScanLoaded))
                            : QString::fromStdString(texts_.LocalText(text::kScanPoints))
                                  .arg(scanName_)
                                  .arg(scan_.size()));
}

}  // namespace quorprog
