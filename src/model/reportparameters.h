// The administrative data of a Word inspection report and the report format chosen.
#pragma once

#include <cstdint>
#include <string>

namespace trellon {

// 1970-01-01, the date of the zero time value, stands for a date not chosen yet: what a new settings file holds.
struct CalendarDate {
    std::int32_t year = 1970;
    std::int32_t month = 1;
    std::int32_t day = 1;

    bool isChosen() const { return *this != CalendarDate{}; }
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The date, or today where none was chosen.
inline CalendarDate chosenOrToday(const CalendarDate& date, const CalendarDate& today)
{
    return date.isChosen() ? date : today;
}

enum class ReportFormat : std::int32_t { normal = 0, yunnan = 1 };

// Texts are UTF-8; their limits count GBK bytes.
struct ReportParameters {
    std::string reportNumber = "填写报告编号";
    std::string projectName = "填写工程名称";
    std::string strengthGrade = "C25";
    CalendarDate startDate;
    CalendarDate testDate;
    std::string address = "填写工程地址";
    std::string structure = "填写工程结构";
    std::string instrument = "填写监测仪器";
    std::string staff = "填写参检人员";
    std::string testContent = "填写检测内容";
    std::string client = "填写委托单位";
    std::string testUnit = "填写检测单位";
    std::string builder = "填写施工单位";
    std::string supervisor = "填写监理单位";
    std::string designer = "填写设计单位";
    ReportFormat reportFormat = ReportFormat::normal;

    friend bool operator==(const ReportParameters&, const ReportParameters&) = default;
};

} // namespace trellon
