// List pages: member lines and reading tables in line slots.
#include "listpages.h"

#include "pagecanvas.h"
#include "textrow.h"

#include "evaluation/coverjudgement.h"
#include "model/gbk.h"
#include "model/pagecount.h"
#include "model/testmode.h"

#include <QFontMetrics>

#include <algorithm>
#include <optional>

namespace trellon {

namespace {

constexpr int firstPageTop = -1900;
constexpr int laterPageTop = -1100;
constexpr int textLeft = 900;
constexpr int labelRight = 1900;
constexpr int tableRight = 10400;
constexpr int cellWidth = 850;
constexpr int cellTextLeft = 2200;
constexpr int cellTextDrop = 50;
// Width a cell's text may take, keeping clear of the cell's right rule.
constexpr int cellTextRoom = cellWidth - (cellTextLeft - labelRight) - 40;
constexpr int labelDrop = 100;
constexpr int cellsPerRow = 10;

QString number(std::int64_t value)
{
    return QString::number(value);
}

QString fromGbk(const std::string& text)
{
    return QString::fromStdString(gbkToUtf8(text));
}

QString passMark(const MemberRecord& member, std::int32_t cover)
{
    return isWithinTolerance(member, cover) ? QStringLiteral("√") : QStringLiteral("×");
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

// The line slots of one page, taken in order over the whole list run.
class SlotRun {
public:
    SlotRun(std::int64_t page, int height)
        : first_(firstLineSlotOfPage(page)), last_(lastLineSlotOfPage(page)), y_(firstSlotTop(page)), height_(height)
    {
    }

    // Takes the next slot; its top when the page shows it.
    std::optional<int> take()
    {
        const std::int64_t slot = next_++;
        if (slot < first_ || slot > last_)
            return std::nullopt;
        const int top = y_;
        y_ -= height_;
        return top;
    }
    // Takes `count` slots at once when all of them lie before the page.
    bool skipBeforePage(std::int64_t count)
    {
        if (next_ + count > first_)
            return false;
        next_ += count;
        return true;
    }
    // Leaves the slots up to `slot` empty.
    void skipTo(std::int64_t slot)
    {
        while (next_ < slot)
            take();
    }
    std::int64_t next() const { return next_; }
    bool full() const { return next_ > last_; }
    int height() const { return height_; }

private:
    std::int64_t next_ = 0;
    std::int64_t first_;
    std::int64_t last_;
    int y_;
    int height_;
};

// One table row: ruled cells with the label on the left, `cell(k)` in cell k.
template <typename Cell> void drawTableRow(PageCanvas& canvas, int top, int height, const QString& label, Cell cell)
{
    const int bottom = top - height;
    canvas.setPen(PageCanvas::solidPen(1));
    canvas.drawLine(textLeft, top, tableRight, top);
    canvas.drawLine(textLeft, top, textLeft, bottom);
    canvas.setPen(PageCanvas::defaultPen());
    for (int k = 0; k <= cellsPerRow; ++k) {
        const int x = labelRight + cellWidth * k;
        canvas.drawLine(x, top, x, bottom);
    }
    for (int k = 0; k < cellsPerRow; ++k) {
        const QString text = cell(k);
        if (!text.isEmpty())
            canvas.drawTextWithin(cellTextLeft + cellWidth * k, top - cellTextDrop, cellTextRoom, text);
    }
    canvas.drawText(PageBox{textLeft, top - labelDrop, labelRight, bottom}, Qt::AlignHCenter | Qt::AlignTop, label);
    canvas.drawLine(textLeft, bottom, tableRight, bottom);
}

void drawRow(PageCanvas& canvas, SlotRun& run, const QString& label, auto cell)
{
    if (const auto top = run.take())
        drawTableRow(canvas, *top, run.height(), label, cell);
}

void drawNoReadingsLine(PageCanvas& canvas, SlotRun& run)
{
    if (const auto top = run.take())
        canvas.drawText(textLeft, *top, QStringLiteral("   该工程测点数为零"));
}

void paintKnownDiameterMember(PageCanvas& canvas, SlotRun& run, const MemberRecord& m)
{
    if (const auto y = run.take()) {
        TextRow(canvas, *y)
            .add(900, QStringLiteral("工程名称(编号):"))
            .add(2700, fromGbk(m.name) + QLatin1Char('(') + fromGbk(m.number) + QLatin1Char(')'))
            .add(6900, QStringLiteral("已知直径:"))
            .add(8100, number(m.knownDiameter))
            .add(8400, QStringLiteral("mm"));
    }
    if (const auto y = run.take()) {
        TextRow(canvas, *y)
            .add(900, QStringLiteral("设计厚度:"))
            .add(2100, number(m.designCover))
            .add(2400, QStringLiteral("mm"))
            .add(6900, QStringLiteral("厚度允许偏差下(上)限:"))
            .add(9200, number(m.lowerDeviation))
            .add(9400, QStringLiteral("("))
            .add(9600, number(m.upperDeviation))
            .add(9800, QStringLiteral(")"))
            .add(10000, QStringLiteral("mm"));
    }
    if (const auto y = run.take()) {
        TextRow(canvas, *y)
            .add(900, QStringLiteral("数据个数:"))
            .add(2100, number(m.sampleCount))
            .add(6900, QStringLiteral("厚度最小(大)值:"))
            .add(8700, number(m.minCover))
            .add(9000, QStringLiteral("("))
            .add(9200, number(m.maxCover))
            .add(9400, QStringLiteral(")"))
            .add(9600, QStringLiteral("mm"));
    }
    if (const auto y = run.take())
        canvas.drawText(900, *y, QStringLiteral("测量结果数据:"));

    const auto n = static_cast<std::int64_t>(m.samples.size());
    if (n == 0)
        drawNoReadingsLine(canvas, run);
    for (std::int64_t b = 0; b < ceilDiv(n, cellsPerRow) && !run.full(); ++b) {
        if (run.skipBeforePage(3))
            continue;
        const auto reading = [&](int k) { return cellsPerRow * b + k; };
        drawRow(canvas, run, QStringLiteral("序 号"), [&](int k) { return number(reading(k) + 1); });
        drawRow(canvas, run, QStringLiteral("厚度数值"),
                [&](int k) { return reading(k) < n ? number(m.sampleAt(reading(k))) : QString(); });
        drawRow(canvas, run, QStringLiteral("厚度合格"),
                [&](int k) { return reading(k) < n ? passMark(m, m.sampleAt(reading(k))) : QString(); });
    }
    run.take();
}

void paintMeasuredDiameterMember(PageCanvas& canvas, SlotRun& run, const MemberRecord& m)
{
    if (const auto y = run.take()) {
        TextRow(canvas, *y)
            .add(900, QStringLiteral("工程名称:"))
            .add(2700, fromGbk(m.name))
            .add(6900, QStringLiteral("工程编号:"))
            .add(8100, fromGbk(m.number));
    }
    if (const auto y = run.take()) {
        TextRow(canvas, *y)
            .add(900, QStringLiteral("设计直径:"))
            .add(2100, number(m.designDiameter))
            .add(2400, QStringLiteral("mm"))
            .add(6900, QStringLiteral("设计厚度:"))
            .add(8100, number(m.designCover))
            .add(8400, QStringLiteral("mm"));
    }
    if (const auto y = run.take()) {
        TextRow(canvas, *y)
            .add(900, QStringLiteral("厚度允许偏差下(上)限:"))
            .add(3200, number(m.lowerDeviation))
            .add(3400, QStringLiteral("("))
            .add(3600, number(m.upperDeviation))
            .add(3800, QStringLiteral(")"))
            .add(4000, QStringLiteral("mm"))
            .add(6900, QStringLiteral("数据个数:"))
            .add(8100, number(m.sampleCount / 2));
    }
    if (const auto y = run.take()) {
        TextRow(canvas, *y)
            .add(900, QStringLiteral("厚度最小(大)值:"))
            .add(2700, number(m.minCover))
            .add(2950, QStringLiteral("("))
            .add(3100, number(m.maxCover))
            .add(3400, QStringLiteral(")"))
            .add(3500, QStringLiteral("mm"));
    }
    if (const auto y = run.take())
        canvas.drawText(900, *y, QStringLiteral("测量结果数据:"));

    const auto n = static_cast<std::int64_t>(m.samples.size());
    const std::int64_t pairs = n / 2;
    if (n == 0)
        drawNoReadingsLine(canvas, run);
    for (std::int64_t b = 0; b < ceilDiv(n, 2 * cellsPerRow) && !run.full(); ++b) {
        if (run.skipBeforePage(4))
            continue;
        const auto pair = [&](int k) { return cellsPerRow * b + k; };
        drawRow(canvas, run, QStringLiteral("序 号"), [&](int k) { return number(pair(k) + 1); });
        drawRow(canvas, run, QStringLiteral("钢筋直径"),
                [&](int k) { return pair(k) < pairs ? number(m.sampleAt(2 * pair(k) + 1)) : QString(); });
        drawRow(canvas, run, QStringLiteral("厚度数值"),
                [&](int k) { return pair(k) < pairs ? number(m.sampleAt(2 * pair(k))) : QString(); });
        drawRow(canvas, run, QStringLiteral("厚度合格"),
                [&](int k) { return pair(k) < pairs ? passMark(m, m.sampleAt(2 * pair(k))) : QString(); });
    }
    run.take();
}

bool hasCheckedSinglePointMember(const Project& project)
{
    return std::any_of(project.members.begin(), project.members.end(),
                       [](const MemberRecord& m) { return m.checked && belongsToTestMode(m, TestMode::singlePoint); });
}

} // namespace

int listLineHeight(const QPaintDevice& device)
{
    const QFontMetrics metrics(PageCanvas::font(QStringLiteral("黑体"), 16), &device);
    return std::clamp(metrics.lineSpacing(), 1, largestListLineHeight);
}

std::int64_t firstLineSlotOfPage(std::int64_t page)
{
    return page <= 1 ? 0 : laterPageLineSlots * page - 43;
}

std::int64_t lastLineSlotOfPage(std::int64_t page)
{
    return page <= 1 ? firstPageLineSlots - 1 : laterPageLineSlots * page - 4;
}

int firstSlotTop(std::int64_t page)
{
    return page <= 1 ? firstPageTop : laterPageTop;
}

void paintListPart(PageCanvas& canvas, const Project& project, std::int64_t page, int lineHeight)
{
    if (page == 1 && hasCheckedSinglePointMember(project)) {
        canvas.setFont(PageCanvas::font(QStringLiteral("黑体"), 16));
        canvas.drawText(PageBox{800, -1200, 10000, -2200}, Qt::AlignHCenter | Qt::AlignTop,
                        QStringLiteral("钢筋仪测量数据结果"));
    }
    canvas.setFont(PageCanvas::font(QStringLiteral("宋体"), 10.8));
    SlotRun run(page, lineHeight);
    for (const MemberRecord& member : project.members) {
        if (run.full())
            break;
        if (!member.checked)
            continue;
        run.skipTo(listMemberStartSlot(member, run.next()));
        if (run.skipBeforePage(listLineSlots(member)))
            continue;
        const TestModeDigit digit = testModeDigit(member);
        if (digit == TestModeDigit::singleKnownDiameter)
            paintKnownDiameterMember(canvas, run, member);
        else if (digit == TestModeDigit::singleMeasuredDiameter)
            paintMeasuredDiameterMember(canvas, run, member);
    }
}

} // namespace trellon
