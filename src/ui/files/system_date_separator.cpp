#include "ui/files/system_date_separator.h"

#include <QLocale>

namespace quorprog {

char systemDateSeparator() {
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (const QChar character : format) {
        if (character.isLetter() || character == u'\'') continue;
        if (character.unicode() > 0x20 && character.unicode() < 0x7F) {
            return static_cast<char>(character.unicode());
        }
        break;
    }
    return '/';
}

}  // namespace quorprog
