#pragma once

#include <QGroupBox>
#include <QString>

#include "ui/coordination/coordinated_group.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;

namespace quorprog {

class LocalTexts;

// What the site adds to a coordination: an RF scan (loaded from a file, with the threshold at
// which a point is occupied and the guard a channel keeps from one) and the TV channels of a
// region, ticked either to be excluded or as where the search may go. changed() follows every
// change; the scan file dialog reads through loadScanFile.
class SiteFields : public QGroupBox {
    Q_OBJECT
  public:
    SiteFields(const CoordinationChoices& choices, const LocalTexts& texts,
               QWidget* parent = nullptr);

    // Copies what these fields hold into `choices` (scan, threshold, scan guard, TV channels).
    void collect(CoordinationChoices& choices) const;

    // Reads a scan file; a file that cannot be read or is no scan keeps the scan before and
    // says why beside the button. True when the scan was loaded.
    bool loadScanFile(const QString& path);

  signals:
    void changed();

  private:
    void chooseScanFile();
    void fillTvChannels();
    void showScanName();

    const LocalTexts& texts_;
    QString scanName_;
    std::vector<coordination::ScanPoint> scan_;
    QLabel* scanLabel_;
    QDoubleSpinBox* threshold_;
    QDoubleSpinBox* scanGuard_;
    QComboBox* region_;
    QComboBox* tvMode_;
    QListWidget* tvList_;
};

}  // namespace quorprog
