// Diagrams and printed pages recorded with their text boxes: no text is printed over another.
#include "pagerecorder.h"

#include "model/barcounts.h"
#include "model/projectfixtures.h"
#include "model/testmode.h"
#include "views/griddiagram.h"
#include "views/printedpages.h"
#include "views/sectiondiagram.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace trellon {
namespace {

using testing::PageRecorder;

std::string joined(const std::vector<QString>& texts)
{
    return QStringList(texts.begin(), texts.end()).join(QStringLiteral("; ")).toStdString();
}

// Texts mixing scripts are recorded in pieces, one for each font that draws them.
bool hasTextContaining(const PageRecorder& page, const QString& piece)
{
    return std::any_of(page.texts.begin(), page.texts.end(), [&](const auto& t) { return t.text.contains(piece); });
}

std::unique_ptr<PageRecorder> recordPage(const Project& project, int page)
{
    auto recorder = std::make_unique<PageRecorder>();
    QPainter painter(recorder.get());
    PrintedPages(project, {}).paintPage(painter, page);
    return recorder;
}

template <typename Paint> std::unique_ptr<PageRecorder> recordDiagram(Paint paint)
{
    auto recorder = std::make_unique<PageRecorder>();
    QPainter painter(recorder.get());
    paint(painter);
    return recorder;
}

std::vector<std::int32_t> positionBytes(int position)
{
    const EncodedPosition encoded = encodePosition(position);
    return {encoded.high, encoded.low};
}

// A checked grid member of scale code `scaleCode` with one X bar and one Y bar at the given positions.
MemberRecord grid(int scaleCode, int xPosition, int yPosition)
{
    std::vector<std::int32_t> samples{170, scaleCode, 20};
    for (int byte : positionBytes(xPosition))
        samples.push_back(byte);
    samples.insert(samples.end(), {187, 187, 187, 25});
    for (int byte : positionBytes(yPosition))
        samples.push_back(byte);
    MemberRecord m = testing::member("3001", samples, "G");
    recountBars(m);
    m.checked = 1;
    return m;
}

// A checked section member whose bars all lie at `position`.
MemberRecord section(int bars, int position)
{
    std::vector<std::int32_t> samples{170, 4};
    for (int k = 0; k < bars; ++k) {
        samples.push_back(30);
        for (int byte : positionBytes(position))
            samples.push_back(byte);
    }
    MemberRecord m = testing::member("4001", samples, "S");
    m.xBarCount = bars;
    m.checked = 1;
    return m;
}

MemberRecord single(std::string number, int readings)
{
    MemberRecord m = testing::member(std::move(number), std::vector<std::int32_t>(readings, 25), "L");
    m.checked = 1;
    return m;
}

// Figures far wider than the instrument ever sends.
MemberRecord withWideFigures(MemberRecord m)
{
    m.knownDiameter = 99999;
    m.designDiameter = 99999;
    m.designCover = 99999;
    m.lowerDeviation = -99999;
    m.upperDeviation = 99999;
    m.minCover = -99999;
    m.maxCover = 99999;
    m.barDiameter = 99999;
    return m;
}

TEST(TextClearance, gridDiagramSideCaptionClearsTheTickLabels)
{
    // Labels up to 2000 (scale code 3) and, beside the caption, of five digits (scale code 4, span count 15).
    for (const MemberRecord& member : {grid(3, 100, 1500), grid(4, 100, 30000)}) {
        for (const QSize size : {QSize(600, 400), QSize(800, 300), QSize(1200, 900)}) {
            const auto diagram = recordDiagram(
                [&](QPainter& painter) { paintGridDiagram(painter, QRect(QPoint(0, 0), size), &member); });
            EXPECT_EQ(joined(diagram->overlappingTexts()), "") << size.width() << " " << member.sampleAt(1);
        }
        const auto page = recordPage(testing::projectOf({member}), 1);
        ASSERT_TRUE(hasTextContaining(*page, QStringLiteral("方向钢筋位置")));
        EXPECT_EQ(joined(page->overlappingTexts()), "") << member.sampleAt(1);
    }
}

// The lines and frame edges drawn through a text's box, as "text / what".
std::vector<QString> struckThrough(const PageRecorder& diagram, const PageRecorder::Text& text)
{
    constexpr double margin = 0.5;
    const QRectF inside = text.box.adjusted(margin, margin, -margin, -margin);
    std::vector<QString> found;
    for (const QLineF& line : diagram.lines) {
        if (QRectF(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin).intersects(inside))
            found.push_back(text.text + QStringLiteral(" / line"));
    }
    for (const PageRecorder::Rect& rect : diagram.rects) {
        const double left = rect.rect.left();
        if (rect.outlined && left > inside.left() && left < inside.right())
            found.push_back(text.text + QStringLiteral(" / frame"));
    }
    return found;
}

TEST(TextClearance, gridDiagramAxisLabelsStandClearOfTheTicksAndTheFrame)
{
    for (const MemberRecord& member : {grid(1, 100, 150), grid(3, 100, 1500), grid(4, 100, 30000)}) {
        const auto diagram =
            recordDiagram([&](QPainter& painter) { paintGridDiagram(painter, QRect(0, 0, 700, 500), &member); });
        std::vector<QString> struck;
        int labels = 0;
        for (const PageRecorder::Text& text : diagram->texts) {
            bool number = false;
            text.text.toInt(&number);
            if (!number)
                continue;
            ++labels;
            for (const QString& found : struckThrough(*diagram, text))
                struck.push_back(found);
        }
        EXPECT_EQ(labels, 22) << "11 on each axis";
        EXPECT_EQ(joined(struck), "") << member.sampleAt(1);
    }
}

TEST(TextClearance, sideCaptionsStandTheirChineseCharactersUprightOneBelowTheOther)
{
    const MemberRecord gridMember = grid(1, 100, 150);
    const MemberRecord sectionMember = section(3, 300);
    const std::pair<QString, std::function<void(QPainter&)>> diagrams[] = {
        {QStringLiteral("方向钢筋位置"),
         [&](QPainter& painter) { paintGridDiagram(painter, QRect(0, 0, 700, 500), &gridMember); }},
        {QStringLiteral("保护层厚度"),
         [&](QPainter& painter) { paintSectionDiagram(painter, QRect(0, 0, 700, 500), &sectionMember); }},
    };
    for (const auto& [characters, paint] : diagrams) {
        const auto diagram = recordDiagram(paint);
        std::optional<QRectF> above;
        for (const QChar character : characters) {
            const auto cells = diagram->textsEqualTo(QString(character));
            ASSERT_EQ(cells.size(), 1u) << QString(character).toStdString() << " drawn on its own";
            const QRectF cell = cells.front().box;
            EXPECT_LT(cell.width(), 20) << "one character wide";
            if (above) {
                EXPECT_LE(cell.top(), above->bottom() + 0.5) << "below the one before, clear of it";
                EXPECT_DOUBLE_EQ(cell.center().x(), above->center().x()) << "in one column";
            }
            above = cell;
        }
        EXPECT_EQ(joined(diagram->overlappingTexts()), "");
    }
}

TEST(TextClearance, sectionDiagramSideCaptionClearsTheDepthLabels)
{
    const MemberRecord member = section(3, 800);
    const auto diagram =
        recordDiagram([&](QPainter& painter) { paintSectionDiagram(painter, QRect(0, 0, 600, 400), &member); });
    EXPECT_EQ(joined(diagram->overlappingTexts()), "");
    for (int bars : {3, 20, 50}) {
        const auto page = recordPage(testing::projectOf({section(bars, 800)}), 1);
        ASSERT_TRUE(hasTextContaining(*page, QStringLiteral("保护层厚度")));
        EXPECT_EQ(joined(page->overlappingTexts()), "") << bars;
    }
}

TEST(TextClearance, wideFiguresPushTheirNeighboursAlong)
{
    MemberRecord known = withWideFigures(single("1001", 12));
    known.samples[0] = 99999;
    MemberRecord measured = withWideFigures(single("2001", 24));
    measured.samples[1] = 99999;
    const auto list = recordPage(testing::projectOf({known, measured}), 1);
    ASSERT_TRUE(list->hasText(QStringLiteral("99999")));
    EXPECT_EQ(joined(list->overlappingTexts()), "");

    MemberRecord wideSection = withWideFigures(section(15, 65535));
    const auto sectionPage = recordPage(testing::projectOf({wideSection}), 1);
    ASSERT_TRUE(sectionPage->hasText(QStringLiteral("65535")));
    EXPECT_EQ(joined(sectionPage->overlappingTexts()), "");

    MemberRecord wideGrid = withWideFigures(grid(4, 65535, 65535));
    wideGrid.knownDiameter = -2147483647;
    const auto gridPage = recordPage(testing::projectOf({wideGrid}), 1);
    ASSERT_TRUE(gridPage->hasText(QStringLiteral("65535")));
    EXPECT_EQ(joined(gridPage->overlappingTexts()), "");
}

TEST(TextClearance, onlyTextsReachedByTheTextBeforeThemMove)
{
    MemberRecord m = single("1001", 12);
    m.knownDiameter = 20;
    m.designCover = 25;
    m.lowerDeviation = 0;
    m.upperDeviation = 5;
    m.minCover = 17;
    m.maxCover = 33;
    const auto page = recordPage(testing::projectOf({m}), 1);
    const auto at = [&](const QString& text, double x) {
        const auto found = page->textsEqualTo(text);
        return std::any_of(found.begin(), found.end(), [&](const auto& t) { return t.topLeft.x() == x; });
    };
    for (const auto& [x, text] : std::vector<std::pair<int, QString>>{{8100, QStringLiteral("20")},
                                                                      {8400, QStringLiteral("mm")},
                                                                      {2100, QStringLiteral("25")},
                                                                      {2400, QStringLiteral("mm")},
                                                                      {9200, QStringLiteral("0")},
                                                                      {9400, QStringLiteral("(")},
                                                                      {9600, QStringLiteral("5")},
                                                                      {9800, QStringLiteral(")")},
                                                                      {10000, QStringLiteral("mm")},
                                                                      {8700, QStringLiteral("17")},
                                                                      {9000, QStringLiteral("(")},
                                                                      {9200, QStringLiteral("33")}})
        EXPECT_TRUE(at(text, x)) << text.toStdString() << " at " << x;

    // "33" is wider than the 200 twips before ")": the bracket follows right after it.
    const auto maxCover = page->textsEqualTo(QStringLiteral("33"));
    ASSERT_EQ(maxCover.size(), 1u);
    EXPECT_GT(maxCover[0].box.right(), 9400);
    EXPECT_TRUE(at(QStringLiteral(")"), maxCover[0].box.right()));
    EXPECT_TRUE(at(QStringLiteral("mm"), 9600));
}

} // namespace
} // namespace trellon
