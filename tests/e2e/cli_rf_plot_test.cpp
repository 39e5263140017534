// quorprog-cli spectrum: the picture of a group as SVG, PNG and PDF files, drawn offscreen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "files/channel_file.h"

namespace quorprog {
namespace {

using ::testing::StartsWith;

// Elements drawn in a colour (the stroke of their group), counted over the whole document;
// nothing when the SVG does not parse as XML.
std::optional<int> strokedShapes(const Bytes& svg, const QString& colour) {
    QXmlStreamReader reader(asQBytes(svg));
    std::vector<bool> inColour{false};
    int shapes = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto stroke = reader.attributes().value("stroke");
            inColour.push_back(stroke.isEmpty() ? inColour.back() : stroke == colour);
            const auto name = reader.name();
            if (inColour.back() && (name == u"polyline" || name == u"path" || name == u"line"))
                ++shapes;
        } else if (reader.isEndElement()) {
            inColour.pop_back();
        }
    }
    if (reader.hasError()) return std::nullopt;
    return shapes;
}

// Width and height from a PNG's header; nothing without the PNG signature.
std::optional<std::pair<uint32_t, uint32_t>> pngSize(const Bytes& png) {
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (png.size() < 24 || !std::equal(signature.begin(), signature.end(), png.begin()))
        return std::nullopt;
    const auto word = [&](size_t at) {
        return uint32_t{png[at]} << 24 | uint32_t{png[at + 1]} << 16 | uint32_t{png[at + 2]} << 8 |
               png[at + 3];
    };
    return std::pair{word(16), word(20)};
}

// Group 0 holds 469000, 470400 and 471850 kHz: the first and the last take an IM3 product of
// the other two 50 kHz away; 470400 is free.
class CliSpectrumTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        ChannelFile plan = shiftedPlan(0);
        plan.groups[0].frequencies = {469000, 0, 470400, 471850};
        plan.groups[0].subtoneCodes.assign(4, 0);
        writeFile("plan.qvm", serializeChannelFile(plan));
    }
};

TEST_F(CliSpectrumTest, DrawsTheGroupAsSvgPngAndPdf) {
    const QString red = "#d01010";   // a conflicting channel, and its legend entry
    const QString blue = "#1f4eb4";  // a channel without conflict, and its legend entry
    const struct {
        QStringList options;
        int redShapes;
        int blueShapes;
    } rows[] = {
        {{}, 3, 2},
        {{"--im3", "0"}, 1, 4},  // no product counts: every channel is free
        // TV channel 21 (470–478 MHz) holds 470400 and 471850; a scan peak sits on 470400.
        {{"--exclude-tv", "eu:21"}, 4, 1},
        {{"--scan", path("scan.csv")}, 4, 1},
        {{"--scan", path("scan.csv"), "--threshold", "-40"}, 3, 2},
        {{"--language", "it", "--with", "475000"}, 3, 2},
    };
    const char scan[] = "frequency_mhz level_dbm\n470.38 -98\n470.40 -50\n470.42 -97\n";
    writeFile("scan.csv", Bytes(scan, scan + sizeof scan - 1));
    for (const auto& row : rows) {
        const CliRun svg =
            run(QStringList{"spectrum", path("plan.qvm"), "--group", "0", "-o", path("out.svg")} +
                row.options);
        ASSERT_EQ(svg.status, 0) << svg.err;
        const Bytes bytes = readFile("out.svg");
        EXPECT_EQ(strokedShapes(bytes, red), row.redShapes) << row.options.join(' ').toStdString();
        EXPECT_EQ(strokedShapes(bytes, blue), row.blueShapes)
            << row.options.join(' ').toStdString();
    }
    const std::string italian = [&] {
        const Bytes bytes = readFile("out.svg");
        return std::string(bytes.begin(), bytes.end());
    }();
    EXPECT_THAT(italian, ::testing::HasSubstr("canale in conflitto"));

    const CliRun png =
        run({"spectrum", path("plan.qvm"), "--size", "640x300", "-o", path("out.PNG")});
    ASSERT_EQ(png.status, 0) << png.err;
    EXPECT_EQ(pngSize(readFile("out.PNG")), (std::pair<uint32_t, uint32_t>{640, 300}));
    ASSERT_EQ(run({"spectrum", path("plan.qvm"), "-o", path("out.pdf")}).status, 0);
    const Bytes pdf = readFile("out.pdf");
    EXPECT_THAT(std::string(pdf.begin(), pdf.end()), StartsWith("%PDF-"));

    const CliRun absent = run({"spectrum", path("plan.qvm"), "--group", "9", "-o", path("x.svg")});
    EXPECT_EQ(absent.status, 1);
    EXPECT_FALSE(QFile::exists(path("x.svg")));
}

}  // namespace
}  // namespace quorprog
