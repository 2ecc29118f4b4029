#pragma once
#include <QIcon>

// The program icon, drawn from its SVG at every size a window or dialog asks for.
QIcon ProgramIcon();
