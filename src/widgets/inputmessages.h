// What the user is told about a number typed into a cell: a text or value refused, and a value stored from only
// the leading whole number of what was typed.
#pragma once

#include <QString>

#include <cstdint>

class QWidget;

namespace trellon {

// "请键入一个整数。"
QString notAnIntegerMessage();

// "您输入的数据越界（0–255）": the field's own range follows the refusal.
QString outOfRangeMessage(std::int64_t lowest, std::int64_t highest);

// Whether the text holds more than its leading whole number and the unit: "25.7" and "12x" do; "25", " 25 ",
// "25mm" and "25 mm" do not.
bool holdsMoreThanWholeMillimetres(const QString& typed);

// "已存为 25（读数为整毫米）" in the status bar of the window that `from` lies in.
void noteStoredWholeMillimetres(QWidget* from, std::int64_t stored);

} // namespace trellon
