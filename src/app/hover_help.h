#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <map>

class QLabel;
class QWidget;

namespace quorprog {

class LocalTexts;

// The hint under the toolbar: the text of the control under the mouse, in the current language;
// over bare parts of the window the standing text (why the last search found no programmer), or
// nothing. Written only when the mouse reaches another control, so a hint stays while the mouse
// moves within one control or over unwatched ones.
class HoverHelp : public QObject {
    Q_OBJECT
  public:
    HoverHelp(QLabel* helpLabel, const LocalTexts& texts, QObject* parent);

    // Shows the text with this English id while the mouse is over `control`.
    void watch(QWidget* control, int englishId);
    // A bare surface: the mouse over it shows the standing text.
    void watchBare(QWidget* surface);
    // Shown while the mouse is over no control with a text of its own, until replaced; the
    // empty text removes it.
    void setStandingText(const QString& text);

    void objectMouseMove(QObject* hovered);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int kNoText = 0;

    QLabel* helpLabel_;
    const LocalTexts& texts_;
    std::map<const QObject*, int> textIds_;
    QPointer<QObject> lastHovered_;
    bool showingControlText_ = false;
    QString standingText_;
};

}  // namespace quorprog
