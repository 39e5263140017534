#include "ui/files/print_sheet.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/files/file_name_dialog.h"
#include "ui/files/frequency_sheet.h"
#include "text/text_ids.h"

namespace quorprog {
namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// Without a printer the print dialog would list nothing to print on: the sheet goes into a PDF
// file the user names instead.
void printIntoPdfFile(QWidget* parent, const FrequencySheet& sheet, const LocalTexts& texts,
                      Prompter& prompter) {
    const QString path = chooseFileName(parent, QFileDialog::AcceptSave, "pdf",
                                        {qText(texts.LocalText(text::kPdfFiles)) + " (*.pdf *.PDF)"},
                                        qText(texts.LocalText(text::kPdfDialogTitle)));
    if (path.isEmpty() || sheet.printToPdf(path)) return;
    prompter.inform(
        texts.LocalTextWith(text::kCannotWriteFile, QFile::encodeName(path).toStdString()),
        texts.LocalText(text::kError), Prompter::Icon::Error);
}

}  // namespace

bool systemHasPrinter() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

void printFrequencySheet(QWidget* parent, const MemoryImage& image, const ChannelTable& table,
                         const LocalTexts& texts, Prompter& prompter, const Clock& clock,
                         bool printerAvailable) {
    if (!image.exists()) {
        prompter.inform(texts.LocalText(text::kReadDeviceFirst), texts.LocalText(text::kWarning));
        return;
    }
    if (!printerAvailable) {
        printIntoPdfFile(
            parent, FrequencySheet(table, texts, frequencySheetDate(clock), frequencySheetLogo()),
            texts, prompter);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    // Print to file adds "Print to File (PDF)" to the list of printers.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted) return;

    FrequencySheet(table, texts, frequencySheetDate(clock), frequencySheetLogo()).print(printer);
}

}  // namespace quorprog
