#pragma once
#include "platform/Dialog.h"

// Dialog template 128: the controls of the task control bar in dialog units.
// Every label of the bar is right-aligned; the lists drop down.
const DialogTemplate& ControlBarTemplate();
