#pragma once
#include "platform/Dialog.h"

// Dialog template 128: the controls of the task control bar in dialog units.
const DialogTemplate& ControlBarTemplate();
