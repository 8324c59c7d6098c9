// Toolbar and window icons, drawn with QPainter so the program carries no image files.
#pragma once

#include <QIcon>

namespace trellon {

// The icons of the commands that have one.
enum class CommandIcon {
    none,
    open,
    save,
    print,
    printSettings,
    printPreview,
    saveBmp,
    saveTxt,
    wordReport,
    excelReport,
    dataTransfer,
    controlPanel,
    projectInformation,
    insertRowAbove,
    insertRowBelow,
    deleteBar,
    about,
    undo,
    redo,
};

// The icon at the toolbar's sizes; null for none.
QIcon commandIcon(CommandIcon icon);

// The application's icon: a concrete section with two bars under a cover gauge.
QIcon applicationIcon();

} // namespace trellon
