// The document's verification points as a table: member, run, point, reading, measured cover, difference,
// diameter, method and note. The measured cover, diameter, method and note are edited in place, each change one
// step of the document's history.
#pragma once

#include "evaluation/coververification.h"

#include <QAbstractTableModel>

namespace trellon {

class ProjectDocument;

class VerificationPointsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        numberColumn,
        nameColumn,
        runColumn,
        pointColumn,
        readingColumn,
        measuredColumn,
        differenceColumn,
        diameterColumn,
        methodColumn,
        noteColumn,
        columnTotal
    };

    // The document outlives the model.
    explicit VerificationPointsModel(ProjectDocument& document, QObject* parent = nullptr);

    // The rows again from the document, with the check of its points.
    void refresh(const VerificationCheck& check);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Measured: a number from 0.0 to 200.0 with at most one decimal. Diameter: a whole number from 0 to 100, or
    // nothing for the member's own. Method: 0 drilling, 1 chiselling. Note: any text.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The texts of the methods, in the order of their values.
    static QStringList methodNames();
    // Tenths of a millimetre with one decimal, "+" before a positive value when asked for.
    static QString tenthsText(std::int64_t tenths, bool sign = false);

signals:
    // A typed value was not stored; the message says why.
    void refused(const QString& message);

private:
    QVariant display(int row, int column) const;
    QVariant toolTip(int row, int column) const;
    bool store(int row, int column, const QVariant& value);

    ProjectDocument& document_;
    std::vector<VerificationPoint> points_;
    VerificationCheck check_;
};

} // namespace trellon
