// Choosing in a drop-down list as the user does: a click opens it, a click on the entry picks it.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace trellon::testing {

inline void chooseInList(QComboBox* list, const QString& text)
{
    const int row = list->findText(text);
    ASSERT_GE(row, 0) << text.toStdString() << " is not in the list";
    // An editable list opens from its arrow at the right end.
    const QPoint arrow(list->width() - 6, list->height() / 2);
    QTest::mouseClick(list, Qt::LeftButton, {}, list->isEditable() ? arrow : list->rect().center());
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); })) << "the list did not open";
    // A freshly opened list ignores releases for a double-click's time (its timer may run late), lest the
    // opening click pick an entry.
    QTest::qWait(QApplication::doubleClickInterval() * 3 / 2);
    const QRect entry = view->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    ASSERT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }, 2000)) << "the list did not close";
    ASSERT_EQ(list->currentIndex(), row);
}

} // namespace trellon::testing
