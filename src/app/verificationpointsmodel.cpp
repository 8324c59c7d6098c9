// Verification points table.
#include "verificationpointsmodel.h"

#include "document/projectdocument.h"
#include "model/gbk.h"

#include <QBrush>
#include <QColor>
#include <QRegularExpression>

namespace trellon {
namespace {

constexpr char dash[] = "—";

// "27.4", "27" or " 27.40 " as whole tenths; none for anything else or beyond maxMeasuredCover.
std::optional<std::int32_t> typedTenths(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d{1,3})(?:\\.(\\d)0*)?\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int tenths = match.captured(1).toInt() * 10 + (match.captured(2).isEmpty() ? 0 : match.captured(2).toInt());
    if (tenths > maxMeasuredCover)
        return std::nullopt;
    return tenths;
}

} // namespace

VerificationPointsModel::VerificationPointsModel(ProjectDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document)
{
}

QString VerificationPointsModel::tenthsText(std::int64_t tenths, bool sign)
{
    return (sign && tenths > 0 ? QStringLiteral("+") : QString()) +
           QString::number(static_cast<double>(tenths) / 10.0, 'f', 1);
}

QStringList VerificationPointsModel::methodNames()
{
    return {tr("钻孔"), tr("剔凿")};
}

void VerificationPointsModel::refresh(const VerificationCheck& check)
{
    const Project* project = document_.project();
    std::vector<VerificationPoint> points =
        project != nullptr ? project->extension.verification.points : std::vector<VerificationPoint>{};
    // The same rows with new contents keep the view's selection and an editor that is just storing its value.
    if (points.size() == points_.size()) {
        points_ = std::move(points);
        check_ = check;
        if (!points_.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnTotal - 1));
        return;
    }
    beginResetModel();
    points_ = std::move(points);
    check_ = check;
    endResetModel();
}

int VerificationPointsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(points_.size());
}

int VerificationPointsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnTotal;
}

Qt::ItemFlags VerificationPointsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    switch (index.column()) {
    case measuredColumn:
    case diameterColumn:
    case methodColumn:
    case noteColumn:
        return flags | Qt::ItemIsEditable;
    default:
        return flags;
    }
}

QVariant VerificationPointsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case numberColumn:
        return tr("构件编号");
    case nameColumn:
        return tr("构件名称");
    case runColumn:
        return tr("方向");
    case pointColumn:
        return tr("测点");
    case readingColumn:
        return tr("读数(mm)");
    case measuredColumn:
        return tr("实测值(mm)");
    case differenceColumn:
        return tr("差值(mm)");
    case diameterColumn:
        return tr("直径(mm)");
    case methodColumn:
        return tr("方式");
    case noteColumn:
        return tr("备注");
    default:
        return {};
    }
}

QVariant VerificationPointsModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row >= rowCount())
        return {};
    const VerificationPoint& p = points_[static_cast<std::size_t>(row)];
    const CheckedVerificationPoint& c = check_.points.at(static_cast<std::size_t>(row));
    switch (role) {
    case Qt::DisplayRole:
        return display(row, index.column());
    case Qt::EditRole:
        switch (index.column()) {
        case measuredColumn:
            return tenthsText(p.measured);
        case diameterColumn:
            return p.diameter ? QString::number(*p.diameter) : QString();
        case methodColumn:
            return static_cast<int>(p.method);
        case noteColumn:
            return QString::fromStdString(p.note);
        default:
            return display(row, index.column());
        }
    case Qt::ToolTipRole:
        return toolTip(row, index.column());
    case Qt::ForegroundRole:
        if (index.column() == differenceColumn && c.errorExceeded)
            return QBrush(QColor(0xc0, 0x20, 0x20));
        if (!c.valid)
            return QBrush(QColor(0x90, 0x90, 0x90));
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == nameColumn || index.column() == noteColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                                            : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant VerificationPointsModel::display(int row, int column) const
{
    const VerificationPoint& p = points_[static_cast<std::size_t>(row)];
    const CheckedVerificationPoint& c = check_.points.at(static_cast<std::size_t>(row));
    const MemberRecord* member = document_.member(p.member);
    switch (column) {
    case numberColumn:
        return member ? QString::fromStdString(gbkToUtf8(member->number)) : QString::fromUtf8(dash);
    case nameColumn:
        return member ? QString::fromStdString(gbkToUtf8(member->name)) : tr("构件不存在");
    case runColumn:
        return p.run == PointRun::x ? QStringLiteral("X") : p.run == PointRun::y ? QStringLiteral("Y") : QString();
    case pointColumn:
        return p.point == deletedPointNumber ? tr("测点已删除") : QString::number(p.point);
    case readingColumn:
        return c.reading ? QString::number(*c.reading) : QString::fromUtf8(dash);
    case measuredColumn:
        return tenthsText(p.measured);
    case differenceColumn:
        return c.difference ? tenthsText(*c.difference, true) : QString::fromUtf8(dash);
    case diameterColumn:
        if (!c.diameter)
            return QString::fromUtf8(dash);
        return *c.diameter == 0 ? tr("未知") : QString::number(*c.diameter);
    case methodColumn:
        return methodNames().value(static_cast<int>(p.method));
    case noteColumn:
        return QString::fromStdString(p.note);
    default:
        return {};
    }
}

QVariant VerificationPointsModel::toolTip(int row, int column) const
{
    const VerificationPoint& p = points_[static_cast<std::size_t>(row)];
    const CheckedVerificationPoint& c = check_.points.at(static_cast<std::size_t>(row));
    if (!c.valid) {
        if (document_.member(p.member) == nullptr)
            return tr("工程中没有这个构件，验证点不参与计算");
        if (p.point == deletedPointNumber)
            return tr("验证点所在的读数或钢筋已删除，验证点不参与计算");
        return tr("构件没有这个测点，验证点不参与计算");
    }
    if (column == differenceColumn && c.errorExceeded)
        return tr("差值超过允许误差");
    if (column == diameterColumn)
        return p.diameter ? tr("填写的直径") : tr("构件的直径（留空）");
    return {};
}

bool VerificationPointsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount())
        return false;
    return store(index.row(), index.column(), value);
}

bool VerificationPointsModel::store(int row, int column, const QVariant& value)
{
    VerificationPoint p = points_[static_cast<std::size_t>(row)];
    switch (column) {
    case measuredColumn: {
        const std::optional<std::int32_t> measured = typedTenths(value.toString());
        if (!measured) {
            emit refused(tr("实测值应为0.0到200.0之间的数，精确到0.1 mm。"));
            return false;
        }
        p.measured = *measured;
        break;
    }
    case diameterColumn: {
        const QString text = value.toString().trimmed();
        bool whole = false;
        const int diameter = text.toInt(&whole);
        if (!text.isEmpty() && (!whole || diameter < 0 || diameter > maxStatedDiameter)) {
            emit refused(tr("直径应为0到100之间的整数；留空时取构件的直径。"));
            return false;
        }
        p.diameter = text.isEmpty() ? std::nullopt : std::optional<std::int32_t>(diameter);
        break;
    }
    case methodColumn:
        p.method = value.toInt() == 1 ? VerificationMethod::chisel : VerificationMethod::drill;
        break;
    case noteColumn:
        p.note = value.toString().toStdString();
        break;
    default:
        return false;
    }
    // An unchanged value makes no step; the document then tells nothing and the row keeps its text.
    document_.setVerificationPoint(row, p);
    return true;
}

} // namespace trellon
