#include "ui/files/print_sheet.h"

#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "text/text_ids.h"
#include "ui/files/file_name_dialog.h"
#include "ui/files/frequency_sheet.h"

namespace quorprog {
namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// Without a printer the print dialog would list nothing to print on: the sheet goes into a PDF
// file the user names instead. The file dialog replaces a file silently (as saving a channel
// file does), so the user is asked first here, in the program's language.
void printIntoPdfFile(QWidget* parent, const FrequencySheet& sheet, const LocalTexts& texts,
                      Prompter& prompter) {
    const QString path =
        chooseFileName(parent, QFileDialog::AcceptSave, "pdf",
                       {qText(texts.LocalText(text::kPdfFiles)) + " (*.pdf *.PDF)"},
                       qText(texts.LocalText(text::kPdfDialogTitle)));
    if (path.isEmpty()) return;
    const std::string shownPath = QFile::encodeName(path).toStdString();
    if (QFileInfo::exists(path) &&
        !prompter.askYesNo(texts.LocalTextWith(text::kReplaceExistingFile, shownPath),
                           texts.LocalText(text::kWarning), Prompter::Icon::Warning)) {
        return;
    }
    if (sheet.printToPdf(path)) return;
    prompter.inform(texts.LocalTextWith(text::kCannotWriteFile, shownPath),
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
