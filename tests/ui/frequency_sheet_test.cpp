#include "ui/files/frequency_sheet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <string>
#include <vector>

#include "commands_test_support.h"
#include "description/default_description.h"
#include "fakes/recording_prompter.h"
#include "files/channel_file.h"
#include "files/channel_file_table.h"
#include "files/frequency_sheet_layout.h"
#include "modal_dialogs.h"
#include "model/factory_image.h"
#include "seams/clock.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "session/device_session.h"
#include "ui/files/import_dialog.h"
#include "ui/files/print_sheet.h"

namespace quorprog {
namespace {

using testing::chooseFileInNextDialog;
using testing::RecordingPrompter;

const char* const kToneNames[] = {"none", "91.5 Hz", "94.8 Hz", "97.4 Hz"};

// A plan with one group per entry of channelCounts: even groups transmitters, odd ones receivers;
// channel c of group r on 470 MHz + (r, c) steps, subtones cycling through kToneNames.
ChannelTable planWithGroups(const std::vector<uint32_t>& channelCounts) {
    ChannelTable table;
    table.PartitionCount = static_cast<uint32_t>(channelCounts.size());
    table.MemoryMapName = "DEFAULTMAP2PART";
    table.allocatePartitions(table.PartitionCount);
    for (uint32_t r = 0; r < table.PartitionCount; ++r) {
        table.allocateChannels(r, channelCounts[r]);
        table.IsReceiver[r] = r % 2;
        table.MinFreq[r] = 470000;
        table.MaxFreq[r] = 790000;
        for (const char* name : kToneNames) {
            table.SubtoneTables.AddSubtone(static_cast<int32_t>(r), name, 0);
        }
        for (uint32_t c = 0; c < channelCounts[r]; ++c) {
            table.Frequency[r][c] = 470000.0f + 1000.0f * static_cast<float>(r) + 12.5f * c;
            table.SubtoneIndex[r][c] = static_cast<uint8_t>(c % 4);
        }
    }
    return table;
}

std::string run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return process.readAllStandardOutput().toStdString();
}

int pdfPages(const QString& pdf) {
    static const QRegularExpression pages(R"(Pages:\s+(\d+))");
    const auto match = pages.match(QString::fromStdString(run("pdfinfo", {pdf})));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Prints sheets to PDF and reads them back with the poppler tools. The files stay in the build
// folder, so the last run's sheets can be looked at.
class FrequencySheetTest : public ::testing::Test {
  protected:
    // The expected numbers below are written with a decimal point, whatever the machine's locale.
    void SetUp() override { std::setlocale(LC_NUMERIC, "C"); }

    QString printToPdf(const ChannelTable& table, const QString& name) {
        const QString folder = QUORPROG_BINARY_DIR "/frequency_sheets";
        QDir().mkpath(folder);
        const QString path = folder + "/" + name + ".pdf";
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        FrequencySheet(table, texts, frequencySheetDate(clock), frequencySheetLogo())
            .print(printer);
        return path;
    }

    std::string pageText(const QString& pdf, int page) {
        const QString number = QString::number(page);
        return run("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"});
    }
    // Top edges of every word `word` on the page, in PDF points, in reading order.
    std::vector<double> wordTops(const QString& pdf, int page, const QString& word) {
        const QString number = QString::number(page);
        const QString html = QString::fromStdString(
            run("pdftotext", {"-bbox", "-f", number, "-l", number, pdf, "-"}));
        const QRegularExpression pattern(R"re(<word xMin="[\d.]+" yMin="([\d.]+)"[^>]*>)re" +
                                         QRegularExpression::escape(word) + "</word>");
        std::vector<double> tops;
        for (auto it = pattern.globalMatch(html); it.hasNext();) {
            tops.push_back(it.next().captured(1).toDouble());
        }
        return tops;
    }

    LocalTexts texts;
    FixedClock clock{CalendarDate{2026, 12, 6}, '.'};
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct PagingCase {
    uint32_t groups;
    int pages;
};

class SheetPagingTest : public FrequencySheetTest,
                        public ::testing::WithParamInterface<PagingCase> {};

TEST_P(SheetPagingTest, TwoGroupsShareAPage) {
    const QString pdf = printToPdf(planWithGroups(std::vector<uint32_t>(GetParam().groups, 16)),
                                   QString("groups_%1").arg(GetParam().groups));
    ASSERT_EQ(pdfPages(pdf), GetParam().pages);
    const std::string today = "06.12.2026";  // with the clock's separator
    for (int page = 1; page <= GetParam().pages; ++page) {
        const std::string text = pageText(pdf, page);
        EXPECT_TRUE(contains(text, "Frequency allocation sheet")) << "page " << page;
        EXPECT_TRUE(contains(text, today)) << "page " << page;
        EXPECT_TRUE(contains(text, "Quorvel Audio Systems")) << "page " << page;
    }
    const std::string last = pageText(pdf, GetParam().pages);
    const uint32_t lastGroup = GetParam().groups - 1;
    EXPECT_TRUE(contains(last, "Group " + std::to_string(lastGroup) + ":"));
    EXPECT_EQ(contains(last, "Group " + std::to_string(lastGroup - 1) + ":"), lastGroup % 2 == 1);
}

INSTANTIATE_TEST_SUITE_P(Groups, SheetPagingTest,
                         ::testing::Values(PagingCase{1, 1}, PagingCase{2, 1}, PagingCase{3, 2}),
                         [](const auto& info) { return std::to_string(info.param.groups); });

TEST_F(FrequencySheetTest, BoxesListChannelsFrequenciesSubtonesAndRange) {
    ChannelTable table = planWithGroups({16, 16});
    table.Frequency[0][5] = 0.0f;   // an empty channel
    table.SubtoneIndex[1][2] = 23;  // beyond the group's subtone list: no name
    table.MaxFreq[1] = 865500;
    const std::string text = pageText(printToPdf(table, "contents"), 1);

    EXPECT_TRUE(contains(text, "Group 0: Transmitter"));
    EXPECT_TRUE(contains(text, "Group 1: Receiver"));
    EXPECT_TRUE(contains(text, "CH"));
    EXPECT_TRUE(contains(text, "frequency (kHz)"));
    EXPECT_TRUE(contains(text, "subtone"));
    EXPECT_TRUE(contains(text, "470012.5"));
    EXPECT_TRUE(contains(text, "471187.5"));  // group 1, channel 0F
    EXPECT_TRUE(contains(text, "0.0"));
    EXPECT_FALSE(contains(text, "470062.5")) << "channel 05 was emptied";
    EXPECT_TRUE(contains(text, "97.4 Hz"));
    EXPECT_TRUE(contains(text, "Range: 470.000 - 790.000"));
    EXPECT_TRUE(contains(text, "Range: 470.000 - 865.500"));
    static const QRegularExpression emptyChannelRow(R"(\b05\s+0\.0\s+91\.5 Hz)");
    EXPECT_TRUE(emptyChannelRow.match(QString::fromStdString(text)).hasMatch()) << text;
}

TEST_F(FrequencySheetTest, BoxesOfAPageAreEquallyTallForTheLongerGroup) {
    const QString mixed = printToPdf(planWithGroups({16, 8}), "channels_16_8");
    const QString full = printToPdf(planWithGroups({16, 16}), "channels_16_16");

    // Every box ends at the same height above the footer, so equal tops mean equal heights.
    const std::vector<double> mixedTops = wordTops(mixed, 1, "Group");
    const std::vector<double> fullTops = wordTops(full, 1, "Group");
    ASSERT_EQ(mixedTops.size(), 2u);
    ASSERT_EQ(fullTops.size(), 2u);
    EXPECT_NEAR(mixedTops[0], mixedTops[1], 0.5);
    EXPECT_NEAR(mixedTops[0], fullTops[0], 0.5);
    EXPECT_EQ(wordTops(mixed, 1, "0F").size(), 1u);
    EXPECT_EQ(wordTops(mixed, 1, "07").size(), 2u);
}

TEST_F(FrequencySheetTest, LongGroupsStayBelowTheTitleWithEveryChannel) {
    const QString pdf = printToPdf(planWithGroups({48, 40}), "channels_48_40");
    const std::vector<double> titleTops = wordTops(pdf, 1, "allocation");
    const std::vector<double> groupTops = wordTops(pdf, 1, "Group");
    ASSERT_EQ(titleTops.size(), 1u);
    ASSERT_EQ(groupTops.size(), 2u);
    EXPECT_GT(groupTops[0], titleTops[0] + 20.0);  // a unit is about 28 points on A4
    EXPECT_NEAR(groupTops[0], groupTops[1], 0.5);
    EXPECT_EQ(wordTops(pdf, 1, "2F").size(), 1u);
    EXPECT_EQ(wordTops(pdf, 1, "27").size(), 2u);
    const std::vector<double> lastRows = wordTops(pdf, 1, "2E");
    ASSERT_EQ(lastRows.size(), 1u);
    EXPECT_LT(wordTops(pdf, 1, "2D")[0], lastRows[0]) << "rows overlap";
}

TEST_F(FrequencySheetTest, GroupNumbersAreHexadecimal) {
    const QString pdf = printToPdf(planWithGroups(std::vector<uint32_t>(11, 4)), "groups_11");
    ASSERT_EQ(pdfPages(pdf), 6);
    EXPECT_TRUE(contains(pageText(pdf, 5), "Group 9: Receiver"));
    EXPECT_TRUE(contains(pageText(pdf, 6), "Group A: Transmitter"));
}

TEST_F(FrequencySheetTest, PrintsInTheCurrentLanguage) {
    texts.setCurrentLanguage(1);
    const std::string text = pageText(printToPdf(planWithGroups({2, 2}), "italiano"), 1);
    EXPECT_TRUE(contains(text, "Tabella di allocazione delle frequenze"));
    EXPECT_TRUE(contains(text, "Gruppo 1: Ricevitore"));
    EXPECT_TRUE(contains(text, "Gamma: 470.000 - 790.000"));
    EXPECT_TRUE(contains(text, "frequenza (kHz)"));
}

TEST_F(FrequencySheetTest, JobCarriesTheSheetTitle) {
    const std::string info = run("pdfinfo", {printToPdf(planWithGroups({1}), "job_title")});
    EXPECT_TRUE(contains(info, "Quorvel Programmer Frequency Sheet")) << info;
}

// On an Italian desktop (C library and Qt alike) every number on screen and paper has the
// desktop's decimal comma: the group panel, the import dialog's range and the sheet.
TEST_F(FrequencySheetTest, ScreenAndSheetShareTheDesktopsDecimalSeparator) {
    ASSERT_TRUE(std::setlocale(LC_NUMERIC, "it_IT.UTF-8")) << "scripts/install-deps.sh makes it";
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    commands_test::GridRig rig;
    rig.table().MinFreq[0] = 470500;
    rig.view.ShowGroupInfo();
    const TformImport import(channelFileFromTable(rig.table(), 0), rig.table(), rig.prompter,
                             rig.texts);
    const std::string sheet = pageText(printToPdf(rig.table(), "decimal_comma"), 1);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");

    EXPECT_EQ(rig.controls.labelRangeValue->text(), "470,500-790,000 MHz");
    EXPECT_EQ(rig.controls.labelStepValue->text(), "12,500 kHz");
    EXPECT_EQ(import.rangeLabels[0]->text(), "470,500-790,000 MHz");
    EXPECT_TRUE(contains(sheet, "470,500 - 790,000")) << sheet;
}

TEST_F(FrequencySheetTest, PaintsOnAnImageToo) {
    const ChannelTable table = planWithGroups({16, 8});
    const FrequencySheet sheet(table, texts, frequencySheetDate(clock), frequencySheetLogo());
    QImage page(496, 702, QImage::Format_RGB32);  // A4 at 60 dpi
    page.setDotsPerMeterX(2362);
    page.setDotsPerMeterY(2362);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        sheet.paintPage(painter, page.width(), page.height(), 0);
    }
    const SheetUnits units = sheetUnits(page.width(), page.height());
    const int barY = logoBottom(units) - 1;
    EXPECT_EQ(page.pixelColor(units.W / 2 + 5 * units.m, barY), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(units.W / 2, units.H - 2 * units.u - 1), QColor(255, 0, 0));
    // The grey title band of the right-hand box.
    const GroupBoxGeometry right = groupBoxGeometry(units, table.FrequencyCount, 1);
    EXPECT_EQ(page.pixelColor(right.right - units.m, right.top + units.u / 2),
              QColor(233, 233, 233));
}

TEST(FrequencySheetLayoutTest, PairsShareTheTallerHeightAndTheLastGroupStandsAlone) {
    const SheetUnits units = sheetUnits(4961, 7016);  // A4 at 600 dpi
    EXPECT_EQ(units.m, 236);
    EXPECT_EQ(units.u, 237);
    const std::vector<uint32_t> counts = {8, 16, 4};
    const GroupBoxGeometry left = groupBoxGeometry(units, counts, 0);
    const GroupBoxGeometry right = groupBoxGeometry(units, counts, 1);
    const GroupBoxGeometry alone = groupBoxGeometry(units, counts, 2);
    EXPECT_EQ(left.height, 16 * 237);  // (0.75 * 16 + 4) u
    EXPECT_EQ(right.height, left.height);
    EXPECT_EQ(left.top + left.height, 7015 - 4 * 237);
    EXPECT_EQ(alone.height, 7 * 237);
    EXPECT_EQ(alone.left, 236);
    EXPECT_EQ(right.left, (4960 + 236) / 2);
    EXPECT_EQ(right.right, static_cast<int>(right.left + 4960 / 2 - 1.5 * 236));
}

TEST(PrintFrequencySheetTest, RefusesBeforeADeviceWasRead) {
    RecordingPrompter prompter;
    const LocalTexts texts;
    const FixedClock clock{CalendarDate{2026, 12, 6}};
    const MemoryImage noImage;
    printFrequencySheet(nullptr, noImage, planWithGroups({16}), texts, prompter, clock, true);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Please connect you wireless device and read data before to do this action!");
    EXPECT_EQ(prompter.messages[0].caption, "WARNING");
}

TEST(PrintFrequencySheetTest, WithAPrinterTheDialogAlsoOffersAPdfFile) {
    RecordingPrompter prompter;
    const LocalTexts texts;
    const FixedClock clock{CalendarDate{2026, 12, 6}};
    MemoryImage image;
    image.reset();
    QStringList printers;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->options(), QAbstractPrintDialog::PrintToFile);
        for (const QComboBox* list : dialog->findChildren<QComboBox*>()) {
            for (int i = 0; i < list->count(); ++i) printers << list->itemText(i);
        }
        dialog->reject();
    });
    printFrequencySheet(nullptr, image, planWithGroups({16}), texts, prompter, clock, true);
    EXPECT_TRUE(printers.contains("Print to File (PDF)")) << printers.join(", ").toStdString();
    EXPECT_TRUE(prompter.messages.empty());
}

// Everything in a PDF file but the date, page by page.
std::string sheetTextWithoutDate(const QString& pdf) {
    static const QRegularExpression date(R"(\d\d\D\d\d\D\d{4})");
    return QString::fromStdString(run("pdftotext", {"-layout", pdf, "-"}))
        .replace(date, "DATE")
        .toStdString();
}

// quorprog-cli sheet as a technician without a display runs it.
void printWithTheTool(const QStringList& arguments, const QString& configFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    environment.insert("XDG_CONFIG_HOME", configFolder);
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(QUORPROG_BINARY_DIR "/bin/quorprog-cli", QStringList{"sheet"} + arguments);
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

// Without a printer the print command asks for a PDF file and prints the sheet into it; the tool
// prints the same pages from the device's raw image and from a channel file saved from it.
TEST(PrintFrequencySheetTest, WithoutAPrinterTheSheetGoesIntoAPdfFileAsTheToolPrintsIt) {
    QTemporaryDir folder;
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    const Bytes device = buildFactoryImage(description, "dual group system");
    RecordingPrompter prompter;
    NullProgressView progress;
    NullLog log;
    const LocalTexts texts;
    const SystemClock clock;
    DeviceSession session(description, {prompter, progress, log, clock, texts});
    ASSERT_EQ(session.load(device), Detection::Identified);
    prompter.messages.clear();

    QString title;
    chooseFileInNextDialog(folder.filePath("window"), &title);  // the dialog adds ".pdf"
    printFrequencySheet(nullptr, session.image(), session.table(), texts, prompter, clock, false);
    EXPECT_EQ(title, "No printer found: save the frequency sheet as a PDF file");
    EXPECT_TRUE(prompter.messages.empty());
    const QString window = folder.filePath("window.pdf");
    const std::string windowText = sheetTextWithoutDate(window);
    EXPECT_TRUE(contains(windowText, "Frequency allocation sheet")) << windowText;
    EXPECT_TRUE(contains(windowText, "Group 1: Receiver")) << windowText;

    QFile image(folder.filePath("device.bin"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(reinterpret_cast<const char*>(device.data()), static_cast<qint64>(device.size()));
    image.close();
    QFile plan(folder.filePath("plan.qvm"));
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    const Bytes planBytes = serializeChannelFile(channelFileFromTable(session.table(), 0));
    plan.write(reinterpret_cast<const char*>(planBytes.data()),
               static_cast<qint64>(planBytes.size()));
    plan.close();

    for (const char* source : {"device.bin", "plan.qvm"}) {
        const QString pdf = folder.filePath(QString(source) + ".pdf");
        printWithTheTool({folder.filePath(source), "-o", pdf}, folder.path());
        EXPECT_EQ(pdfPages(pdf), pdfPages(window)) << source;
        EXPECT_EQ(sheetTextWithoutDate(pdf), windowText) << source;
    }
}

// An existing file is replaced only when the user says so.
TEST(PrintFrequencySheetTest, AnExistingPdfFileIsReplacedOnlyAfterAYes) {
    QTemporaryDir folder;
    const DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    RecordingPrompter prompter;
    NullProgressView progress;
    NullLog log;
    LocalTexts texts;
    texts.setCurrentLanguage(1);
    const SystemClock clock;
    DeviceSession session(description, {prompter, progress, log, clock, texts});
    ASSERT_EQ(session.load(buildFactoryImage(description, "dual group system")),
              Detection::Identified);
    const QString existing = folder.filePath("sheet.pdf");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();

    for (const auto answer : {Prompter::Answer::No, Prompter::Answer::Yes}) {
        prompter.messages.clear();
        prompter.answers = {answer};
        chooseFileInNextDialog(existing);
        printFrequencySheet(nullptr, session.image(), session.table(), texts, prompter, clock,
                            false);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text,
                  "Il file \"" + existing.toStdString() + "\" esiste gi\u00e0. Vuoi sostituirlo?");
        EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QFile written(existing);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll().startsWith("%PDF"), answer == Prompter::Answer::Yes);
    }
}

TEST(PrintFrequencySheetTest, APdfThatCannotBeWrittenIsAFailure) {
    QTemporaryDir folder;
    QFile file(folder.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const LocalTexts texts;
    const ChannelTable table = planWithGroups({4});
    const FrequencySheet sheet(table, texts, "06/12/2026", frequencySheetLogo());
    EXPECT_FALSE(sheet.printToPdf(folder.filePath("file/sheet.pdf")));
    EXPECT_TRUE(sheet.printToPdf(folder.filePath("sheet.pdf")));
}

}  // namespace
}  // namespace quorprog
