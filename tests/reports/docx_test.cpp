// Tests of the .docx layer: tag scanning, placeholders split over runs, packages and table XML.
#include "reports/docx/continuedtable.h"
#include "reports/docx/docxpackage.h"
#include "reports/docx/paragraphsplit.h"
#include "reports/docx/placeholders.h"
#include "reports/docx/tablejoint.h"
#include "reports/docx/tableparts.h"
#include "reports/docx/wordtablexml.h"
#include "reports/docx/xmlscan.h"
#include "support/writtentables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace trellon::docx {
namespace {

namespace fs = std::filesystem;

std::string paragraph(std::string_view runs)
{
    return "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr>" + std::string(runs) + "</w:p>";
}

std::string run(std::string_view text, std::string_view properties = "")
{
    return "<w:r>" + std::string(properties) + "<w:t>" + std::string(text) + "</w:t></w:r>";
}

std::string body(std::string_view content)
{
    return "<?xml version=\"1.0\"?><w:document><w:body>" + std::string(content) + "</w:body></w:document>";
}

std::vector<std::string> textsOf(const std::string& xml)
{
    auto tags = scanTags(xml);
    EXPECT_TRUE(tags.ok()) << (tags ? "" : tags.error().describe());
    std::vector<std::string> texts;
    if (tags) {
        for (const auto& p : paragraphTexts(xml, tags.value()))
            texts.push_back(p.text);
    }
    return texts;
}

std::string filled(const std::string& xml, const PlaceholderValues& values)
{
    auto result = fillPlaceholders(xml, values);
    EXPECT_TRUE(result.ok()) << (result ? "" : result.error().describe());
    return result ? result.value() : std::string();
}

TEST(XmlScan, refusesUnclosedAndMismatchedElements)
{
    EXPECT_FALSE(scanTags("<w:p><w:r></w:p>").ok());
    EXPECT_FALSE(scanTags("<w:p>").ok());
    EXPECT_FALSE(scanTags("<w:p attr=\"x").ok());
    EXPECT_FALSE(scanTags("<w:p><!-- never closed </w:p>").ok());
    EXPECT_TRUE(scanTags("<?xml version=\"1.0\"?><!-- <w:p> --><a b=\"1>2\"><c/></a>").ok());
}

TEST(XmlScan, findsNestedElementsAndTheInnermostAroundARange)
{
    const std::string xml = "<w:tbl><w:tr><w:tc><w:tbl><w:tr><w:tc>x</w:tc></w:tr></w:tbl></w:tc></w:tr></w:tbl>";
    const auto tags = scanTags(xml).value();
    const auto rows = elementsNamed(tags, "w:tr");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(xml.substr(rows[0].begin, rows[0].size()), xml.substr(7, xml.size() - 7 - 8));
    const std::size_t x = xml.find('x');
    const auto inner = enclosingElement(tags, {x, x + 1}, "w:tr");
    ASSERT_TRUE(inner);
    EXPECT_EQ(xml.substr(inner->begin, inner->size()), "<w:tr><w:tc>x</w:tc></w:tr>");
    EXPECT_FALSE(enclosingElement(tags, {x, x + 1}, "w:p"));
}

TEST(XmlScan, escapesMarkupAndDropsCharactersXmlCannotHold)
{
    EXPECT_EQ(escapeXml("a<b>&\"c\"\x01\x1f\tok\n"), "a&lt;b&gt;&amp;&quot;c&quot;\tok\n");
    EXPECT_EQ(unescapeXml("&lt;&amp;&gt;&quot;&apos;&#20013;&#x6587;&bogus;&#xZZ;"), "<&>\"'中文&bogus;&#xZZ;");
}

TEST(Placeholders, areReplacedWhenAnEditorSplitsThemOverRuns)
{
    const std::string xml =
        body(paragraph(run("编号：{") + "<w:proofErr w:type=\"spellStart\"/>" +
                       run("{report", "<w:rPr><w:b/></w:rPr>") + "<w:bookmarkStart/>" + run("Number}") + run("}。")));
    const std::string out = filled(xml, {{"reportNumber", "R-7"}});
    EXPECT_EQ(textsOf(out), std::vector<std::string>{"编号：R-7。"});
    // The value takes the run of the placeholder's first character; the others keep their own text.
    EXPECT_NE(out.find("编号：R-7</w:t>"), std::string::npos) << out;
    EXPECT_NE(out.find("<w:proofErr w:type=\"spellStart\"/>"), std::string::npos);
}

TEST(Placeholders, fillSeveralPerParagraphAndLeaveUnknownOnesAlone)
{
    const std::string xml =
        body(paragraph(run("{{a}}-{{unknown}}-{{b}}{{a}}")) + paragraph(run("{{b")) + paragraph(run("}}")));
    const std::string out = filled(xml, {{"a", "1"}, {"b", "2"}});
    // A placeholder never spans paragraphs.
    EXPECT_EQ(textsOf(out), (std::vector<std::string>{"1-{{unknown}}-21", "{{b", "}}"}));
}

TEST(Placeholders, valuesAreEscapedAndTheirLineBreaksBecomeBreaks)
{
    const std::string xml = body(paragraph(run("[{{v}}]")));
    const std::string out = filled(xml, {{"v", "<&>\nsecond"}});
    EXPECT_NE(out.find("[&lt;&amp;&gt;</w:t><w:br/><w:t xml:space=\"preserve\">second]"), std::string::npos) << out;
    EXPECT_TRUE(scanTags(out).ok());
}

TEST(Placeholders, insertedTextIsNotSearchedAgain)
{
    const std::string xml = body(paragraph(run("{{a}}{{b}}")));
    EXPECT_EQ(textsOf(filled(xml, {{"a", "{{b}}"}, {"b", "x"}})), std::vector<std::string>{"{{b}}x"});
}

TEST(Placeholders, aTextBoxParagraphKeepsItsOwnText)
{
    const std::string box = "<w:r><w:txbxContent>" + paragraph(run("{{in")) + "</w:txbxContent></w:r>";
    const std::string xml = body(paragraph(run("{{out}}") + box + run("ner}}")));
    EXPECT_EQ(textsOf(filled(xml, {{"out", "O"}, {"inner", "I"}})), (std::vector<std::string>{"Oner}}", "{{in"}));
}

TEST(Placeholders, elementAroundTheFirstParagraphHoldingAText)
{
    const std::string row = "<w:tr><w:tc>" + paragraph(run("{{row.") + run("x}}")) + "</w:tc></w:tr>";
    const std::string xml = body(paragraph(run("before")) + "<w:tbl>" + row + "</w:tbl>");
    const auto found = findElementAround(xml, "{{row.", "w:tr");
    ASSERT_TRUE(found.ok());
    ASSERT_TRUE(found.value());
    EXPECT_EQ(xml.substr(found.value()->begin, found.value()->size()), row);
    EXPECT_FALSE(findElementAround(xml, "{{none", "w:tr").value());
    EXPECT_FALSE(findElementAround("<w:p>", "x", "w:p").ok());
}

std::string split(const std::string& xml, std::size_t paragraph)
{
    auto result = splitParagraphAround(xml, paragraph, "{{m}}", "<w:tbl/>");
    EXPECT_TRUE(result.ok()) << (result ? "" : result.error().describe());
    return result ? result.value() : std::string();
}

TEST(ParagraphSplit, whatSurroundsTheMarkKeepsItsSideOfTheBlock)
{
    // An editor that saves a page break before the next paragraph as a break at the end of this one.
    const std::string breakAtEnd =
        body(paragraph(run("x")) + "<w:p w14:paraId=\"1\"><w:pPr><w:pageBreakBefore/><w:jc w:val=\"left\"/></w:pPr>" +
             run("{{m}}") + "<w:r><w:br w:type=\"page\"/></w:r></w:p>" + paragraph(run("y")));
    EXPECT_EQ(split(breakAtEnd, 1),
              body(paragraph(run("x")) +
                   "<w:p w14:paraId=\"1\"><w:pPr><w:pageBreakBefore/><w:jc w:val=\"left\"/></w:pPr><w:r><w:t>"
                   "</w:t></w:r></w:p><w:tbl/><w:p><w:pPr><w:jc w:val=\"left\"/></w:pPr><w:r>"
                   "<w:t xml:space=\"preserve\"></w:t></w:r><w:r><w:br w:type=\"page\"/></w:r></w:p>" +
                   paragraph(run("y"))));

    const std::string text = body(paragraph(run("前{{m}}后", "<w:rPr><w:b/></w:rPr>")));
    const std::string out = split(text, 0);
    EXPECT_EQ(textsOf(out), (std::vector<std::string>{"前", "后"}));
    EXPECT_NE(out.find("</w:p><w:tbl/><w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:r><w:rPr><w:b/></w:rPr>"
                       "<w:t xml:space=\"preserve\">后</w:t>"),
              std::string::npos)
        << out;
}

TEST(ParagraphSplit, anEmptyRemainderIsLeftOutUnlessItEndsTheSection)
{
    const std::string alone = body(paragraph(run("{{m}}")));
    EXPECT_EQ(split(alone, 0), body(paragraph("<w:r><w:t></w:t></w:r>") + "<w:tbl/>"));

    const std::string sectionEnd =
        body("<w:p><w:pPr><w:sectPr><w:titlePg/></w:sectPr></w:pPr>" + run("{{m}}") + "</w:p>");
    const std::string out = split(sectionEnd, 0);
    EXPECT_EQ(out.find("<w:sectPr>"), out.rfind("<w:sectPr>"));
    EXPECT_GT(out.find("<w:sectPr>"), out.find("<w:tbl/>"));

    EXPECT_FALSE(splitParagraphAround(alone, 1, "{{m}}", "").ok());
    EXPECT_FALSE(splitParagraphAround(body(paragraph(run("{{n}}"))), 0, "{{m}}", "").ok());
    EXPECT_FALSE(splitParagraphAround("<w:p>", 0, "{{m}}", "").ok());
}

class ScratchDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-docx-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

using DocxPackageTest = ScratchDir;

TEST_F(DocxPackageTest, writesPartsThatReadBackInOrder)
{
    DocxPackage package;
    package.setPart("[Content_Types].xml", "<Types/>");
    package.setPart("word/document.xml", std::string(100000, 'x'));
    package.setPart("word/document.xml", "<w:document>中文</w:document>");
    package.setPart("word/_rels/document.xml.rels", "");
    const std::string path = (dir_ / "out.docx").string();
    ASSERT_TRUE(package.write(path).ok());

    const auto read = DocxPackage::read(path);
    ASSERT_TRUE(read.ok()) << read.error().describe();
    EXPECT_EQ(read.value().parts(), package.parts());
    EXPECT_EQ(fs::directory_iterator(dir_)->path().filename(), "out.docx"); // no temporary left
}

TEST_F(DocxPackageTest, refusesWhatIsNotAZipArchive)
{
    const auto missing = DocxPackage::read((dir_ / "missing.docx").string());
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, ErrorKind::cannotOpen);

    const fs::path text = dir_ / "text.docx";
    std::ofstream(text) << "not a zip archive, just text long enough to look for a directory";
    const auto notZip = DocxPackage::read(text.string());
    ASSERT_FALSE(notZip.ok());
    EXPECT_EQ(notZip.error().kind, ErrorKind::refused);
}

TEST_F(DocxPackageTest, writingIntoAMissingFolderFails)
{
    DocxPackage package;
    package.setPart("a.xml", "<a/>");
    const Status written = package.write((dir_ / "no-such-folder" / "x.docx").string());
    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST(WordTableXml, rowsAboveTheRepeatedHeadingGoInATableOfTheirOwn)
{
    WordTable table;
    table.columnWidthsPoints = {100, 50};
    TableRow lead;
    lead.cells.push_back({2, VerticalMerge::none, false, {{"title", 14, Alignment::justified}}});
    TableRow heading;
    heading.repeatsOnEveryPage = true;
    heading.cells.push_back({1, VerticalMerge::first, true, {{"a", 12, Alignment::centred}}});
    heading.cells.push_back({1, VerticalMerge::none, false, {{"b", 12, Alignment::centred}}});
    TableRow body;
    body.minimumHeightPoints = 70;
    body.cells.push_back({1, VerticalMerge::continued, true, {}});
    body.cells.push_back({});
    table.rows = {lead, heading, body};

    const std::string xml = wordTableXml(table);
    const std::string wrapped = "<x>" + xml + "</x>";
    const auto tags = scanTags(wrapped);
    ASSERT_TRUE(tags.ok());
    const auto tables = elementsNamed(tags.value(), "w:tbl");
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(elementsNamed(tags.value(), "w:tr").size(), 3u);
    // Every cell holds a paragraph, the merged continuation cell and the empty one too.
    EXPECT_EQ(elementsNamed(tags.value(), "w:tc").size(), 5u);
    EXPECT_EQ(elementsNamed(tags.value(), "w:p").size(), 5u + 1u);
    // The paragraph between the tables is hidden; the first table is open at the bottom.
    EXPECT_NE(xml.find("</w:tbl><w:p><w:pPr>"), std::string::npos);
    EXPECT_NE(xml.find("<w:vanish/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:bottom w:val=\"nil\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:tcW w:w=\"3000\" w:type=\"dxa\"/><w:gridSpan w:val=\"2\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:trHeight w:val=\"1400\" w:hRule=\"atLeast\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:vMerge w:val=\"restart\"/><w:vAlign w:val=\"center\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:vMerge/>"), std::string::npos);
    EXPECT_EQ(xml.find("<w:tblHeader/>"), xml.rfind("<w:tblHeader/>")); // the heading row only
    EXPECT_NE(xml.find("<w:jc w:val=\"both\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:sz w:val=\"28\"/>"), std::string::npos);

    table.rows.front().repeatsOnEveryPage = true;
    const std::string single = wordTableXml(table);
    EXPECT_EQ(elementsNamed(scanTags(single).value(), "w:tbl").size(), 1u);
}

// Rows in groups of the given sizes, each row holding its index as text.
std::vector<TableRow> groupedRows(const std::vector<std::size_t>& groupSizes)
{
    std::vector<TableRow> rows;
    for (const std::size_t size : groupSizes) {
        for (std::size_t r = 0; r < size; ++r) {
            TableRow row;
            row.keepsWithRowAbove = r > 0;
            row.cells.push_back({1, VerticalMerge::none, false, {{std::to_string(rows.size()), 12, Alignment::left}}});
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<std::size_t> partSizes(const std::vector<TableRow>& rows, std::size_t maxRows)
{
    std::vector<std::size_t> sizes;
    const TableRow* next = rows.data();
    for (const auto part : cutIntoParts(rows, maxRows)) {
        EXPECT_EQ(part.data(), next) << "parts must follow each other";
        next = part.data() + part.size();
        sizes.push_back(part.size());
    }
    EXPECT_EQ(next, rows.data() + rows.size()) << "parts must cover every row";
    return sizes;
}

TEST(TableParts, groupsStayWholeAndEachPartTakesAsManyAsFit)
{
    using Sizes = std::vector<std::size_t>;
    EXPECT_EQ(partSizes(groupedRows({3, 2, 4, 1, 5}), 5), (Sizes{5, 5, 5}));
    EXPECT_EQ(partSizes(groupedRows({3, 3, 3}), 5), (Sizes{3, 3, 3}));
    EXPECT_EQ(partSizes(groupedRows({1, 1, 1, 1, 1, 1, 1}), 3), (Sizes{3, 3, 1}));
    EXPECT_EQ(partSizes(groupedRows({2, 2}), 100), (Sizes{4}));
    EXPECT_TRUE(cutIntoParts({}, 5).empty());
}

TEST(TableParts, aGroupLongerThanThePartStartsOneAndIsCutEveryMaxRows)
{
    using Sizes = std::vector<std::size_t>;
    EXPECT_EQ(partSizes(groupedRows({2, 7, 1}), 3), (Sizes{2, 3, 3, 2}));
    EXPECT_EQ(partSizes(groupedRows({6, 6}), 3), (Sizes{3, 3, 3, 3}));
    EXPECT_EQ(partSizes(groupedRows({4}), 0), (Sizes{1, 1, 1, 1}));
    // A first row that claims to keep with a row above has none: it still starts the first part.
    std::vector<TableRow> rows = groupedRows({2, 2});
    rows.front().keepsWithRowAbove = true;
    EXPECT_EQ(partSizes(rows, 3), (Sizes{2, 2}));
}

std::vector<testing::WrittenTable> writtenTables(const std::string& tableXml)
{
    return testing::writtenTables("<x>" + tableXml + "</x>");
}

TEST(WordTableXml, aLongTableIsWrittenAsTablesEachStartingWithTheRepeatedRows)
{
    WordTable table;
    table.columnWidthsPoints = {100};
    TableRow lead;
    lead.cells.push_back({1, VerticalMerge::none, false, {{"title", 14, Alignment::left}}});
    TableRow heading;
    heading.repeatsOnEveryPage = true;
    heading.cells.push_back({1, VerticalMerge::none, false, {{"heading", 12, Alignment::left}}});
    table.rows = {lead, heading, heading};
    for (TableRow& row : groupedRows({2, 3, 1, 2}))
        table.rows.push_back(std::move(row));

    const std::string xml = wordTableXml(table, 4);
    const auto tables = writtenTables(xml);
    ASSERT_EQ(tables.size(), 4u);
    ASSERT_EQ(tables[0].size(), 1u);
    EXPECT_EQ(tables[0][0].cells, std::vector<std::string>{"title"});
    const std::vector<std::vector<std::string>> bodies = {{"0", "1"}, {"2", "3", "4", "5"}, {"6", "7"}};
    for (std::size_t t = 1; t < tables.size(); ++t) {
        ASSERT_EQ(tables[t].size(), 2 + bodies[t - 1].size()) << "table " << t;
        for (std::size_t r = 0; r < tables[t].size(); ++r) {
            EXPECT_EQ(tables[t][r].repeats, r < 2) << "table " << t << " row " << r;
            EXPECT_EQ(tables[t][r].cells.at(0), r < 2 ? "heading" : bodies[t - 1][r - 2]);
        }
    }

    // Each joint is a hidden paragraph. The section table is open at the bottom above a full rule; where parts of
    // the body meet, each side has a quarter-point rule; the last part is closed.
    const std::string hidden = "<w:rPr><w:vanish/>";
    const std::string quarter = "w:val=\"single\" w:sz=\"2\"";
    std::vector<std::string> borders;
    for (std::size_t at = 0; (at = xml.find("<w:tblBorders>", at)) != std::string::npos; ++at)
        borders.push_back(xml.substr(at, xml.find("</w:tblBorders>", at) - at));
    ASSERT_EQ(borders.size(), 4u);
    EXPECT_NE(borders[0].find("<w:bottom w:val=\"nil\"/>"), std::string::npos);
    EXPECT_NE(borders[1].find("<w:top w:val=\"single\" w:sz=\"4\""), std::string::npos);
    EXPECT_NE(borders[1].find("<w:bottom " + quarter), std::string::npos);
    EXPECT_NE(borders[2].find("<w:top " + quarter), std::string::npos);
    EXPECT_NE(borders[2].find("<w:bottom " + quarter), std::string::npos);
    EXPECT_NE(borders[3].find("<w:top " + quarter), std::string::npos);
    EXPECT_NE(borders[3].find("<w:bottom w:val=\"single\" w:sz=\"4\""), std::string::npos);
    std::size_t joints = 0;
    for (std::size_t at = 0; (at = xml.find("</w:tbl><w:p><w:pPr>", at)) != std::string::npos; ++at) {
        EXPECT_NE(xml.find(hidden, at), std::string::npos);
        ++joints;
    }
    EXPECT_EQ(joints, 3u);
}

TEST(WordTableXml, repeatedRowsWithoutBodyMakeOneTableAndNoRowsNone)
{
    WordTable table;
    table.columnWidthsPoints = {100};
    TableRow heading;
    heading.repeatsOnEveryPage = true;
    table.rows = {heading};
    EXPECT_EQ(writtenTables(wordTableXml(table, 4)).size(), 1u);
    table.rows.clear();
    EXPECT_EQ(wordTableXml(table, 4), "");
    // Without repeated rows the rows are still cut, into tables of their own.
    table.rows = groupedRows({3, 3});
    const auto tables = writtenTables(wordTableXml(table, 4));
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[1].front().cells.at(0), "3");
}

std::string cellRow(std::string_view text)
{
    return "<w:tr><w:tc><w:p>" + run(text) + "</w:p></w:tc></w:tr>";
}

TEST(ContinuedTable, eachPartStartsAsTheTemplateTableAndOnlyTheLastEndsAsIt)
{
    const std::string start = "<w:tbl><w:tblPr><w:tblBorders><w:top w:val=\"single\" w:sz=\"8\"/><w:left/>"
                              "<w:bottom w:val=\"double\"></w:bottom></w:tblBorders></w:tblPr><w:tblGrid/>" +
                              cellRow("head");
    const std::string xml = "<w:body>" + start + cellRow("{{row}}") + cellRow("note") + "</w:tbl></w:body>";
    const auto tags = scanTags(xml).value();
    const XmlRange table = elementsNamed(tags, "w:tbl").at(0);
    const XmlRange replaced = elementsNamed(tags, "w:tr").at(1);
    std::vector<std::string> rows;
    for (int r = 0; r < 5; ++r)
        rows.push_back(cellRow("r" + std::to_string(r)));

    const std::string out = continuedTableXml(xml, tags, table, replaced, rows, 2);
    const auto tables = writtenTables(out);
    ASSERT_EQ(tables.size(), 3u);
    const std::vector<std::vector<std::string>> texts = {
        {"head", "r0", "r1"}, {"head", "r2", "r3"}, {"head", "r4", "note"}};
    for (std::size_t t = 0; t < tables.size(); ++t) {
        std::vector<std::string> cells;
        for (const auto& row : tables[t])
            cells.push_back(row.cells.at(0));
        EXPECT_EQ(cells, texts[t]);
    }
    // The template's own borders outside, quarter-point rules where the tables meet, hidden paragraphs between.
    const std::string quarterTop = "<w:top w:val=\"single\" w:sz=\"2\"";
    const std::string quarterBottom = "<w:bottom w:val=\"single\" w:sz=\"2\"";
    const std::size_t second = out.find("<w:tbl>", 1);
    const std::size_t third = out.find("<w:tbl>", second + 1);
    EXPECT_EQ(out.find("<w:top w:val=\"single\" w:sz=\"8\"/>"), start.find("<w:top"));
    EXPECT_LT(out.find(quarterBottom), second);
    EXPECT_EQ(out.find(quarterTop), out.find("<w:top", second));
    EXPECT_EQ(out.rfind(quarterBottom), out.find("<w:bottom", second));
    EXPECT_EQ(out.rfind(quarterTop), out.find("<w:top", third));
    EXPECT_EQ(out.find("<w:bottom w:val=\"double\"></w:bottom>"), out.find("<w:bottom", third));
    const std::string joint = "</w:tbl>" + jointParagraphXml();
    EXPECT_EQ(out.find(joint), second - joint.size());
    EXPECT_EQ(out.rfind(joint), third - joint.size());

    // Without rows the table loses its cloned row; without borders there are none to join.
    EXPECT_EQ(continuedTableXml(xml, tags, table, replaced, {}, 2), start + cellRow("note") + "</w:tbl>");
    const std::string plain = "<w:tbl><w:tblPr/>" + cellRow("{{row}}") + "</w:tbl>";
    const auto plainTags = scanTags(plain).value();
    const std::string parts = continuedTableXml(plain, plainTags, elementsNamed(plainTags, "w:tbl").at(0),
                                                elementsNamed(plainTags, "w:tr").at(0), rows, 4);
    EXPECT_EQ(writtenTables(parts).size(), 2u);
    EXPECT_EQ(parts.find("Borders"), std::string::npos);
}

} // namespace
} // namespace trellon::docx
