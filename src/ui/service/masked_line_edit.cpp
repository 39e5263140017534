#include "ui/service/masked_line_edit.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace quorprog {
namespace {

class AsteriskPasswordStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void maskWithAsterisks(QLineEdit& edit) {
    auto* style = new AsteriskPasswordStyle;
    style->setParent(&edit);  // a widget does not own the style it is given
    edit.setStyle(style);
    edit.setEchoMode(QLineEdit::Password);
}

}  // namespace quorprog
