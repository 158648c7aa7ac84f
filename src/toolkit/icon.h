#pragma once
#include <QIcon>
#include <QPixmap>

namespace toolkit {

// The program's icon: a rupee sign on the program's teal, drawn at the given size.
QPixmap programPixmap(int size);
QIcon programIcon();

} // namespace toolkit
