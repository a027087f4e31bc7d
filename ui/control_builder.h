#pragma once

#include <functional>

#include "ui/form1_layout.h"

class QWidget;

namespace dirnal::ui {

// Makes a control that needs more than its table row (the path list, the
// panels, the drive, directory and file lists); null for the others.
using MakeControl = std::function<QWidget*(const ControlRow& row, QWidget* parent)>;

// Builds the table's controls that lie in a container (named as in the
// table; "" is the window's client area) and in the frames within it, in
// table order. Each gets its objectName, place, caption, tooltip, colours,
// font and visibility, and a name for assistive technology; Return and Enter
// press its buttons. A control made by `make` builds its own contents.
void buildControls(QWidget* container, const char* containerName, const MakeControl& make);

}  // namespace dirnal::ui
