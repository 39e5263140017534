#pragma once

#include <QDialog>

#include "coordination/rf_plot_model.h"

namespace quorprog {

class LocalTexts;
class SpectrumView;

// "Spectrum…": the spectrum view of the group on display and a Close button.
class SpectrumDialog : public QDialog {
    Q_OBJECT
  public:
    SpectrumDialog(int group, coordination::SpectrumModel model, const LocalTexts& texts,
                   QWidget* parent = nullptr);

    SpectrumView& view() const { return *view_; }

  private:
    SpectrumView* view_;
};

}  // namespace quorprog
