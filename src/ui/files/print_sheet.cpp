#include "ui/files/print_sheet.h"

#include <QPrintDialog>
#include <QPrinter>

#include "channels/date_stamp.h"
#include "text/text_ids.h"
#include "ui/files/frequency_sheet.h"

namespace quorprog {

QString frequencySheetDate(const Clock& clock) {
    return QString::fromStdString(FormatDate("dd/mm/yyyy", clock.today(), clock.dateSeparator()));
}

void printFrequencySheet(QWidget* parent, const MemoryImage& image, const ChannelTable& table,
                         const LocalTexts& texts, Prompter& prompter, const Clock& clock) {
    if (!image.exists()) {
        prompter.inform(texts.LocalText(text::kReadDeviceFirst), texts.LocalText(text::kWarning));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    if (dialog.exec() != QDialog::Accepted) return;

    FrequencySheet(table, texts, frequencySheetDate(clock), frequencySheetLogo()).print(printer);
}

}  // namespace quorprog
